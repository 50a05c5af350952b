// The command line: --help, --version, Qt's own options left to Qt, and usage errors with exit status 2;
// checked on the rules and on the built program.
#include "app/core/commandline.h"
#include "core/programversion.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>

namespace {

// Whether the program has run through its start-up, read from /proc: the web engine's display compositor
// thread is running, which the engine starts once it has settled on a graphics backend (the last thing it
// may speak of), and the main thread is asleep, waiting for input in the event loop.
bool startUpDone(qint64 pid)
{
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    bool compositor = false;
    for (const QString &task : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile name(tasks.filePath(task + QStringLiteral("/comm")));
        if (name.open(QIODevice::ReadOnly) && name.readAll().startsWith("VizCompositor"))
            compositor = true;
    }
    QFile mainThread(tasks.filePath(QStringLiteral("%1/stat").arg(pid)));
    if (!compositor || !mainThread.open(QIODevice::ReadOnly))
        return false;
    // "pid (name) state ...": the state follows the name's closing parenthesis.
    const QByteArray stat = mainThread.readAll();
    return stat.mid(stat.lastIndexOf(')') + 2, 1) == "S";
}

} // namespace

class CommandLineTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void outcomes_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<bool>("start");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("output");
        QTest::addColumn<QString>("error");
        const QString version = "Velmark Html Editor - Browser " + programVersion() + "\n";
        QTest::newRow("no arguments") << QStringList{} << true << 0 << QString() << QString();
        QTest::newRow("--version") << QStringList{"--version"} << false << 0 << version << QString();
        QTest::newRow("-v") << QStringList{"-v"} << false << 0 << version << QString();
        QTest::newRow("--help") << QStringList{"--help"} << false << 0 << usageText() << QString();
        QTest::newRow("-h after a Qt option")
            << QStringList{"-style", "fusion", "-h"} << false << 0 << usageText() << QString();
        QTest::newRow("Qt options") << QStringList{"-platform", "offscreen", "--style=fusion", "-reverse"}
                                    << true << 0 << QString() << QString();
        QTest::newRow("web engine arguments")
            << QStringList{"--webEngineArgs", "--remote-debugging-port=9222"} << true << 0 << QString()
            << QString();
        QTest::newRow("unknown option") << QStringList{"--frobnicate"} << false << 2 << QString()
                                        << "velmark: άγνωστη επιλογή «--frobnicate»\n"
                                           "velmark: unknown option '--frobnicate'\n"
                                           "Δείτε / See: velmark --help\n";
        QTest::newRow("a Qt option's value is not an option")
            << QStringList{"-style", "--help-me"} << true << 0 << QString() << QString();
        QTest::newRow("missing value") << QStringList{"-platform"} << false << 2 << QString()
                                       << "velmark: η επιλογή «-platform» θέλει μια τιμή\n"
                                          "velmark: option '-platform' needs a value\n"
                                          "Δείτε / See: velmark --help\n";
        QTest::newRow("a file name") << QStringList{"page.html"} << false << 2 << QString()
                                     << "velmark: το πρόγραμμα δεν δέχεται ορίσματα: «page.html»\n"
                                        "velmark: the program takes no arguments: 'page.html'\n"
                                        "Δείτε / See: velmark --help\n";
    }

    void outcomes()
    {
        QFETCH(QStringList, arguments);
        QFETCH(bool, start);
        QFETCH(int, exitCode);
        QFETCH(QString, output);
        QFETCH(QString, error);
        const CommandLineOutcome outcome = readCommandLine(QStringList{"velmark"} + arguments);
        QCOMPARE(outcome.start, start);
        QCOMPARE(outcome.exitCode, exitCode);
        QCOMPARE(outcome.standardOutput, output);
        QCOMPARE(outcome.standardError, error);
    }

    void usageSpeaksGreekAndEnglish()
    {
        const QString usage = usageText();
        QVERIFY(usage.startsWith("Χρήση: velmark"));
        QVERIFY(usage.contains("Usage: velmark"));
        QVERIFY(usage.contains("--version"));
    }

    // The built program answers without a display and without opening a window.
    void builtProgram_data()
    {
        QTest::addColumn<QString>("argument");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("stdoutStart");
        QTest::addColumn<QString>("stderrStart");
        QTest::newRow("--version") << "--version" << 0 << "Velmark Html Editor - Browser " + programVersion()
                                   << QString();
        QTest::newRow("--help") << "--help" << 0 << "Χρήση: velmark" << QString();
        QTest::newRow("unknown") << "--nonsense" << 2 << QString() << "velmark: άγνωστη επιλογή";
    }

    void builtProgram()
    {
        QFETCH(QString, argument);
        QFETCH(int, exitCode);
        QFETCH(QString, stdoutStart);
        QFETCH(QString, stderrStart);
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("DISPLAY");
        environment.remove("WAYLAND_DISPLAY");
        environment.remove("QT_QPA_PLATFORM");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VELMARK_PROGRAM), {argument});
        QVERIFY(program.waitForFinished(10000));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), exitCode);
        const QString out = QString::fromUtf8(program.readAllStandardOutput());
        const QString err = QString::fromUtf8(program.readAllStandardError());
        QVERIFY2(stdoutStart.isEmpty() ? out.isEmpty() : out.startsWith(stdoutStart), qPrintable(out));
        QVERIFY2(stderrStart.isEmpty() ? err.isEmpty() : err.startsWith(stderrStart), qPrintable(err));
    }

    // Started from a terminal without a runtime folder, the program says nothing but the sandbox notice when
    // run as root, from its start until it waits for the user. The offscreen platform has no OpenGL, which
    // the web engine reports as the real error it is.
    void terminalStaysQuiet()
    {
        QTemporaryDir temporary;
        QVERIFY(temporary.isValid());
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove("XDG_RUNTIME_DIR");
        environment.remove("QTWEBENGINE_DISABLE_SANDBOX");
        environment.insert("TMPDIR", temporary.path());
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VELMARK_PROGRAM), {});
        QVERIFY(program.waitForStarted());
        QVERIFY2(QTest::qWaitFor([&] { return startUpDone(program.processId()); }, 30000),
                 "the program did not finish starting");
        QCOMPARE(program.state(), QProcess::Running);
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        const QStringList allowed{
            "velmark: running as root, so the web view's sandbox is turned off.",
            "WebEngineContext used before QtWebEngineCore::initialize() or OpenGL context "
            "creation failed.",
            "No suitable graphics backend found"};
        const QStringList lines =
            QString::fromUtf8(program.readAllStandardError()).split('\n', Qt::SkipEmptyParts);
        for (const QString &line : lines)
            QVERIFY2(allowed.contains(line), qPrintable(line));
    }

    // Settings that would weaken the web view's sandbox or open it to another program, in the environment or
    // after --webEngineArgs, are refused however they are spelled, and the program names them once; no
    // debugging port listens. "%port" stands for a port that was free a moment before.
    void engineSettingsAreRefusedAndNamed_data()
    {
        QTest::addColumn<QString>("variable");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("refused");
        QTest::addColumn<bool>("probePort");
        QTest::newRow("sandbox flags")
            << "QTWEBENGINE_CHROMIUM_FLAGS"
            << "--disable-gpu -no-sandbox --Single-Process" << QStringList{"--webEngineArgs", "--no-zygote=1"}
            << ": -no-sandbox, --Single-Process, --no-zygote=1" << false;
        QTest::newRow("debugging port variable")
            << "QTWEBENGINE_REMOTE_DEBUGGING"
            << "%port" << QStringList() << ": QTWEBENGINE_REMOTE_DEBUGGING=%port" << true;
        // The engine reads what follows --webEngineArgs only while QTWEBENGINE_CHROMIUM_FLAGS is not set.
        QTest::newRow("debugging port argument")
            << QString() << QString() << QStringList{"--webEngineArgs", "--Remote-Debugging-Port=%port"}
            << ": --Remote-Debugging-Port=%port" << true;
        QTest::newRow("one process for all sites and a debugging port")
            << "QTWEBENGINE_CHROMIUM_FLAGS"
            << "--disable-gpu --disable-features=IsolateOrigins,site-per-process "
               "--remote-debugging-port=%port"
            << QStringList()
            << ": --disable-features=IsolateOrigins,site-per-process, --remote-debugging-port=%port" << true;
    }

    void engineSettingsAreRefusedAndNamed()
    {
        QFETCH(QString, variable);
        QFETCH(QString, value);
        QFETCH(QStringList, arguments);
        QFETCH(QString, refused);
        QFETCH(bool, probePort);
        QTcpServer portFinder;
        QVERIFY(portFinder.listen(QHostAddress::LocalHost));
        const QString port = QString::number(portFinder.serverPort());
        portFinder.close();
        value.replace("%port", port);
        arguments.replaceInStrings("%port", port);
        refused.replace("%port", port);

        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "offscreen");
        environment.remove("QTWEBENGINE_CHROMIUM_FLAGS");
        if (!variable.isEmpty())
            environment.insert(variable, value);
        program.setProcessEnvironment(environment);
        program.start(QStringLiteral(VELMARK_PROGRAM), arguments);
        QVERIFY(program.waitForStarted());
        QString err;
        QTRY_VERIFY_WITH_TIMEOUT(
            (err += QString::fromUtf8(program.readAllStandardError())).count(refused) == 2, 10000);
        if (probePort) {
            QVERIFY2(QTest::qWaitFor([&] { return startUpDone(program.processId()); }, 30000),
                     "the program did not finish starting");
            QTcpSocket probe;
            probe.connectToHost(QHostAddress::LocalHost, quint16(port.toUInt()));
            QVERIFY2(!probe.waitForConnected(3000), "a debugging port listens");
        }
        program.terminate();
        QVERIFY(program.waitForFinished(10000));
        err += QString::fromUtf8(program.readAllStandardError());
        QCOMPARE(err.count(refused), 2);
        QVERIFY2(err.contains(QStringLiteral("velmark: αγνοήθηκαν ρυθμίσεις") + ' '), qPrintable(err));
        QVERIFY2(err.contains(QStringLiteral("velmark: ignored settings")), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(CommandLineTest)

#include "tst_commandline.moc"
