#pragma once

#include <QObject>

class CodePane;
class QPlainTextEdit;

// Keeps the document mirror `Memo1` (a hidden plain-text memo that files are saved from) as the code pane's
// change handler wants it: after every change, empty outside editing mode, and the pane's text in editing
// mode. In editing mode each change is copied over by itself, so a typed key costs the same however long the
// document is; the whole text is copied only when the mirror was emptied before.
class DocumentMirror : public QObject
{
    Q_OBJECT

public:
    DocumentMirror(const CodePane *source, QPlainTextEdit *mirror, QObject *parent = nullptr);

    // The pane has just changed: bring the mirror in line (empty it unless in editing mode).
    void follow(bool editingMode);

private:
    // Copies the text of the source between two positions into the mirror in place of its own range.
    void copyChange();

    const CodePane *m_source;
    QPlainTextEdit *m_mirror;
    bool m_inStep = false;  // the mirror holds the pane's text as it was before the pending change
    bool m_writing = false; // the mirror is being written by this class
    int m_from = -1;        // the pending change: its position, and its length before and after
    int m_removed = 0;
    int m_added = 0;
};
