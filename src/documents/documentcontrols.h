#pragma once

#include <functional>

class CodePane;
class PreviewPane;
class QLineEdit;
class QPlainTextEdit;
class QString;
class QWidget;
class RefreshCycle;

// The controls of the main window that the document commands read and write.
struct DocumentControls
{
    QWidget *window = nullptr;          // the main window: owner of dialogs and messages
    CodePane *code = nullptr;           // `RichEdit1`
    CodePane *messages = nullptr;       // `RichEdit2`
    QPlainTextEdit *mirror = nullptr;   // `Memo1`
    QLineEdit *addressBar = nullptr;    // `Edit1`
    QWidget *editorArea = nullptr;      // `Panel9`
    QWidget *statusRow = nullptr;       // `Panel12`
    QWidget *previewPanel = nullptr;    // `Panel1`
    QWidget *addressRow = nullptr;      // `Panel11`
    PreviewPane *preview = nullptr;     // `webbrowser1`
    RefreshCycle *refresh = nullptr;    // the refresh cycle and its variants
    std::function<QString()> pageTitle; // panel 0 of `StatusBar1`: the title of the document in the preview
};
