// Memory over a lesson: the memory of the program (its own process, and with every web engine process) before
// and after 500 refreshes of a 300-paragraph page in the main window, each waited for until the preview has
// painted, once without accessibility, once with it active, and once with a screen reader reading every new
// page.
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
#include <cstdlib> // defines __GLIBC__ with the C library

#if defined(__GLIBC__)
#include <malloc.h>
#endif

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

// What the child measures before and after the refreshes, in kB: the proportional set size of its own process
// and of the whole program (with the web engine's processes), the part of each that no file backs (what the
// program wrote itself, which other programs mapping the same libraries do not move), and the C library's
// heap in its own process: the bytes in use and the bytes freed but kept for reuse. A heap whose bytes in use
// grow holds on to something; one whose free bytes grow is fragmenting.
struct Measures
{
    static constexpr int count = 6;
    static constexpr const char *names[count] = {"own",         "all",       "own-written",
                                                 "all-written", "heap-used", "heap-free"};
    qlonglong kilobytes[count] = {};
};

Measures measure()
{
    const qint64 self = QCoreApplication::applicationPid();
    Measures m;
    m.kilobytes[0] = processPssKilobytes(self);
    m.kilobytes[1] = processTreePssKilobytes(self);
    m.kilobytes[2] = processWrittenKilobytes(self);
    m.kilobytes[3] = processTreeWrittenKilobytes(self);
#if defined(__GLIBC__)
    const struct mallinfo2 heap = mallinfo2();
    m.kilobytes[4] = qlonglong(heap.uordblks / 1024);
    m.kilobytes[5] = qlonglong(heap.fordblks / 1024);
#endif
    return m;
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
    const Measures before = measure();
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
    const Measures after = measure();
    for (int i = 0; i < Measures::count; ++i)
        std::printf("%s %lld %lld\n", Measures::names[i], before.kilobytes[i], after.kilobytes[i]);
    std::printf("seconds %.1f\nobjects %lld %lld\n", seconds, objectsBefore,
                qlonglong(form->findChildren<QObject *>().size()));
    std::fflush(stdout);
    return 0;
}

struct Figures
{
    // Megabytes before and after, in the order of Measures::names; -1 when the child did not say.
    double before[Measures::count] = {-1, -1, -1, -1, -1, -1};
    double after[Measures::count] = {-1, -1, -1, -1, -1, -1};
    double seconds = -1;
};

Figures launch(const QString &program, const QString &mode)
{
    Figures figures;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, {QString::fromLatin1(childFlag), mode});
    process.waitForFinished(-1);
    for (const QByteArray &raw : process.readAllStandardOutput().split('\n')) {
        const QList<QByteArray> fields = raw.trimmed().split(' ');
        for (int i = 0; i < Measures::count; ++i) {
            if (fields.size() == 3 && fields[0] == Measures::names[i]) {
                figures.before[i] = fields[1].toDouble() / 1024.0;
                figures.after[i] = fields[2].toDouble() / 1024.0;
            }
        }
        if (fields.size() == 3 && fields[0] == "objects")
            std::printf("%s: objects under the main window %s -> %s\n", qPrintable(mode),
                        fields[1].constData(), fields[2].constData());
        else if (fields.size() == 2 && fields[0] == "seconds")
            figures.seconds = fields[1].toDouble();
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
    std::printf("%d refreshes of a 300-paragraph page, in MB: before -> after (growth)\n"
                "  PSS: proportional set size; written: its part that no file backs; heap: the C library's "
                "heap of the own process, in use and freed\n",
                count > 0 ? count : refreshes);
    const QStringList modes = argc > 1 ? QStringList{QString::fromLocal8Bit(argv[1])}
                                       : QStringList{QStringLiteral("off"), QStringLiteral("active"),
                                                     QStringLiteral("screen reader")};
    const char *labels[Measures::count] = {"own PSS",     "all PSS",         "own written",
                                           "all written", "own heap in use", "own heap freed"};
    for (const QString &mode : modes) {
        const Figures f = launch(self, mode);
        std::printf("accessibility %s (%.0f s)\n", qPrintable(mode), f.seconds);
        for (int i = 0; i < Measures::count; ++i)
            std::printf("  %-16s %6.0f -> %6.0f (%+.0f)\n", labels[i], f.before[i], f.after[i],
                        f.after[i] - f.before[i]);
        std::fflush(stdout);
    }
    return 0;
}
