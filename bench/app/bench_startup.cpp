// Start-up as a pupil sees it: from launching the program to the start-up window on screen, from a click on
// "Είσοδος" to the welcome page painted in the preview, and the memory the whole program then holds (every
// web engine process included, as proportional set size).
//
// The benchmark launches itself once per run as a child that starts the program's windows exactly the way the
// program does; the parent takes the time from launching the child until the child reports its start-up
// window exposed. The child measures the rest itself and reports it on its standard output.
#include "app/applicationsetup.h"
#include "app/core/quietterminal.h"
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "app/startupwindow.h"
#include "preview/enginerendering.h"
#include "preview/previewpane.h"
#include "processmemory.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <unistd.h>

namespace {

constexpr int runs = 5;
const char *childFlag = "--child";

// Whether the preview shows the welcome page's dark blue title row.
bool welcomePainted(PreviewPane *preview)
{
    const QImage shot = preview->grab().toImage();
    for (int y = 0; y < shot.height(); y += 2)
        for (int x = 0; x < shot.width(); x += 8)
            if (shot.pixel(x, y) == qRgb(0x4f, 0x59, 0x8e))
                return true;
    return false;
}

int child(int argc, char *argv[])
{
    // The same preparation as the program's own start.
    if (geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", QByteArray("1"));
    registerPreviewScheme();
    quietenTerminal();
    drawInSoftwareWithoutGraphicsCard();
    QApplication app(argc, argv);
    setUpApplication(app);
    ProgramWindows windows;
    windows.start();
    if (!QTest::qWaitForWindowExposed(windows.startupWindow(), 30000))
        return 1;
    std::printf("shown\n");
    std::fflush(stdout);

    StartupWindow *startup = windows.startupWindow();
    QTest::mouseClick(startup->acceptItem(), Qt::LeftButton, {},
                      QPoint(8, startup->acceptItem()->height() / 2));
    QElapsedTimer enter;
    enter.start();
    QTest::mouseClick(startup->enterButton(), Qt::LeftButton);
    auto *preview = windows.mainWindow()->findChild<PreviewPane *>(QStringLiteral("webbrowser1"));
    if (!preview)
        return 1;
    while (!welcomePainted(preview)) {
        if (enter.elapsed() > 60000)
            return 1;
        QTest::qWait(5);
    }
    const double rendered = double(enter.nsecsElapsed()) / 1e9;
    QTest::qWait(1500); // let the web engine's processes settle
    const qint64 pss = processTreePssKilobytes(getpid());
    std::printf("rendered %.3f\npss %lld\n", rendered, pss);
    std::fflush(stdout);
    return 0;
}

struct Run
{
    double shown = -1;
    double rendered = -1;
    double megabytes = -1;
};

Run launch(const QString &program)
{
    Run run;
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    process.start(program, {QString::fromLatin1(childFlag)});
    QByteArray output;
    while (process.state() != QProcess::NotRunning || process.bytesAvailable()) {
        process.waitForReadyRead(100);
        while (process.canReadLine()) {
            const QByteArray line = process.readLine().trimmed();
            if (line == "shown")
                run.shown = double(clock.nsecsElapsed()) / 1e9;
            else if (line.startsWith("rendered "))
                run.rendered = line.mid(9).toDouble();
            else if (line.startsWith("pss "))
                run.megabytes = line.mid(4).toDouble() / 1024.0;
        }
        if (clock.elapsed() > 120000)
            process.kill();
    }
    return run;
}

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? -1 : values[values.size() / 2];
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc > 1 && qstrcmp(argv[1], childFlag) == 0)
        return child(argc - 1, argv + 1);

    QCoreApplication app(argc, argv);
    const QString self = QCoreApplication::applicationFilePath();
    launch(self); // a first run fills the file caches
    QVector<double> shown, rendered, memory;
    std::printf("%-5s %22s %26s %14s\n", "run", "start-up window (s)", "Είσοδος to welcome (s)",
                "memory (MB)");
    for (int i = 1; i <= runs; ++i) {
        const Run run = launch(self);
        std::printf("%-5d %22.3f %25.3f %14.0f\n", i, run.shown, run.rendered, run.megabytes);
        shown << run.shown;
        rendered << run.rendered;
        memory << run.megabytes;
    }
    std::printf("%-5s %22.3f %25.3f %14.0f\n", "median", median(shown), median(rendered), median(memory));
    std::printf("targets: start-up window <= 0.6 s, welcome page <= 1.0 s, memory <= 250 MB\n");
    return 0;
}
