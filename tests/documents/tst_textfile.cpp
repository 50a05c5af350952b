// Reading and saving source files through real files in a temporary folder: every encoding case reads back
// identical, declared character sets are read as browsers read them, bytes that are no characters bring a
// notice and never come back as other bytes, bad files give a Greek reason and no text, and a failed save
// leaves the old file as it was.
#include "declarationcases.h"
#include "documents/core/charsetprescan.h"
#include "documents/core/documentmessages.h"
#include "documents/core/filefailure.h"
#include "documents/core/textfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <csignal>
#include <cstring>
#include <sys/resource.h>
#include <sys/stat.h>

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
    void declaredCharsetIsRead_data();
    void declaredCharsetIsRead();
    void unreadableBytesBringANoticeAndSaveAsShown_data();
    void unreadableBytesBringANoticeAndSaveAsShown();
    void badFileGivesReasonAndNoText_data();
    void badFileGivesReasonAndNoText();
    void saveIntoMissingFolderFails();
    void failedWriteLeavesOldFileUnchanged();
    void saveReplacesExistingFile();
    void errorCodesGiveGreekReasons_data();
    void errorCodesGiveGreekReasons();
    void failedSaveGivesGreekReason_data();
    void failedSaveGivesGreekReason();
    void saveOnAFullDiskSaysSo();

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
    QTest::addColumn<QByteArray>("encoding");
    QTest::addColumn<bool>("mark");

    const QString mixed = QStringLiteral("Ελληνικά, Русский, 😀 €");
    auto meta = [](const char *charset) {
        return QStringLiteral(
                   "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=%1\" "
                   "/></head>\n<body>")
            .arg(QLatin1String(charset));
    };
    const auto row = [](const char *name, const QString &text, const char *encoding, bool mark) {
        QTest::newRow(name) << text << QByteArray(encoding) << mark;
    };
    row("greek, no declaration", QStringLiteral("<p>Άλφα βήτα ΐ ΰ</p>\n<p>δεύτερη</p>"), "windows-1253",
        false);
    row("greek, declared iso-8859-7", meta("ISO-8859-7") + QStringLiteral("Άλφα Ώρα ’\n"), "ISO-8859-7",
        false);
    row("greek + cyrillic + emoji, declared iso-8859-7", meta("ISO-8859-7") + mixed, "UTF-8", true);
    row("mixed, declared utf-8", meta("UTF-8") + mixed, "UTF-8", false);
    row("latin, declared iso-8859-1", meta("ISO-8859-1") + QStringLiteral("café über €"), "windows-1252",
        false);
    row("western, declared windows-1252", meta("windows-1252") + QStringLiteral("€ „quote“"), "windows-1252",
        false);
    row("greek, declared windows-1253", meta("windows-1253") + QStringLiteral("Άλφα €"), "windows-1253",
        false);
    row("russian, declared koi8-r", meta("koi8-r") + QStringLiteral("Привет"), "KOI8-R", false);
    row("cyrillic, no declaration", QStringLiteral("Привет\nκόσμε"), "UTF-8", true);
    row("trailing line break kept", QStringLiteral("<p>α</p>\n\n"), "windows-1253", false);
}

void TestTextFile::savedFileReadsBackIdentical()
{
    QFETCH(QString, text);
    QFETCH(QByteArray, encoding);
    QFETCH(bool, mark);
    const QString path = m_dir->filePath(QStringLiteral("page.html"));
    const TextFileWrite written = writeTextFile(path, text);
    QVERIFY2(written.ok, qPrintable(written.message));
    QCOMPARE(encodingName(written.encoding.encoding), encoding);
    QCOMPARE(written.encoding.byteOrderMark, mark);
    QVERIFY(!contents(path).contains("?"));
    QVERIFY(!contents(path).contains("\n\n"));

    const TextFileRead read = readTextFile(path);
    QVERIFY2(read.ok, qPrintable(read.message));
    QCOMPARE(read.message, QString());
    QString expected = text;
    expected.replace(QLatin1String("\n"), QLatin1String("\r\n"));
    QCOMPARE(read.text, expected);
}

void TestTextFile::declaredCharsetIsRead_data()
{
    addDeclarationRows();
}

void TestTextFile::declaredCharsetIsRead()
{
    // Each page's head followed by letters that read differently in each encoding: a page declaring UTF-8
    // gets UTF-8 letters, the others bytes that are no UTF-8, which a page declaring nothing reads as
    // Windows-1253.
    QFETCH(QByteArray, head);
    QFETCH(QByteArray, expected);
    const bool utf8 = expected == "UTF-8";
    const QByteArray bytes = head + (utf8 ? QByteArray("\xCE\x86") : QByteArray("\xB6\xCF"));
    const QString path = m_dir->filePath(QStringLiteral("page.html"));
    QVERIFY(writeBytes(path, bytes));
    const std::optional<CharacterEncoding> encoding =
        expected.isEmpty() ? CharacterEncoding::Windows1253 : encodingForLabel(expected);
    QVERIFY(encoding);

    const TextFileRead read = readTextFile(path);
    QVERIFY2(read.ok, qPrintable(read.message));
    QCOMPARE(read.text, decodeBytes(*encoding, bytes).text);
    QCOMPARE(read.message, QString());
}

void TestTextFile::unreadableBytesBringANoticeAndSaveAsShown_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("notice");
    QTest::addColumn<bool>("sameBytes"); // saved without a change, the file keeps its bytes

    const QByteArray utf8Meta("<html><head><meta charset=\"utf-8\"><title>Ρόδος</title></head>\r\n");
    const QString shownMeta = QString::fromUtf8(utf8Meta);
    const QByteArray rhodes = QStringLiteral("<p>Η Ρόδος είναι νησί.</p>").toUtf8();
    const auto row = [](const char *name, const QByteArray &bytes, const QString &text, bool notice,
                        bool sameBytes = false) {
        QTest::newRow(name) << bytes << text << notice << sameBytes;
    };
    row("declared utf-8, one stray byte", utf8Meta + rhodes + "\xE9" + rhodes,
        shownMeta + QStringLiteral("<p>Η Ρόδος είναι νησί.</p>\uFFFD<p>Η Ρόδος είναι νησί.</p>"), true);
    row("declared utf-8, written in windows-1253", "<meta charset=\"utf-8\"><p>\xD1\xFC\xE4\xEF\xF2</p>",
        QStringLiteral("<meta charset=\"utf-8\"><p>Ρόδος</p>"), false);
    row("undeclared windows-1253, bytes it lacks", "<p>\xAA\xD2\xFF \xD1\xFC\xE4\xEF\xF2</p>",
        QStringLiteral("<p>\uFFFD\uFFFD\uFFFD Ρόδος</p>"), true);
    row("declared iso-8859-7, a byte it lacks", "<meta charset=\"iso-8859-7\"><p>\xAE\xB6</p>",
        QStringLiteral("<meta charset=\"iso-8859-7\"><p>\uFFFDΆ</p>"), true);
    row("declared latin1, windows-1252 bytes", "<meta charset=\"latin1\"><p>\x80\x93\x94\x81</p>",
        QStringLiteral("<meta charset=\"latin1\"><p>€“”\u0081</p>"), false, true);
    row("utf-8 mark, cut-off sequence at the end", "\xEF\xBB\xBF<p>\xCE\xB1\xF0\x9F\x98",
        QStringLiteral("<p>α\uFFFD"), true);
    row("utf-16 mark, lone surrogate", QByteArray("\xFF\xFE<\x00\x00\xD8>\x00", 8),
        QStringLiteral("<\uFFFD>"), true);
    row("declared shift_jis, broken sequence", "<meta charset=\"shift_jis\"><p>\x82\xA0\x82</p>",
        QStringLiteral("<meta charset=\"shift_jis\"><p>あ\uFFFD</p>"), true);
    row("declared x-user-defined", "<meta charset=\"x-user-defined\"><p>\x80\xE9</p>",
        QStringLiteral("<meta charset=\"x-user-defined\"><p>€é</p>"), false, true);
    row("meta after the first 1,024 bytes", QByteArray(1100, ' ') + "<meta charset=\"koi8-r\">\xF0",
        QString(1100, u' ') + QStringLiteral("<meta charset=\"koi8-r\">π"), false, true);
}

void TestTextFile::unreadableBytesBringANoticeAndSaveAsShown()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, text);
    QFETCH(bool, notice);
    QFETCH(bool, sameBytes);
    const QString path = m_dir->filePath(QStringLiteral("page.html"));
    QVERIFY(writeBytes(path, bytes));

    const TextFileRead read = readTextFile(path);
    QVERIFY2(read.ok, qPrintable(read.message));
    QCOMPARE(read.text, text);
    QCOMPARE(read.message,
             notice ? DocumentMessages::malformedCharacters(QStringLiteral("page.html")) : QString());

    // Saved and read again, the file gives exactly the text shown, and reading it brings no notice.
    const QString copy = m_dir->filePath(QStringLiteral("copy.html"));
    QVERIFY(writeTextFile(copy, read.text).ok);
    const TextFileRead again = readTextFile(copy);
    QVERIFY2(again.ok, qPrintable(again.message));
    QCOMPARE(again.text, withCrLfBreaks(read.text));
    QCOMPARE(again.message, QString());
    if (sameBytes)
        QCOMPARE(contents(copy), bytes);
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
    QVERIFY2(written.message.contains(greekReasonForErrorCode(EFBIG)), qPrintable(written.message));
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

void TestTextFile::errorCodesGiveGreekReasons_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("reasonPart");

    QTest::newRow("ENOSPC") << ENOSPC << QStringLiteral("γέμισε");
    QTest::newRow("EDQUOT") << EDQUOT << QStringLiteral("χώρος που σου αναλογεί");
    QTest::newRow("EACCES") << EACCES << QStringLiteral("δικαίωμα πρόσβασης");
    QTest::newRow("EPERM") << EPERM << QStringLiteral("δεν επιτρέπεται");
    QTest::newRow("EROFS") << EROFS << QStringLiteral("μόνο ανάγνωση");
    QTest::newRow("ENOENT") << ENOENT << QStringLiteral("δεν υπάρχει");
    QTest::newRow("EISDIR") << EISDIR << QStringLiteral("είναι φάκελος");
    QTest::newRow("ENAMETOOLONG") << ENAMETOOLONG << QStringLiteral("όνομα του αρχείου είναι πολύ μεγάλο");
    QTest::newRow("EIO") << EIO << QStringLiteral("σφάλμα ανάγνωσης ή εγγραφής");
    QTest::newRow("EFBIG") << EFBIG << QStringLiteral("ξεπερνά το μέγεθος");
    // Rare causes keep the system's own text.
    QTest::newRow("EXDEV") << EXDEV << QString();
    QTest::newRow("no error") << 0 << QString();
}

void TestTextFile::errorCodesGiveGreekReasons()
{
    QFETCH(int, code);
    QFETCH(QString, reasonPart);
    const QString reason = greekReasonForErrorCode(code);
    if (reasonPart.isEmpty()) {
        QCOMPARE(reason, QString());
        return;
    }
    QVERIFY2(reason.contains(reasonPart), qPrintable(reason));
    QVERIFY2(!reason.contains(QRegularExpression(QStringLiteral("[A-Za-z]"))), qPrintable(reason));
}

void TestTextFile::failedSaveGivesGreekReason_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("code");

    // The kernel's own folder takes no new files, not even from root.
    QTest::newRow("no access") << QStringLiteral("/sys/velmark-page.html") << EACCES;
    QTest::newRow("name too long") << QString(300, u'α') + QStringLiteral(".html") << ENAMETOOLONG;
}

void TestTextFile::failedSaveGivesGreekReason()
{
    QFETCH(QString, path);
    QFETCH(int, code);
    if (QDir::isRelativePath(path))
        path = m_dir->filePath(path);
    const TextFileWrite written = writeTextFile(path, QStringLiteral("<p>α</p>"));
    QVERIFY(!written.ok);
    QVERIFY2(written.message.contains(greekReasonForErrorCode(code)), qPrintable(written.message));
    QVERIFY2(!written.message.contains(QString::fromLocal8Bit(std::strerror(code))),
             qPrintable(written.message));
}

// A disk that fills up while saving: a small memory disk, where this machine lets the test mount one.
void TestTextFile::saveOnAFullDiskSaysSo()
{
    const QString disk = m_dir->filePath(QStringLiteral("disk"));
    QVERIFY(QDir().mkpath(disk));
    if (QProcess::execute(QStringLiteral("mount"), {"-t", "tmpfs", "-o", "size=16k", "tmpfs", disk}) != 0)
        QSKIP("mounting a small disk is not allowed here");
    struct Unmount
    {
        QString disk;
        ~Unmount() { QProcess::execute(QStringLiteral("umount"), {disk}); }
    } unmount{disk};
    const QString path = disk + QStringLiteral("/page.html");
    const TextFileWrite written = writeTextFile(path, QString(100000, u'λ'));
    QVERIFY(!written.ok);
    QVERIFY2(written.message.contains(greekReasonForErrorCode(ENOSPC)), qPrintable(written.message));
    QVERIFY(!QFile::exists(path));
}

QTEST_GUILESS_MAIN(TestTextFile)
#include "tst_textfile.moc"
