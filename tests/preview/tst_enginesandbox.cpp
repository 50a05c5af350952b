// How the web engine's sandbox is settled at start: off only as root, and no flag that would weaken it gets
// through the environment or the command line, however it is spelled.
#include "core/engineflags.h"
#include "preview/core/enginesandbox.h"

#include <QByteArrayList>
#include <QTest>

#include <vector>

namespace {

// A writable argv built from the arguments, as main receives it.
struct Arguments
{
    explicit Arguments(const QByteArrayList &arguments) : bytes(arguments)
    {
        for (QByteArray &argument : bytes)
            pointers.push_back(argument.data());
        pointers.push_back(nullptr);
        count = int(bytes.size());
    }
    QByteArrayList remaining() const
    {
        QByteArrayList list;
        for (int i = 0; i < count; ++i)
            list.append(pointers[i]);
        return list;
    }
    QByteArrayList bytes;
    std::vector<char *> pointers;
    int count = 0;
};

} // namespace

class TestEngineSandbox : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void weakeningFlags_data();
    void weakeningFlags();
    void environmentFlagsLoseWhatWeakens_data();
    void environmentFlagsLoseWhatWeakens();
    void engineArgumentsLoseWhatWeakens();
    void disablingVariableOnlyAsRoot();
    void variablesThatOpenTheEngine_data();
    void variablesThatOpenTheEngine();
    void noticeNamesWhatWasRefused();
    void addedFlagsKeepTheUsersFlags_data();
    void addedFlagsKeepTheUsersFlags();
};

void TestEngineSandbox::init()
{
    qunsetenv("QTWEBENGINE_DISABLE_SANDBOX");
    qunsetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    qunsetenv("QTWEBENGINE_REMOTE_DEBUGGING");
    qunsetenv("QTWEBENGINEPROCESS_PATH");
}

void TestEngineSandbox::weakeningFlags_data()
{
    QTest::addColumn<QString>("flag");
    QTest::addColumn<bool>("weakens");

    const auto row = [](const char *flag, bool weakens) {
        QTest::addRow("%s", flag) << QString::fromLatin1(flag) << weakens;
    };
    row("--no-sandbox", true);
    row("-no-sandbox", true);
    row("---no-sandbox", true);
    row("--No-Sandbox", true);
    row("--no-sandbox=0", true);
    row(" \t--no-sandbox\n", true);
    row("--single-process", true);
    row("-SINGLE-PROCESS=true", true);
    row("--no-zygote", true);
    row("--in-process-gpu", true);
    row("--disable-seccomp-filter-sandbox", true);
    row("--disable-setuid-sandbox", true);
    row("--disable-namespace-sandbox", true);
    row("--disable-gpu-sandbox", true);
    row("--renderer-cmd-prefix=xterm -e gdb --args", true);
    row("--disable-web-security", true);
    row("--allow-file-access-from-files", true);
    // A debugging port or pipe lets another program drive the pages.
    row("--remote-debugging-port=9222", true);
    row("-Remote-Debugging-Port=0", true);
    row("--remote-debugging-pipe", true);
    // Turning off the features that put each site into a process of its own.
    row("--disable-features=IsolateOrigins,site-per-process", true);
    row("--disable-features=site-per-process", true);
    row("--DISABLE-FEATURES=TranslateUI,SitePerProcess", true);
    row("--disable-features=isolate_origins", true);
    row("--disable-features=IsolateOrigins<Trial.Group:a/b", true);
    row("--disable-features=TranslateUI,BackForwardCache", false);
    row("--enable-features=IsolateOrigins", false);
    // Flags that leave the sandbox as it is, and words that are no flags.
    row("--disable-gpu", false);
    row("--lang=el", false);
    row("--log-level=3", false);
    row("--renderer-process-limit=1", false);
    row("--no-sandboxes", false);
    row("--sandbox", false);
    row("no-sandbox", false);
    row("--", false);
    row("", false);
}

void TestEngineSandbox::weakeningFlags()
{
    QFETCH(QString, flag);
    QFETCH(bool, weakens);
    QCOMPARE(weakensEngineSandbox(flag), weakens);
}

void TestEngineSandbox::environmentFlagsLoseWhatWeakens_data()
{
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<QByteArray>("kept");
    QTest::addColumn<QStringList>("refused");

    QTest::newRow("mixed with ordinary flags")
        << QByteArray("--disable-gpu -no-sandbox  --single-process --lang=el --NO-ZYGOTE")
        << QByteArray("--disable-gpu --lang=el")
        << QStringList{"-no-sandbox", "--single-process", "--NO-ZYGOTE"};
    // The engine drops double quotes and keeps the spaces between them inside one flag.
    QTest::newRow("quoted") << QByteArray("\"--no-sandbox\" --no-\"sandbox\" \"--user-agent=a b\"")
                            << QByteArray("\"--user-agent=a b\"")
                            << QStringList{"--no-sandbox", "--no-sandbox"};
    QTest::newRow("a tab does not part flags for the engine")
        << QByteArray("\t--no-sandbox") << QByteArray() << QStringList{"\t--no-sandbox"};
    QTest::newRow("debugging and one process for all sites")
        << QByteArray("--remote-debugging-port=9222 \"--disable-features=IsolateOrigins,site-per-process\" "
                      "--disable-features=TranslateUI")
        << QByteArray("--disable-features=TranslateUI")
        << QStringList{"--remote-debugging-port=9222", "--disable-features=IsolateOrigins,site-per-process"};
    QTest::newRow("nothing to refuse")
        << QByteArray("--disable-gpu --disable-background-networking")
        << QByteArray("--disable-gpu --disable-background-networking") << QStringList();
}

void TestEngineSandbox::environmentFlagsLoseWhatWeakens()
{
    QFETCH(QByteArray, flags);
    QFETCH(QByteArray, kept);
    QFETCH(QStringList, refused);
    Arguments arguments({"velmark"});
    // As root the sandbox is off anyway, but the rules of origins still hold: the same flags go.
    for (const bool root : {false, true}) {
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags);
        const EngineSandboxSettlement settlement =
            prepareEngineSandbox(root, arguments.count, arguments.pointers.data());
        QCOMPARE(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), kept);
        QCOMPARE(settlement.refused, refused);
    }
}

void TestEngineSandbox::engineArgumentsLoseWhatWeakens()
{
    // Only what follows --webEngineArgs goes to the engine; Qt's own options before it keep their values.
    Arguments arguments({"velmark", "-style", "--no-sandbox", "--webEngineArgs", "--no-sandbox", "--lang=el",
                         "-Single-Process=1", "--in-process-gpu", "--remote-debugging-pipe",
                         "--Disable-Features=site-per-process"});
    const EngineSandboxSettlement settlement =
        prepareEngineSandbox(false, arguments.count, arguments.pointers.data());
    QCOMPARE(arguments.remaining(),
             QByteArrayList({"velmark", "-style", "--no-sandbox", "--webEngineArgs", "--lang=el"}));
    QCOMPARE(arguments.pointers[arguments.count], nullptr);
    QCOMPARE(settlement.refused,
             QStringList({"--no-sandbox", "-Single-Process=1", "--in-process-gpu", "--remote-debugging-pipe",
                          "--Disable-Features=site-per-process"}));
}

void TestEngineSandbox::disablingVariableOnlyAsRoot()
{
    Arguments arguments({"velmark"});
    qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    EngineSandboxSettlement settlement =
        prepareEngineSandbox(false, arguments.count, arguments.pointers.data());
    QVERIFY(!qEnvironmentVariableIsSet("QTWEBENGINE_DISABLE_SANDBOX"));
    QVERIFY(!settlement.turnedOffAsRoot);
    QCOMPARE(settlement.refused, QStringList{"QTWEBENGINE_DISABLE_SANDBOX=1"});

    settlement = prepareEngineSandbox(true, arguments.count, arguments.pointers.data());
    QCOMPARE(qgetenv("QTWEBENGINE_DISABLE_SANDBOX"), QByteArray("1"));
    QVERIFY(settlement.turnedOffAsRoot);
    QVERIFY(settlement.refused.isEmpty());
    // Already turned off by whoever started the program: nothing more to tell.
    settlement = prepareEngineSandbox(true, arguments.count, arguments.pointers.data());
    QVERIFY(!settlement.turnedOffAsRoot);
    QCOMPARE(engineSandboxNotice(settlement), QString());
}

// Variables the engine reads that would hand the pages to another program: removed and named.
void TestEngineSandbox::variablesThatOpenTheEngine_data()
{
    QTest::addColumn<QByteArray>("variable");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("root");
    QTest::addColumn<bool>("refused");

    QTest::newRow("debugging port") << QByteArray("QTWEBENGINE_REMOTE_DEBUGGING") << QByteArray("9222")
                                    << false << true;
    QTest::newRow("debugging port as root")
        << QByteArray("QTWEBENGINE_REMOTE_DEBUGGING") << QByteArray("0.0.0.0:9222") << true << true;
    QTest::newRow("debugging port left empty")
        << QByteArray("QTWEBENGINE_REMOTE_DEBUGGING") << QByteArray() << false << true;
    QTest::newRow("another process program")
        << QByteArray("QTWEBENGINEPROCESS_PATH") << QByteArray("/tmp/evil") << false << true;
    // Root may point the engine at an installation of its own.
    QTest::newRow("another process program as root")
        << QByteArray("QTWEBENGINEPROCESS_PATH") << QByteArray("/opt/qt/QtWebEngineProcess") << true << false;
}

void TestEngineSandbox::variablesThatOpenTheEngine()
{
    QFETCH(QByteArray, variable);
    QFETCH(QByteArray, value);
    QFETCH(bool, root);
    QFETCH(bool, refused);
    Arguments arguments({"velmark"});
    qputenv(variable.constData(), value);
    const EngineSandboxSettlement settlement =
        prepareEngineSandbox(root, arguments.count, arguments.pointers.data());
    QCOMPARE(qEnvironmentVariableIsSet(variable.constData()), !refused);
    QCOMPARE(settlement.refused,
             refused ? QStringList{QString::fromLatin1(variable + '=' + value)} : QStringList());
    QCOMPARE(engineSandboxNotice(settlement).contains(QString::fromLatin1(variable)), refused);
}

void TestEngineSandbox::noticeNamesWhatWasRefused()
{
    EngineSandboxSettlement settlement;
    settlement.turnedOffAsRoot = true;
    QCOMPARE(engineSandboxNotice(settlement),
             QStringLiteral("velmark: running as root, so the web view's sandbox is turned off.\n"));
    settlement.turnedOffAsRoot = false;
    settlement.refused = QStringList{"-no-sandbox", "--single-process"};
    const QStringList lines = engineSandboxNotice(settlement).split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 2);
    QVERIFY2(lines[0].contains(QStringLiteral("αγνοήθηκαν")), qPrintable(lines[0]));
    QVERIFY2(lines[1].contains(QStringLiteral("ignored")), qPrintable(lines[1]));
    for (const QString &line : lines)
        QVERIFY2(line.endsWith(QStringLiteral(": -no-sandbox, --single-process")), qPrintable(line));
}

QTEST_GUILESS_MAIN(TestEngineSandbox)

// The program's own flags join the user's without splitting a quoted one or overriding one of the same name.
void TestEngineSandbox::addedFlagsKeepTheUsersFlags_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("added");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("none yet") << QByteArray() << QByteArray("--lang=el") << QByteArray("--lang=el");
    QTest::newRow("the user's quoted flag") << QByteArray("--user-agent=\"A B\"") << QByteArray("--lang=el")
                                            << QByteArray("\"--user-agent=A B\" --lang=el");
    QTest::newRow("the user chose already")
        << QByteArray("--lang=de --log-level=0") << QByteArray("--lang=el")
        << QByteArray("--lang=de --log-level=0");
}

void TestEngineSandbox::addedFlagsKeepTheUsersFlags()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, added);
    QFETCH(QByteArray, after);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", before);
    addEngineFlag(added);
    QCOMPARE(qgetenv("QTWEBENGINE_CHROMIUM_FLAGS"), after);
}

#include "tst_enginesandbox.moc"
