#include "app/applicationsetup.h"
#include "app/programwindows.h"
#include "preview/enginesandbox.h"
#include "preview/previewpane.h"
#include "widgets/caretrest.h"

#include <QApplication>
#include <QLoggingCategory>
#include <cstdio>
#include <unistd.h>

int main(int argc, char *argv[])
{
    // Chromium refuses to start its sandbox as root; only then is the sandbox turned off, and the user told.
    if (prepareEngineSandbox(geteuid() == 0))
        std::fprintf(stderr, "velmark: running as root, so the web view's sandbox is turned off.\n");
    registerPreviewScheme();
    // The program logs nothing: the pupils' pages' console messages are not echoed to the terminal.
    QLoggingCategory::setFilterRules(QStringLiteral("js.*=false"));
    QApplication app(argc, argv);
    setUpApplication(app);
    CaretRest caretRest;

    ProgramWindows windows;
    QObject::connect(&windows, &ProgramWindows::finished, &app, &QApplication::quit);
    windows.start();
    return app.exec();
}
