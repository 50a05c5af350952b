// Typing speed in the main window: the milliseconds one typed key costs in a document of 100 lines and in one
// of 10,000 lines, and their ratio. A key must cost the same however long the document is. Then a key in one
// long line of 100 KB and of 2 MB.
#include "app/applicationsetup.h"
#include "app/mainwindow.h"
#include "app/programwindows.h"
#include "documentgenerator.h"
#include "editor/codepane.h"
#include "preview/previewpane.h"
#include "testenvironment.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <cstdio>

namespace {

QString document(int lines)
{
    return DocumentGenerator::ordinaryDocument(lines, 7);
}

// Types `keys` letters in the middle of the document, as the keyboard delivers them; milliseconds per key.
double millisecondsPerKey(CodePane *pane, const QString &text, int keys)
{
    pane->setDocumentText(text);
    pane->setSelectionStart(int(text.size() / 2));
    QApplication::processEvents();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < keys; ++i) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(pane, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
        QApplication::sendEvent(pane, &release);
        QApplication::processEvents();
    }
    return double(timer.nsecsElapsed()) / 1e6 / keys;
}

} // namespace

int main(int argc, char *argv[])
{
    prepareTestEnvironment();
    registerPreviewScheme();
    QApplication app(argc, argv);
    setUpApplication(app);
    ProgramWindows windows;
    MainWindow *form = windows.mainWindow();
    form->show();
    QApplication::processEvents();
    auto *code = form->findChild<CodePane *>(QStringLiteral("RichEdit1"));

    const int keys = 300;
    millisecondsPerKey(code, document(100), keys); // warms up layout and painting
    const double shortDocument = millisecondsPerKey(code, document(100), keys);
    const double longDocument = millisecondsPerKey(code, document(10000), keys);
    std::printf("%-28s %10s %10s %8s\n", "typing, ms per key", "100", "10,000", "ratio");
    std::printf("%-28s %10.3f %10.3f %8.2f\n", "main window", shortDocument, longDocument,
                longDocument / shortDocument);
    // Pupils paste minified scripts and styles: a key in the middle of one long line.
    std::printf("\n%-28s %10s\n", "typing in one long line", "ms per key");
    for (const int characters : {100 * 1024, 2 * 1024 * 1024}) {
        const QString line = DocumentGenerator::oneLongLine(characters);
        const int lineKeys = characters > 1024 * 1024 ? 5 : 30;
        std::printf("%-28s %10.1f\n", characters > 1024 * 1024 ? "line of 2 MB" : "line of 100 KB",
                    millisecondsPerKey(code, line, lineKeys));
        std::fflush(stdout);
    }
    return 0;
}
