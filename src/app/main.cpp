#include "app/applicationsetup.h"
#include "app/commandline.h"
#include "app/programwindows.h"
#include "app/quietterminal.h"
#include "preview/enginerendering.h"
#include "preview/enginesandbox.h"
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
    // Chromium refuses to start its sandbox as root; only then is the sandbox turned off, and the user told.
    if (prepareEngineSandbox(geteuid() == 0))
        std::fprintf(stderr, "velmark: running as root, so the web view's sandbox is turned off.\n");
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
