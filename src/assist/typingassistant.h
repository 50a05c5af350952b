#pragma once

#include <QObject>
#include <functional>

class AttributeBar;
class CodePane;
class QProgressBar;
class QWidget;
class RefreshCycle;

// The controls of the main window that the typing assistant reads and writes.
struct TypingAssistantControls
{
    CodePane *code = nullptr;           // `RichEdit1`
    CodePane *messages = nullptr;       // `RichEdit2`
    QWidget *messageSplitter = nullptr; // `Splitter1`
    QProgressBar *progress = nullptr;   // `ProgressBar1`
    AttributeBar *attributeBar = nullptr;
    RefreshCycle *refresh = nullptr;
    std::function<bool()> editingMode; // the address bar reads exactly "about:blank"
};

// The typing assistant: sees every typed character before the code pane inserts it. A blank right after a
// tag name fills the attribute bar as that tag's button would; Enter refreshes the document so that the line
// break goes in at the caret the refresh puts back. It never changes or swallows the key.
class TypingAssistant : public QObject
{
    Q_OBJECT

public:
    explicit TypingAssistant(const TypingAssistantControls &controls, QObject *parent = nullptr);

    // `RichEdit1KeyPress`: a character is about to be typed into the code pane.
    void RichEdit1KeyPress(QChar key);

private:
    // A blank: offers the attributes of the tag name just before the caret, or hides the bar.
    void tagNameStep();
    void clearMessages();

    TypingAssistantControls m_c;
};
