#include "editor/documentmirror.h"

#include "editor/codepane.h"

DocumentMirror::DocumentMirror(const CodePane *source, QWidget *parent)
    : QPlainTextEdit(parent), m_source(source)
{
    // Text written into the mirror directly (a copy made on purpose) stands until the pane changes again.
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        if (!m_filling)
            m_stale = false;
    });
}

void DocumentMirror::follow(bool editingMode)
{
    m_stale = true;
    m_followsSource = editingMode;
}

QString DocumentMirror::toPlainText()
{
    if (m_stale) {
        m_filling = true;
        if (m_followsSource)
            setPlainText(m_source->Text());
        else
            clear();
        m_filling = false;
        m_stale = false;
    }
    return QPlainTextEdit::toPlainText();
}
