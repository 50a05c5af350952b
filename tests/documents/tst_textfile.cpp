// Reading and saving source files through real files in a temporary folder: every encoding case reads back
// identical, bad files give a Greek reason and no text, and a failed save leaves the old file as it was.
#include "documents/textfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>

Q_DECLARE_METATYPE(FileEncoding)

namespace {

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestTextFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void savedFileReadsBackIdentical_data();
    void savedFileReadsBackIdentical();
    void badFileGivesReasonAndNoText_data();
    void badFileGivesReasonAndNoText();
    void malformedUtf8IsReadWithReplacementAndANotice();
    void saveIntoMissingFolderFails();
    void failedWriteLeavesOldFileUnchanged();
    void saveReplacesExistingFile();

private:
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestTextFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestTextFile::savedFileReadsBackIdentical_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<FileEncoding>("encoding");

    const QString mixed = QStringLiteral("Ελληνικά, Русский, 😀 €");
    auto meta = [](const char *charset) {
        return QStringLiteral(
                   "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=%1\" "
                   "/></head>\n<body>")
            .arg(QLatin1String(charset));
    };
    QTest::newRow("greek, no declaration")
        << QStringLiteral("<p>Άλφα βήτα ΐ ΰ</p>\n<p>δεύτερη</p>") << FileEncoding::Windows1253;
    QTest::newRow("greek, declared iso-8859-7")
        << meta("ISO-8859-7") + QStringLiteral("Άλφα Ώρα ’\n") << FileEncoding::Iso8859_7;
    QTest::newRow("greek + cyrillic + emoji, declared iso-8859-7")
        << meta("ISO-8859-7") + mixed << FileEncoding::Utf8WithMark;
    QTest::newRow("mixed, declared utf-8") << meta("UTF-8") + mixed << FileEncoding::Utf8;
    QTest::newRow("latin, declared iso-8859-1")
        << meta("ISO-8859-1") + QStringLiteral("café über") << FileEncoding::Iso8859_1;
    QTest::newRow("western, declared windows-1252")
        << meta("windows-1252") + QStringLiteral("€ „quote“") << FileEncoding::Windows1252;
    QTest::newRow("greek, declared windows-1253")
        << meta("windows-1253") + QStringLiteral("Άλφα €") << FileEncoding::Windows1253;
    QTest::newRow("cyrillic, no declaration")
        << QStringLiteral("Привет\nκόσμε") << FileEncoding::Utf8WithMark;
    QTest::newRow("trailing line break kept") << QStringLiteral("<p>α</p>\n\n") << FileEncoding::Windows1253;
}

void TestTextFile::savedFileReadsBackIdentical()
{
    QFETCH(QString, text);
    QFETCH(FileEncoding, encoding);
    const QString path = m_dir->filePath(QStringLiteral("page.html"));
    const TextFileWrite written = writeTextFile(path, text);
    QVERIFY2(written.ok, qPrintable(written.message));
    QCOMPARE(written.encoding, encoding);
    QVERIFY(!contents(path).contains("?"));
    QVERIFY(!contents(path).contains("\n\n"));

    const TextFileRead read = readTextFile(path);
    QVERIFY2(read.ok, qPrintable(read.message));
    QCOMPARE(read.message, QString());
    QString expected = text;
    expected.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    QCOMPARE(read.text, expected);
}

void TestTextFile::badFileGivesReasonAndNoText_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("reasonPart");

    QTest::newRow("missing") << QStringLiteral("missing.html") << QStringLiteral("δεν βρέθηκε");
    QTest::newRow("folder") << QStringLiteral("folder.html") << QStringLiteral("είναι φάκελος");
    QTest::newRow("binary") << QStringLiteral("picture.html") << QStringLiteral("δεν είναι αρχείο κειμένου");
    QTest::newRow("over 50 MB") << QStringLiteral("huge.html") << QStringLiteral("πολύ μεγάλο");
    QTest::newRow("named pipe") << QStringLiteral("pipe.html") << QStringLiteral("δεν είναι κανονικό αρχείο");
}

void TestTextFile::badFileGivesReasonAndNoText()
{
    QFETCH(QString, name);
    QFETCH(QString, reasonPart);
    QVERIFY(QDir(m_dir->path()).mkdir(QStringLiteral("folder.html")));
    QVERIFY(writeBytes(m_dir->filePath(QStringLiteral("picture.html")),
                       QByteArray("\x89PNG\r\n\x1A\n\0\0\0", 11)));
    QFile huge(m_dir->filePath(QStringLiteral("huge.html")));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    QVERIFY(huge.resize(maximumDocumentBytes + 1));
    huge.close();
    QCOMPARE(::mkfifo(QFile::encodeName(m_dir->filePath(QStringLiteral("pipe.html"))).constData(), 0600), 0);

    const TextFileRead read = readTextFile(m_dir->filePath(name));
    QVERIFY(!read.ok);
    QCOMPARE(read.text, QString());
    QVERIFY2(read.message.contains(reasonPart), qPrintable(read.message));
    QVERIFY(read.message.contains(name));
}

void TestTextFile::malformedUtf8IsReadWithReplacementAndANotice()
{
    const QString path = m_dir->filePath(QStringLiteral("broken.html"));
    QVERIFY(writeBytes(path, QByteArray("\xEF\xBB\xBF<p>\xCE\xB1\xFF</p>")));
    const TextFileRead read = readTextFile(path);
    QVERIFY(read.ok);
    QCOMPARE(read.text, QStringLiteral("<p>α\uFFFD</p>"));
    QVERIFY2(read.message.contains(QStringLiteral("άκυρους χαρακτήρες")), qPrintable(read.message));
}

void TestTextFile::saveIntoMissingFolderFails()
{
    const QString path = m_dir->filePath(QStringLiteral("gone/page.html"));
    const TextFileWrite written = writeTextFile(path, QStringLiteral("<p>α</p>"));
    QVERIFY(!written.ok);
    QVERIFY2(written.message.contains(QStringLiteral("δεν υπάρχει")), qPrintable(written.message));
    QVERIFY(!QFile::exists(path));
}

void TestTextFile::failedWriteLeavesOldFileUnchanged()
{
    // A file size limit makes the write fail even for root; the signal it raises is ignored so the write
    // reports the failure instead.
    const QString path = m_dir->filePath(QStringLiteral("page.html"));
    const QByteArray old("<p>\xe1\xf1\xf7\xe1\xdf\xef</p>");
    QVERIFY(writeBytes(path, old));
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = saved;
    small.rlim_cur = 4096;
    QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    const TextFileWrite written = writeTextFile(path, QString(100000, u'λ'));
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!written.ok);
    QVERIFY2(written.message.contains(QStringLiteral("απέτυχε")), qPrintable(written.message));
    QCOMPARE(contents(path), old);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{QStringLiteral("page.html")});
}

void TestTextFile::saveReplacesExistingFile()
{
    const QString path = m_dir->filePath(QStringLiteral("page.html"));
    QVERIFY(writeBytes(path, QByteArray(5000, 'x')));
    QVERIFY(writeTextFile(path, QStringLiteral("αβ")).ok);
    QCOMPARE(contents(path), QByteArray("\xe1\xe2"));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
