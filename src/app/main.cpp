#include "app/applicationsetup.h"
#include "app/core/commandline.h"
#include "app/core/quietterminal.h"
#include "app/programwindows.h"
#include "preview/core/enginesandbox.h"
#include "preview/enginerendering.h"
#include "preview/previewpane.h"
#include "widgets/caretrest.h"

#include <QApplication>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    const CommandLineOutcome commandLine = readCommandLine(argc, argv);
    if (!commandLine.start)
        return finishWithoutStarting(commandLine);
    // Chromium refuses to start its sandbox as root; only then is the sandbox turned off. Settings that
    // would weaken it are removed before the web engine reads them. The user is told of both.
    const EngineSandboxSettlement sandbox = prepareEngineSandbox(geteuid() == 0, argc, argv);
    std::fputs(engineSandboxNotice(sandbox).toLocal8Bit().constData(), stderr);
    registerPreviewScheme();
    quietenTerminal();
    drawInSoftwareWithoutGraphicsCard();
    QApplication app(argc, argv);
    setUpApplication(app);
    CaretRest caretRest;

    ProgramWindows windows;
    QObject::connect(&windows, &ProgramWindows::finished, &app, &QApplication::quit);
    windows.start();
    return app.exec();
}
