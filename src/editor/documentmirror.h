#pragma once

#include <QPlainTextEdit>

class CodePane;

// `Memo1`: the hidden plain-text copy of the code pane that files are saved from. After every change of the
// pane it is empty outside editing mode and holds the pane's text in editing mode; the copy is made when the
// mirror is read, so a change costs the same however long the document is.
class DocumentMirror : public QPlainTextEdit
{
    Q_OBJECT

public:
    DocumentMirror(const CodePane *source, QWidget *parent = nullptr);

    // The pane changed: from now on the mirror is the pane's text in editing mode, and empty otherwise.
    void follow(bool editingMode);
    // The mirror's text, brought up to date first. It stands in for the base class's function of the same
    // name, which is not virtual: read the mirror through this class.
    QString toPlainText();

private:
    const CodePane *m_source;
    bool m_stale = false;
    bool m_followsSource = false;
    bool m_filling = false;
};
