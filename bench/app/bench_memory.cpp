// Memory over a lesson: the proportional set size of the program (its own process, and with every web engine
// process) before and after 500 refreshes of a 300-paragraph page in the main window, each waited for until
// the preview has painted, once without accessibility and once with it active as a screen reader makes it.
//
// The benchmark launches itself once per mode as a child that sets up the program's windows as the program
// does; each child reports its figures on its standard output.
#include "app/applicationsetup.h"
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "editor/codepane.h"
#include "editor/refreshcycle.h"
#include "preview/previewpane.h"
#include "processmemory.h"
#include "testenvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTest>

#include <cstdio>
#include <unistd.h>

namespace {

const char *childFlag = "--child";
constexpr int refreshes = 500;

QString paragraphsPage(int paragraphs)
{
    QString page = QStringLiteral("<HTML>\n<HEAD><TITLE>Μάθημα</TITLE></HEAD>\n<BODY>\n");
    for (int i = 1; i <= paragraphs; ++i)
        page += QStringLiteral("<P>Παράγραφος %1 με <B>έντονα</B> και <A href=\"#p%1\">σύνδεσμο</A>.</P>\n")
                    .arg(i);
    return page + QStringLiteral("</BODY>\n</HTML>\n");
}

// Reads the accessibility tree under a node as a screen reader does when a page has loaded: every node with
// its name; the number of nodes read.
int readTree(QAccessibleInterface *node, int depth = 0)
{
    if (!node || depth > 60)
        return 0;
    node->text(QAccessible::Name);
    int read = 1;
    for (int i = 0; i < node->childCount(); ++i)
        read += readTree(node->child(i), depth + 1);
    return read;
}

// Runs one refresh and waits until the preview has painted its document; false on a time-out. With a screen
// reader, the new page is then read until a hundred of its nodes are there.
bool refreshAndWait(RefreshCycle *refresh, PreviewPane *preview, bool screenReader)
{
    QSignalSpy painted(preview, &PreviewPane::documentPainted);
    refresh->refreshWithoutInsertion();
    if (!painted.wait(20000) && painted.isEmpty())
        return false;
    if (screenReader) {
        QElapsedTimer clock;
        clock.start();
        int read = 0;
        while ((read = readTree(QAccessible::queryAccessibleInterface(preview))) < 100 &&
               clock.elapsed() < 5000)
            QTest::qWait(20);
        if (qEnvironmentVariableIsSet("VELMARK_BENCH_TRACE"))
            std::fprintf(stderr, "read %d nodes\n", read);
    }
    return true;
}

int child(int argc, char *argv[], const QByteArray &mode)
{
    prepareTestEnvironment();
    const bool screenReader = mode == "screen reader";
    if (screenReader) // as when a screen reader runs: the accessibility bridge is asked for
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
    registerPreviewScheme();
    QApplication app(argc, argv);
    setUpApplication(app);
    if (mode == "active" || screenReader)
        QAccessible::setActive(true);
    ProgramWindows windows;
    MainWindow *form = windows.mainWindow();
    form->show();
    if (!QTest::qWaitForWindowExposed(form))
        return 1;
    auto *code = form->findChild<CodePane *>(QStringLiteral("RichEdit1"));
    auto *preview = form->findChild<PreviewPane *>(QStringLiteral("webbrowser1"));
    auto *refresh = form->findChild<RefreshCycle *>();
    if (!code || !preview || !refresh)
        return 1;
    code->setDocumentText(paragraphsPage(300));
    // The first refreshes start the renderers and fill the caches.
    for (int i = 0; i < 10; ++i)
        if (!refreshAndWait(refresh, preview, screenReader))
            return 1;
    QTest::qWait(1000);
    const qint64 ownBefore = processPssKilobytes(QCoreApplication::applicationPid());
    const qint64 treeBefore = processTreePssKilobytes(getpid());
    const qlonglong objectsBefore = form->findChildren<QObject *>().size();
    QElapsedTimer clock;
    clock.start();
    // VELMARK_BENCH_REFRESHES=<n> runs n refreshes instead (a quicker look).
    const int count = qEnvironmentVariableIntValue("VELMARK_BENCH_REFRESHES");
    for (int i = 0; i < (count > 0 ? count : refreshes); ++i)
        if (!refreshAndWait(refresh, preview, screenReader))
            return 1;
    const double seconds = double(clock.nsecsElapsed()) / 1e9;
    QTest::qWait(1000);
    const qint64 ownAfter = processPssKilobytes(QCoreApplication::applicationPid());
    const qint64 treeAfter = processTreePssKilobytes(getpid());
    std::printf("own %lld %lld\ntree %lld %lld\nseconds %.1f\nobjects %lld %lld\n", ownBefore, ownAfter,
                treeBefore, treeAfter, seconds, objectsBefore,
                qlonglong(form->findChildren<QObject *>().size()));
    std::fflush(stdout);
    return 0;
}

struct Figures
{
    double ownBefore = -1, ownAfter = -1, treeBefore = -1, treeAfter = -1, seconds = -1;
};

Figures launch(const QString &program, const QString &mode)
{
    Figures figures;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {QString::fromLatin1(childFlag), mode});
    process.waitForFinished(-1);
    const auto pair = [](const QByteArray &line, double &first, double &second) {
        const QList<QByteArray> fields = line.split(' ');
        first = fields.value(1).toDouble() / 1024.0;
        second = fields.value(2).toDouble() / 1024.0;
    };
    for (const QByteArray &raw : process.readAllStandardOutput().split('\n')) {
        const QByteArray line = raw.trimmed();
        if (line.startsWith("own "))
            pair(line, figures.ownBefore, figures.ownAfter);
        else if (line.startsWith("tree "))
            pair(line, figures.treeBefore, figures.treeAfter);
        else if (line.startsWith("objects "))
            std::printf("%s objects under the main window: %s\n", qPrintable(mode), line.mid(8).constData());
        else if (line.startsWith("seconds "))
            figures.seconds = line.mid(8).toDouble();
    }
    return figures;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 2 && qstrcmp(argv[1], childFlag) == 0)
        return child(1, argv, QByteArray(argv[2]));

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    const int count = qEnvironmentVariableIntValue("VELMARK_BENCH_REFRESHES");
    std::printf("%d refreshes of a 300-paragraph page, proportional set size in MB\n",
                count > 0 ? count : refreshes);
    std::printf("%-26s %10s %10s %8s %12s %12s %8s %8s\n", "accessibility", "own before", "own after",
                "growth", "all before", "all after", "growth", "s");
    const QStringList modes =
        argc > 1 ? QStringList{QString::fromLocal8Bit(argv[1])}
                 : QStringList{QStringLiteral("off"), QStringLiteral("active"), QStringLiteral("queried")};
    for (const QString &mode : modes) {
        const Figures f = launch(self, mode);
        std::printf("%-26s %10.0f %10.0f %8.0f %12.0f %12.0f %8.0f %8.1f\n", qPrintable(mode), f.ownBefore,
                    f.ownAfter, f.ownAfter - f.ownBefore, f.treeBefore, f.treeAfter,
                    f.treeAfter - f.treeBefore, f.seconds);
        std::fflush(stdout);
    }
    return 0;
}
