// A refresh where the pupil sees it: in the main window, the time from a double-click in the code pane until
// the window has taken in the new tag count (the event loop has handled what the refresh left for it:
// painting, the status bar, the message pane, the preview's hand-off), against loading the same text into the
// code pane and letting the window take that in. Run with "--accessible" to measure with accessibility
// active, as under a screen reader.
#include "app/applicationsetup.h"
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "documentgenerator.h"
#include "editor/codepane.h"
#include "preview/previewpane.h"
#include "testenvironment.h"

#include <QAccessible>
#include <QApplication>
#include <QSignalSpy>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <functional>

namespace {

double threadMilliseconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

// Milliseconds of the main thread from starting the work until the event loop has nothing more to do at once.
double millisecondsUntilIdle(const std::function<void()> &work)
{
    const double start = threadMilliseconds();
    work();
    QApplication::processEvents();
    return threadMilliseconds() - start;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.at(values.size() / 2);
}

} // namespace

int main(int argc, char *argv[])
{
    prepareTestEnvironment();
    registerPreviewScheme();
    QApplication app(argc, argv);
    setUpApplication(app);
    const bool accessible = app.arguments().contains(QStringLiteral("--accessible"));
    if (accessible)
        QAccessible::setActive(true);
    ProgramWindows windows;
    MainWindow *form = windows.mainWindow();
    form->show();
    if (!QTest::qWaitForWindowExposed(form))
        return 1;
    auto *code = form->findChild<CodePane *>(QStringLiteral("RichEdit1"));
    auto *preview = form->findChild<PreviewPane *>(QStringLiteral("webbrowser1"));
    // The preview's renders run in the background: each measurement starts once the last one has painted.
    const auto settle = [preview] {
        QSignalSpy painted(preview, &PreviewPane::documentPainted);
        painted.wait(3000);
        QTest::qWait(200);
    };
    const auto doubleClick = [code] {
        QTest::mouseDClick(code->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
    };
    const auto measure = [&](const QString &text) {
        QVector<double> loads, refreshes;
        for (int run = 0; run < 5; ++run) {
            loads.append(millisecondsUntilIdle([&] { code->setDocumentText(text); }));
            code->setSelectionStart(0);
            settle();
            refreshes.append(millisecondsUntilIdle(doubleClick));
            settle();
        }
        return std::make_pair(median(loads), median(refreshes));
    };

    const struct
    {
        const char *name;
        QString text;
    } documents[] = {
        {"10,000 lines", DocumentGenerator::ordinaryDocument(10000, 7)},
        {"one-line loop script", DocumentGenerator::oneLineLoopScript(1000)},
        {"minified library", DocumentGenerator::minifiedLibrary(80 * 1024)},
    };
    std::printf("main window%s, processor time of the main thread, medians of five\n",
                accessible ? ", accessibility active" : "");
    std::printf("%-24s %10s %12s %14s %8s %14s %8s\n", "document", "size", "load (ms)", "refresh (ms)",
                "ratio", "ordinary (ms)", "ratio");
    // VELMARK_BENCH_ONLY=<part of a name> measures only the documents so named (to profile one).
    const QByteArray only = qgetenv("VELMARK_BENCH_ONLY");
    for (const auto &document : documents) {
        if (!only.isEmpty() && !QByteArray(document.name).contains(only))
            continue;
        const auto [load, refresh] = measure(document.text);
        const auto ordinary = measure(DocumentGenerator::ordinaryOfSize(int(document.text.size()))).second;
        std::printf("%-24s %10lld %12.1f %14.1f %8.2f %14.1f %8.2f\n", document.name,
                    qlonglong(document.text.size()), load, refresh, refresh / load, ordinary,
                    refresh / ordinary);
        std::fflush(stdout);
    }
    return 0;
}
