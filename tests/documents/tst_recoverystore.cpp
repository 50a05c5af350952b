// The store of the pupil's recent texts: what is kept, in which order, how much, and how safely.
#include "documents/core/recoverykeeper.h"
#include "documents/core/recoverystore.h"

#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

class RecoveryStoreTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsTextsNewestFirstWithWhyAndWhat()
    {
        QTemporaryDir dir;
        RecoveryStore store(dir.filePath(QStringLiteral("recovery")));
        const QDateTime t0(QDate(2026, 12, 10), QTime(9, 0));
        QVERIFY(
            store.keep(QStringLiteral("<title>Ρόδος</title><h1>x</h1>"), RecoveryReason::BeforeTemplate, t0));
        QVERIFY(
            store.keep(QStringLiteral("<H2>Κεφάλαιο <b>1</b></H2>"), RecoveryReason::AtClose, t0.addSecs(5)));
        QVERIFY(store.keep(QStringLiteral("plain"), RecoveryReason::Automatic, t0.addSecs(10)));

        const QList<RecoveryEntry> entries = store.entries();
        QCOMPARE(entries.size(), 3);
        QCOMPARE(entries[0].reason, RecoveryReason::Automatic);
        QCOMPARE(entries[0].title, QString());
        QCOMPARE(entries[1].reason, RecoveryReason::AtClose);
        QCOMPARE(entries[1].title, QStringLiteral("Κεφάλαιο 1"));
        QCOMPARE(entries[1].when, t0.addSecs(5));
        QCOMPARE(entries[2].title, QStringLiteral("Ρόδος"));
        QCOMPARE(entries[2].size, QStringLiteral("<title>Ρόδος</title><h1>x</h1>").toUtf8().size());
        QCOMPARE(RecoveryStore::text(entries[1]), QStringLiteral("<H2>Κεφάλαιο <b>1</b></H2>"));
    }

    void eachTextOnceAndNeverTheWorthless()
    {
        QTemporaryDir dir;
        RecoveryStore store(dir.path());
        store.ignoreText(QStringLiteral("welcome"));
        const QDateTime t0(QDate(2026, 12, 10), QTime(9, 0));
        QVERIFY(!store.keep(QString(), RecoveryReason::AtClose, t0));
        QVERIFY(!store.keep(QStringLiteral(" \r\n "), RecoveryReason::AtClose, t0));
        QVERIFY(!store.keep(QStringLiteral("welcome"), RecoveryReason::AtClose, t0));
        QVERIFY(store.keep(QStringLiteral("mine"), RecoveryReason::Automatic, t0));
        QVERIFY(store.keep(QStringLiteral("other"), RecoveryReason::Automatic, t0.addSecs(1)));
        // The same text again: no second copy, but it becomes the newest, under the newer reason.
        QVERIFY(!store.keep(QStringLiteral("mine"), RecoveryReason::AtClose, t0.addSecs(2)));
        const QList<RecoveryEntry> entries = store.entries();
        QCOMPARE(entries.size(), 2);
        QCOMPARE(RecoveryStore::text(entries[0]), QStringLiteral("mine"));
        QCOMPARE(entries[0].reason, RecoveryReason::AtClose);
    }

    void boundedByCountAndSizeKeepingTheNewest()
    {
        QTemporaryDir dir;
        RecoveryStore store(dir.path());
        const QDateTime t0(QDate(2026, 12, 10), QTime(9, 0));
        for (int i = 0; i < RecoveryStore::maximumEntries + 5; ++i)
            store.keep(QStringLiteral("text %1").arg(i), RecoveryReason::Automatic, t0.addSecs(i));
        QList<RecoveryEntry> entries = store.entries();
        QCOMPARE(entries.size(), RecoveryStore::maximumEntries);
        QCOMPARE(RecoveryStore::text(entries[0]),
                 QStringLiteral("text %1").arg(RecoveryStore::maximumEntries + 4));

        const QString big(int(RecoveryStore::maximumBytes / 3), QLatin1Char('x'));
        for (int i = 0; i < 4; ++i)
            store.keep(big + QString::number(i), RecoveryReason::Automatic, t0.addSecs(100 + i));
        entries = store.entries();
        qint64 bytes = 0;
        for (const RecoveryEntry &e : entries)
            bytes += e.size;
        QVERIFY(bytes <= RecoveryStore::maximumBytes);
        QVERIFY(RecoveryStore::text(entries[0]).endsWith(QLatin1Char('3')));

        // A text larger than the whole bound is still kept while it is the newest.
        const QString huge(int(RecoveryStore::maximumBytes) + 10, QLatin1Char('y'));
        QVERIFY(store.keep(huge, RecoveryReason::AtClose, t0.addSecs(200)));
        QCOMPARE(store.entries().size(), 1);
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
    }

    void keeperSnapshotsAChangedTextAndSkipsWebMarkup()
    {
        qputenv("VELMARK_RECOVERY_SNAPSHOT_MS", "50");
        QTemporaryDir dir;
        RecoveryStore store(dir.path());
        QString current = QStringLiteral("<P>typed</P>");
        RecoveryKeeper keeper(&store, [&current] { return current; });
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
};

QTEST_GUILESS_MAIN(RecoveryStoreTest)
#include "tst_recoverystore.moc"
