// A pupil's session that the recovery test ends abruptly: enters the main window, types a paragraph into the
// code pane, says so on standard output, and keeps running until it is killed.
#include "app/mainwindow.h"
#include "editor/codepane.h"
#include "entermainwindow.h"
#include "widgettestmain.h"

#include <cstdio>

int main(int argc, char *argv[])
{
    prepareTestEnvironment();
    registerPreviewScheme();
    QApplication app(argc, argv);
    setUpApplication(app);
    auto windows = enterMainWindow();
    if (!windows)
        return 1;
    auto *code = windows->mainWindow()->findChild<CodePane *>(QStringLiteral("RichEdit1"));
    code->setFocus();
    code->moveCursor(QTextCursor::End);
    QTest::keyClicks(code, QString::fromUtf8(argc > 1 ? argv[1] : "typed"));
    std::puts("typed");
    std::fflush(stdout);
    return app.exec();
}
