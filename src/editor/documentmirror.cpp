#include "editor/documentmirror.h"

#include "editor/codepane.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

DocumentMirror::DocumentMirror(const CodePane *source, QPlainTextEdit *mirror, QObject *parent)
    : QObject(parent), m_source(source), m_mirror(mirror)
{
    connect(source->document(), &QTextDocument::contentsChange, this,
            [this](int from, int removed, int added) {
                // One change is copied at a time; should two come before the handler runs, the whole text is.
                if (m_from >= 0)
                    m_inStep = false;
                m_from = from;
                m_removed = removed;
                m_added = added;
            });
    // Text written into the mirror by others is taken over by the next whole copy.
    connect(mirror->document(), &QTextDocument::contentsChange, this, [this] {
        if (!m_writing)
            m_inStep = false;
    });
}

void DocumentMirror::follow(bool editingMode)
{
    m_writing = true;
    if (!editingMode) {
        m_from = -1;
        m_mirror->clear();
        m_inStep = m_source->document()->isEmpty();
        m_writing = false;
        return;
    }
    if (m_inStep && m_from >= 0) {
        copyChange();
    } else {
        m_from = -1;
        m_mirror->setPlainText(m_source->Text());
    }
    m_from = -1;
    m_inStep = true;
    m_writing = false;
}

void DocumentMirror::copyChange()
{
    const QTextDocument *source = m_source->document();
    QTextDocument *mirror = m_mirror->document();
    const int from = m_from;
    m_from = -1;
    // A change reaching the end of the text counts the end's own separator, which no cursor can select.
    const int mirrorEnd = qMin(from + m_removed, mirror->characterCount() - 1);
    const int sourceEnd = qMin(from + m_added, source->characterCount() - 1);
    QTextCursor read(const_cast<QTextDocument *>(source));
    read.setPosition(qMin(from, sourceEnd));
    read.setPosition(sourceEnd, QTextCursor::KeepAnchor);
    // Every character as held (a non-breaking space stays one); only line breaks are written as breaks.
    QString text = read.selectedText();
    text.replace(QChar::ParagraphSeparator, u'\n');
    QTextCursor write(mirror);
    write.setPosition(qMin(from, mirrorEnd));
    write.setPosition(mirrorEnd, QTextCursor::KeepAnchor);
    write.insertText(text);
}
