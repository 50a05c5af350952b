#pragma once

#include <functional>

class CodePane;
class EditingSession;
class QPlainTextEdit;
class QString;
class QWidget;
class RefreshCycle;
class ShownPage;

// What the document commands of the main window read and write.
struct DocumentControls
{
    QWidget *window = nullptr;          // the main window: owner of dialogs and messages
    CodePane *code = nullptr;           // `RichEdit1`
    CodePane *messages = nullptr;       // `RichEdit2`
    QPlainTextEdit *mirror = nullptr;   // `Memo1`
    QWidget *editorArea = nullptr;      // `Panel9`: opening a file needs it shown
    RefreshCycle *refresh = nullptr;    // the refresh cycle and its variants
    EditingSession *session = nullptr;  // the mode and the pupil's folder
    ShownPage *page = nullptr;          // the page in the preview pane
    std::function<QString()> pageTitle; // panel 0 of `StatusBar1`: the title of the document in the preview
};
