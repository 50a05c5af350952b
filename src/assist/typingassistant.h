#pragma once

#include <QObject>

class AttributeBar;
class CodePane;
class EditingSession;
class RefreshCycle;

// The typing assistant: sees every typed character before the code pane inserts it. A blank right after a
// tag name fills the attribute bar as that tag's button would; Enter refreshes the document so that the line
// break goes in at the caret the refresh puts back. It never changes or swallows the key. What it has to say
// about the message pane and the progress bar it says through its signals, which the main window shows.
class TypingAssistant : public QObject
{
    Q_OBJECT

public:
    // `code` is the code pane `RichEdit1`; the assistant acts only in the editing mode of `session`.
    TypingAssistant(CodePane *code, AttributeBar *attributeBar, RefreshCycle *refresh,
                    const EditingSession *session, QObject *parent = nullptr);

    // A character is about to be typed into the code pane.
    void keyTyped(QChar key);

Q_SIGNALS:
    // The message pane's text is emptied: every typed key does it, in every mode.
    void messagesCleared();
    // The message pane and its splitter hide, emptied: a blank does it.
    void messagesHidden();
    // The progress bar restarts at 0 over the code pane's lines (its line count less one).
    void progressStarted(int maximum);

private:
    // A blank: offers the attributes of the tag name just before the caret, or hides the bar.
    void tagNameStep();

    CodePane *m_code;
    AttributeBar *m_attributeBar;
    RefreshCycle *m_refresh;
    const EditingSession *m_session;
};
