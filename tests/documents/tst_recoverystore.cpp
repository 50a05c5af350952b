// The store of the pupil's recent texts: what is kept, in which order, how much, how safely, and how each
// kept text is told apart.
#include "core/editingsession.h"
#include "documents/core/recoverykeeper.h"
#include "documents/core/recoverystore.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/stat.h>
#include <unistd.h>

namespace {

// A text as an earlier version of the program kept it: named by the time, the text alone.
QString plantEarlierText(const QString &folder, const QDateTime &when, const char *reason,
                         const QByteArray &text)
{
    QDir().mkpath(folder);
    const QByteArray hash = QCryptographicHash::hash(text, QCryptographicHash::Sha256).toHex().left(32);
    const QString path = QDir(folder).filePath(when.toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz")) + '-' +
                                               reason + '-' + QString::fromLatin1(hash) + ".html");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        return QString();
    return path;
}

QStringList texts(const QList<RecoveryEntry> &entries)
{
    QStringList result;
    for (const RecoveryEntry &entry : entries)
        result.append(RecoveryStore::text(entry));
    return result;
}

} // namespace

class RecoveryStoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsTextsNewestFirstWithWhyAndWhat()
    {
        QTemporaryDir dir;
        RecoveryStore store(dir.filePath(QStringLiteral("recovery")));
        const QDateTime t0(QDate(2026, 12, 10), QTime(9, 0));
        QVERIFY(store.keep(QStringLiteral("<title>Ρόδος</title><h1>x</h1>"), RecoveryReason::BeforeTemplate,
                           {}, t0));
        RecoveryOrigin fromFile{QStringLiteral("/home/pupil/site/rhodes.html"),
                                QStringLiteral("/home/pupil/site"), true};
        QVERIFY(store.keep(QStringLiteral("<H2>Κεφάλαιο <b>1</b></H2>"), RecoveryReason::AtClose, fromFile,
                           t0.addSecs(5)));
        QVERIFY(store.keep(QStringLiteral("plain"), RecoveryReason::Automatic, {}, t0.addSecs(10)));

        const QList<RecoveryEntry> entries = store.entries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].reason, RecoveryReason::Automatic);
        QCOMPARE(entries[0].caption, QStringLiteral("plain"));
        QCOMPARE(entries[1].reason, RecoveryReason::AtClose);
        QCOMPARE(entries[1].caption, QStringLiteral("rhodes.html"));
        QCOMPARE(entries[1].when, t0.addSecs(5));
        QCOMPARE(entries[1].origin.file, fromFile.file);
        QCOMPARE(entries[1].origin.folder, fromFile.folder);
        QVERIFY(entries[1].origin.saved);
        QVERIFY(!entries[0].origin.saved);
        QCOMPARE(entries[2].caption, QStringLiteral("x"));
        QCOMPARE(entries[2].size, QStringLiteral("<title>Ρόδος</title><h1>x</h1>").toUtf8().size());
        QCOMPARE(RecoveryStore::text(entries[1]), QStringLiteral("<H2>Κεφάλαιο <b>1</b></H2>"));
        QCOMPARE(RecoveryStore::text(entries[2]), QStringLiteral("<title>Ρόδος</title><h1>x</h1>"));
    }

    void captions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("caption");
        QTest::newRow("the file's name first") << "<h1>Ρόδος</h1>"
                                               << "/home/pupil/site/rhodes.html"
                                               << "rhodes.html";
        QTest::newRow("a heading, not the shared title")
            << "<html><head><title>Ομάδα ανάπτυξης Velmark</title></head><body><p>a</p><H2 class=x>Κεφάλαιο "
               "<b>1</b></H2>"
            << ""
            << "Κεφάλαιο 1";
        QTest::newRow("the body's first words")
            << "<html><head><title>T</title><style>p{}</style></head><body bgcolor=red><!-- <h1>no</h1> -->"
               "<script>var a = '<h1>';</script><p>Η Ρόδος είναι νησί των Δωδεκανήσων με πολλά αξιοθέατα</p>"
            << ""
            << "Η Ρόδος είναι νησί των Δωδεκανήσων με πολλά…";
        // Texts grown from the same page differ in what the pupil added last.
        QTest::newRow("a heading and the last words") << "<body><H2>Velmark</H2><p>Ο Velmark είναι μία "
                                                         "Δωρεάν Εφαρμογή</p></body></html><P>my own work</P>"
                                                      << ""
                                                      << "Velmark … Εφαρμογή my own work";
        QTest::newRow("first and last words")
            << "ένα δύο τρία τέσσερα πέντε έξι επτά οκτώ εννέα δέκα έντεκα δώδεκα δεκατρία"
            << ""
            << "ένα δύο τρία τέσσερα πέντε έξι επτά οκτώ… … δέκα έντεκα δώδεκα δεκατρία";
        QTest::newRow("no body tag") << "Γεια σου <b>κόσμε</b>"
                                     << ""
                                     << "Γεια σου κόσμε";
        QTest::newRow("no heading among h-tags") << "<hr><header>x</header><p>Λέξεις</p>"
                                                 << ""
                                                 << "x Λέξεις";
        QTest::newRow("a long word cut") << QString(100, QChar(u'α')) << "" << QString(60, QChar(u'α')) + "…";
        QTest::newRow("nothing to show") << "<html><head><title>T</title></head><body></body></html>"
                                         << ""
                                         << "";
        QTest::newRow("an unclosed tag") << "<p>λέξη <b"
                                         << ""
                                         << "λέξη";
    }

    void captions()
    {
        QFETCH(QString, text);
        QFETCH(QString, file);
        QFETCH(QString, caption);
        RecoveryOrigin origin;
        origin.file = file;
        QCOMPARE(recoveryCaption(text, origin), caption);
    }

    void eachTextOnceAndNeverTheWorthless()
    {
        QTemporaryDir dir;
        RecoveryStore store(dir.path());
        store.ignoreText(QStringLiteral("welcome"));
        const QDateTime t0(QDate(2026, 12, 10), QTime(9, 0));
        QVERIFY(!store.keep(QString(), RecoveryReason::AtClose, {}, t0));
        QVERIFY(!store.keep(QStringLiteral(" \r\n "), RecoveryReason::AtClose, {}, t0));
        QVERIFY(!store.keep(QStringLiteral("welcome"), RecoveryReason::AtClose, {}, t0));
        QVERIFY(store.keep(QStringLiteral("mine"), RecoveryReason::Automatic, {}, t0));
        QVERIFY(store.keep(QStringLiteral("other"), RecoveryReason::Automatic, {}, t0.addSecs(1)));
        // The same text again: no second copy, but it becomes the newest, under the newer reason and time.
        QVERIFY(!store.keep(QStringLiteral("mine"), RecoveryReason::AtClose, {}, t0.addSecs(2)));
        const QList<RecoveryEntry> entries = store.entries();
        QCOMPARE(texts(entries), QStringList({"mine", "other"}));
        QCOMPARE(entries[0].reason, RecoveryReason::AtClose);
        QCOMPARE(entries[0].when, t0.addSecs(2));
    }

    void boundedByCountAndSizeKeepingTheNewest()
    {
        QTemporaryDir dir;
        RecoveryStore store(dir.path());
        const QDateTime t0(QDate(2026, 12, 10), QTime(9, 0));
        for (int i = 0; i < RecoveryStore::maximumEntries + 5; ++i)
            store.keep(QStringLiteral("text %1").arg(i), RecoveryReason::Automatic, {}, t0.addSecs(i));
        QList<RecoveryEntry> entries = store.entries();
        QCOMPARE(entries.size(), RecoveryStore::maximumEntries);
        QCOMPARE(RecoveryStore::text(entries[0]),
                 QStringLiteral("text %1").arg(RecoveryStore::maximumEntries + 4));

        const QString big(int(RecoveryStore::maximumBytes / 3), QLatin1Char('x'));
        for (int i = 0; i < 4; ++i)
            store.keep(big + QString::number(i), RecoveryReason::Automatic, {}, t0.addSecs(100 + i));
        entries = store.entries();
        qint64 bytes = 0;
        for (const RecoveryEntry &e : entries)
            bytes += e.size;
        QVERIFY(bytes <= RecoveryStore::maximumBytes);
        QVERIFY(RecoveryStore::text(entries[0]).endsWith(QLatin1Char('3')));
        // Older small texts still fit beside the two large ones that do.
        QVERIFY(RecoveryStore::text(entries.last()).startsWith(QLatin1String("text ")));

        // A text larger than the whole bound is still kept while it is the newest.
        const QString huge(int(RecoveryStore::maximumBytes) + 10, QLatin1Char('y'));
        QVERIFY(store.keep(huge, RecoveryReason::AtClose, {}, t0.addSecs(200)));
        QCOMPARE(store.entries().size(), 1);
        QCOMPARE(RecoveryStore::text(store.entries()[0]), huge);
    }

    // The clock may be set back, or repeat an hour when summer time ends: the order of keeping holds.
    void theClockDoesNotOrderTheTexts()
    {
        QTemporaryDir dir;
        RecoveryStore store(dir.path());
        const QDateTime t0(QDate(2026, 10, 25), QTime(3, 59));
        QStringList written;
        for (int i = 0; i < RecoveryStore::maximumEntries + 3; ++i) {
            written.prepend(QStringLiteral("text %1").arg(i));
            QVERIFY(store.keep(written.first(), RecoveryReason::Automatic, {}, t0.addSecs(-60 * i)));
        }
        QCOMPARE(texts(store.entries()), written.mid(0, RecoveryStore::maximumEntries));
    }

    // Texts dated in the future (an earlier version's, under a clock that was wrong) never push out new ones.
    void futureTextsDoNotPushOutNewOnes()
    {
        QTemporaryDir dir;
        RecoveryStore store(dir.path());
        const QDateTime future(QDate(2099, 1, 1), QTime(12, 0));
        for (int i = 0; i < RecoveryStore::maximumEntries; ++i)
            QVERIFY(
                !plantEarlierText(dir.path(), future.addSecs(i), "auto", "future " + QByteArray::number(i))
                     .isEmpty());
        for (int i = 0; i < 3; ++i) {
            const QString text = QStringLiteral("new %1").arg(i);
            QVERIFY(store.keep(text, RecoveryReason::Automatic));
            const QList<RecoveryEntry> entries = store.entries();
            QCOMPARE(entries.size(), RecoveryStore::maximumEntries);
            QCOMPARE(RecoveryStore::text(entries[0]), text);
        }
    }

    void aLargeFutureTextDoesNotPushOutOlderOnes()
    {
        QTemporaryDir dir;
        RecoveryStore store(dir.path());
        const QByteArray large(int(RecoveryStore::maximumBytes - 100), 'z');
        QVERIFY(!plantEarlierText(dir.path(), QDateTime(QDate(2099, 1, 1), QTime(12, 0)), "auto", large)
                     .isEmpty());
        QStringList older;
        for (int i = 0; i < 5; ++i) {
            older.prepend(QStringLiteral("older %1").arg(i));
            QVERIFY(!plantEarlierText(dir.path(), QDateTime(QDate(2020, 1, 1), QTime(12, i)), "close",
                                      older.first().toUtf8())
                         .isEmpty());
        }
        QVERIFY(
            store.keep(QStringLiteral("new text which is long enough to matter"), RecoveryReason::Automatic));
        const QStringList kept = texts(store.entries());
        QCOMPARE(kept.first(), QStringLiteral("new text which is long enough to matter"));
        for (const QString &text : older)
            QVERIFY2(kept.contains(text), qPrintable(text));
    }

    // Files a pupil already has from an earlier version are still listed, read and brought back.
    void readsTheTextsEarlierVersionsKept()
    {
        QTemporaryDir dir;
        const QDateTime then(QDate(2026, 12, 1), QTime(10, 30, 15, 250));
        QVERIFY(!plantEarlierText(dir.path(), then, "close", "<body><h1>Παλιό</h1>").isEmpty());
        RecoveryStore store(dir.path());
        QVERIFY(store.keep(QStringLiteral("new"), RecoveryReason::Automatic));
        const QList<RecoveryEntry> entries = store.entries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(RecoveryStore::text(entries[1]), QStringLiteral("<body><h1>Παλιό</h1>"));
        QCOMPARE(entries[1].reason, RecoveryReason::AtClose);
        QCOMPARE(entries[1].when, then);
        QCOMPARE(entries[1].caption, QStringLiteral("Παλιό"));
        // The same text kept again moves up, as one copy.
        QVERIFY(!store.keep(QStringLiteral("<body><h1>Παλιό</h1>"), RecoveryReason::BeforeRestore));
        QCOMPARE(texts(store.entries()), QStringList({"<body><h1>Παλιό</h1>", "new"}));
    }

    // Links planted in the folder are never written through, listed or read; nor is any file read past the
    // store's bound, and a FIFO never makes the store wait.
    void plantedFilesAreNeitherFollowedNorRead()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("recovery"));
        QVERIFY(QDir().mkpath(folder));
        const QString victim = dir.filePath(QStringLiteral("victim.txt"));
        QFile victimFile(victim);
        QVERIFY(victimFile.open(QIODevice::WriteOnly));
        victimFile.write("untouched");
        victimFile.close();
        const QString fifo = dir.filePath(QStringLiteral("fifo"));
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);

        const QString text = QStringLiteral("<P>mine</P>");
        const QDateTime when(QDate(2026, 12, 10), QTime(9, 0));
        const QByteArray hash =
            QCryptographicHash::hash(text.toUtf8(), QCryptographicHash::Sha256).toHex().left(32);
        const auto plantLink = [&](const QString &name, const QString &target) {
            return QFile::link(target, QDir(folder).filePath(name));
        };
        // Where the text would go by its time, and by the store's first numbers: links to a file, and to a
        // file that does not exist yet, which writing through the link would create.
        const QString created = dir.filePath(QStringLiteral("created.txt"));
        QVERIFY(plantLink(when.toString(QStringLiteral("yyyyMMdd'T'HHmmsszzz")) + "-auto-" + hash + ".html",
                          created));
        for (int order = 1; order <= 3; ++order)
            QVERIFY(plantLink(QString::number(order) + "-auto-" + hash + ".velmark", victim));
        QVERIFY(plantLink("4-auto-" + hash + ".velmark", created));
        // Links and a FIFO under the names of kept texts, dated in the future so that they come first.
        QVERIFY(plantLink("20990101T120000000-auto-" + QByteArray(32, 'a') + ".html", fifo));
        QVERIFY(plantLink("20990101T120000001-auto-" + QByteArray(32, 'b') + ".html",
                          QStringLiteral("/dev/zero")));
        QCOMPARE(::mkfifo(QFile::encodeName(QDir(folder).filePath("20990101T120000002-auto-" +
                                                                  QByteArray(32, 'c') + ".html"))
                              .constData(),
                          0600),
                 0);

        RecoveryStore store(folder);
        QVERIFY(store.keep(text, RecoveryReason::Automatic, {}, when));
        QVERIFY(victimFile.open(QIODevice::ReadOnly));
        QCOMPARE(victimFile.readAll(), QByteArray("untouched"));
        QVERIFY(!QFile::exists(created));

        // A regular file far larger than any text the store writes (sparse: it takes no room on disk).
        const QString sparse =
            QDir(folder).filePath("20990101T120000003-auto-" + QByteArray(32, 'd') + ".html");
        {
            QFile file(sparse);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(200 * 1024 * 1024));
        }

        const QList<RecoveryEntry> entries = store.entries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(RecoveryStore::text(entries[0]), text);
        QCOMPARE(entries[1].path, QFileInfo(sparse).absoluteFilePath());
        QVERIFY(RecoveryStore::text(entries[1]).size() <= RecoveryStore::maximumFileBytes);
        // Asked for directly, what is no regular file gives nothing, at once.
        for (const QString &name : QDir(folder).entryList(QDir::System | QDir::Files)) {
            if (!name.startsWith(QLatin1String("2099")) || name.endsWith(QByteArray(32, 'd') + ".html"))
                continue;
            RecoveryEntry planted;
            planted.path = QDir(folder).filePath(name);
            QCOMPARE(RecoveryStore::text(planted), QString());
        }
    }

    void readableByTheUserAlone()
    {
        QTemporaryDir dir;
        const QString folder = dir.filePath(QStringLiteral("a/b/recovery"));
        RecoveryStore store(folder);
        QVERIFY(store.keep(QStringLiteral("secret"), RecoveryReason::Automatic));
        const auto others = QFileDevice::ReadGroup | QFileDevice::ReadOther | QFileDevice::WriteGroup |
                            QFileDevice::WriteOther | QFileDevice::ExeGroup | QFileDevice::ExeOther;
        QCOMPARE(QFileInfo(folder).permissions() & others, QFileDevice::Permissions());
        const RecoveryEntry entry = store.entries().value(0);
        QCOMPARE(QFileInfo(entry.path).permissions() & others, QFileDevice::Permissions());
        // Nothing but the kept file is left in the folder (no temporary file).
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden).size(), 1);

        // A file a power cut left half written goes at the next keeping; one being written now stays.
        QFile abandoned(QDir(folder).filePath(QStringLiteral(".keeping-AbCdEf")));
        QFile writing(QDir(folder).filePath(QStringLiteral(".keeping-GhIjKl")));
        for (QFile *file : {&abandoned, &writing})
            QVERIFY(file->open(QIODevice::WriteOnly));
        QVERIFY(abandoned.setFileTime(QDateTime::currentDateTime().addDays(-1),
                                      QFileDevice::FileModificationTime));
        abandoned.close();
        writing.close();
        QVERIFY(store.keep(QStringLiteral("later"), RecoveryReason::Automatic));
        QVERIFY(!abandoned.exists());
        QVERIFY(writing.exists());
    }

    void aFolderThatCannotBeWrittenIsNoError()
    {
        QTemporaryDir dir;
        // A file stands where the folder should be (root may write anywhere else).
        QFile blocker(dir.filePath(QStringLiteral("recovery")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        RecoveryStore store(blocker.fileName() + QStringLiteral("/inside"));
        QVERIFY(!store.keep(QStringLiteral("text"), RecoveryReason::AtClose));
        QVERIFY(store.entries().isEmpty());
        QVERIFY(!store.unsavedToAnnounce());
    }

    // The newest text is announced once, and only when it was never saved.
    void announcesTheNewestUnsavedTextOnce()
    {
        QTemporaryDir dir;
        RecoveryStore store(dir.path());
        QVERIFY(!plantEarlierText(dir.path(), QDateTime(QDate(2099, 1, 1), QTime(12, 0)), "close", "earlier")
                     .isEmpty());
        // Texts earlier versions kept say nothing of being saved.
        QVERIFY(!store.unsavedToAnnounce());

        QVERIFY(store.keep(QStringLiteral("<h1>Άγραφο</h1>"), RecoveryReason::AtClose));
        std::optional<RecoveryEntry> unsaved = store.unsavedToAnnounce();
        QVERIFY(unsaved);
        QCOMPARE(unsaved->caption, QStringLiteral("Άγραφο"));
        QVERIFY(unsavedTextNotice(*unsaved).contains(QStringLiteral("«Άγραφο»")));
        store.markAnnounced(*unsaved);
        QVERIFY(!store.unsavedToAnnounce());

        const RecoveryOrigin saved{QStringLiteral("/home/p/a.html"), QStringLiteral("/home/p"), true};
        QVERIFY(store.keep(QStringLiteral("saved text"), RecoveryReason::AtClose, saved));
        QVERIFY(!store.unsavedToAnnounce());

        // Even with every text gone, a new text is newer than the one announced.
        QVERIFY(store.keep(QStringLiteral("again"), RecoveryReason::Automatic));
        unsaved = store.unsavedToAnnounce();
        QVERIFY(unsaved);
        store.markAnnounced(*unsaved);
        for (const RecoveryEntry &entry : store.entries())
            QVERIFY(QFile::remove(entry.path));
        QVERIFY(store.keep(QStringLiteral("after emptying"), RecoveryReason::Automatic));
        QVERIFY(store.unsavedToAnnounce());
    }

    void keeperSnapshotsAChangedTextAndSkipsWebMarkup()
    {
        qputenv("VELMARK_RECOVERY_SNAPSHOT_MS", "50");
        QTemporaryDir dir;
        RecoveryStore store(dir.path());
        QString current = QStringLiteral("<P>typed</P>");
        RecoveryKeeper keeper(
            &store, [&current] { return current; }, nullptr);
        keeper.textChanged();
        QTRY_COMPARE(store.entries().size(), 1);
        QCOMPARE(store.entries()[0].reason, RecoveryReason::Automatic);

        // A browsed page's markup in the pane is not the pupil's work.
        current = QStringLiteral("<DIV>web</DIV>");
        keeper.webPageShown(current);
        keeper.keepCurrent(RecoveryReason::BeforeWebPage);
        keeper.textChanged();
        current = QStringLiteral("<P>typed again</P>");
        keeper.keepCurrent(RecoveryReason::BeforeTemplate);
        const QList<RecoveryEntry> entries = store.entries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(RecoveryStore::text(entries[0]), current);
        qunsetenv("VELMARK_RECOVERY_SNAPSHOT_MS");
    }

    // Each text is kept with the file it came from, whether it still is that file's text, and the folder.
    void keeperKeepsWhereTheTextCameFrom()
    {
        QTemporaryDir dir;
        RecoveryStore store(dir.filePath(QStringLiteral("recovery")));
        EditingSession session;
        QString current = QStringLiteral("<P>from the file</P>");
        RecoveryKeeper keeper(
            &store, [&current] { return current; }, &session);
        const QString file = dir.filePath(QStringLiteral("site/page.html"));
        session.rememberFile(file);
        keeper.textMatchesFile();

        keeper.keepCurrent(RecoveryReason::AtClose);
        RecoveryEntry newest = store.entries().value(0);
        QCOMPARE(newest.origin.file, file);
        QCOMPARE(newest.origin.folder, dir.filePath(QStringLiteral("site")));
        QVERIFY(newest.origin.saved);
        QCOMPARE(newest.caption, QStringLiteral("page.html"));

        current += QStringLiteral("<P>changed</P>");
        keeper.keepCurrent(RecoveryReason::BeforeTemplate);
        newest = store.entries().value(0);
        QCOMPARE(newest.origin.file, file);
        QVERIFY(!newest.origin.saved);

        // The template's text comes from no file, but lives in the same folder.
        session.forgetDocumentFile();
        current = QStringLiteral("<H1>Πρότυπο</H1>");
        keeper.keepCurrent(RecoveryReason::AtClose);
        newest = store.entries().value(0);
        QCOMPARE(newest.origin.file, QString());
        QCOMPARE(newest.origin.folder, dir.filePath(QStringLiteral("site")));
        QCOMPARE(newest.caption, QStringLiteral("Πρότυπο"));
    }
};

QTEST_GUILESS_MAIN(RecoveryStoreTest)
#include "tst_recoverystore.moc"
