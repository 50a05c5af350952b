#include "editor/documentmirror.h"

#include "editor/codepane.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace {

// The layout of the memo's text. The memo is never shown, yet Qt's plain-text layout lays out every changed
// line at once, whoever looks: a key typed into a line of megabytes would cost that line's whole layout again
// in the memo. This layout drops the layouts of changed lines instead, and lays out nothing.
class UnlaidLayout : public QPlainTextDocumentLayout
{
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

protected:
    void documentChanged(int from, int, int added) override
    {
        const QTextDocument *text = document();
        const int to = qMin(from + added, text->characterCount() - 1);
        for (QTextBlock block = text->findBlock(from); block.isValid() && block.position() <= to;
             block = block.next())
            block.layout()->clearLayout();
    }
};

// The characters of a document between two positions, read from its lines, every character as held (a
// non-breaking space stays one) and line breaks as "\n". Reading the lines themselves lays nothing out.
QString textBetween(const QTextDocument *document, int from, int to)
{
    QString text;
    for (QTextBlock block = document->findBlock(from); block.isValid() && block.position() <= to;
         block = block.next()) {
        // The break in front of a line belongs to the range when the range starts before the line.
        if (block.position() > from)
            text += u'\n';
        const int start = qMax(from, block.position()) - block.position();
        const int end = qMin(to, block.position() + block.length() - 1) - block.position();
        if (end > start)
            text += QStringView(block.text()).mid(start, end - start);
    }
    return text;
}

} // namespace

DocumentMirror::DocumentMirror(const CodePane *source, QPlainTextEdit *mirror, QObject *parent)
    : QObject(parent), m_source(source), m_mirror(mirror)
{
    auto *text = new QTextDocument(mirror);
    text->setDocumentLayout(new UnlaidLayout(text));
    text->setPlainText(mirror->toPlainText());
    // Nobody undoes the hidden memo: its history would only hold copies of the pupil's text.
    text->setUndoRedoEnabled(false);
    mirror->setDocument(text);
    // Should anything still lay a line out, unwrapped it takes one pass, where wrapping a long line without
    // break opportunities searches the rest of the line for every row.
    mirror->setLineWrapMode(QPlainTextEdit::NoWrap);
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
    // The memo is never shown: its view need not hear that the text's size changed, which would make it lay
    // out lines to size its scroll bars.
    const QSignalBlocker quietLayout(m_mirror->document()->documentLayout());
    if (m_inStep && m_from >= 0) {
        copyChange();
    } else {
        m_from = -1;
        QTextCursor all(m_mirror->document());
        all.beginEditBlock();
        all.setPosition(m_mirror->document()->characterCount() - 1, QTextCursor::KeepAnchor);
        const QTextDocument *source = m_source->document();
        all.insertText(textBetween(source, 0, source->characterCount() - 1));
        all.endEditBlock();
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
    const QString text = textBetween(source, qMin(from, sourceEnd), sourceEnd);
    // The cursor works inside an edit block: outside one, Qt lays out a cursor's whole line to place it,
    // which for a long line costs far more than the change.
    QTextCursor write(mirror);
    write.beginEditBlock();
    write.setPosition(qMin(from, mirrorEnd));
    write.setPosition(mirrorEnd, QTextCursor::KeepAnchor);
    // A change of looks alone (a refresh painting tags) reports its characters as replaced by themselves:
    // the mirror already holds them, and rewriting them would only lay its line out again. A change that
    // keeps the number of lines (a refresh re-indenting a few of them) is copied line by line: only the lines
    // that differ are written, where writing the whole range would take apart and rebuild every line in it.
    const bool severalLines = text.contains(u'\n');
    if (m_removed == m_added || severalLines) {
        QString held = write.selectedText();
        held.replace(QChar::ParagraphSeparator, u'\n');
        if (held == text) {
            write.endEditBlock();
            return;
        }
        if (severalLines && held.count(u'\n') == text.count(u'\n')) {
            const QList<QStringView> heldLines = QStringView(held).split(u'\n');
            const QList<QStringView> newLines = QStringView(text).split(u'\n');
            int position = write.selectionStart();
            for (qsizetype i = 0; i < newLines.size(); ++i) {
                if (heldLines.at(i) != newLines.at(i)) {
                    write.setPosition(position);
                    write.setPosition(position + int(heldLines.at(i).size()), QTextCursor::KeepAnchor);
                    write.insertText(newLines.at(i).toString());
                }
                position += int(newLines.at(i).size()) + 1;
            }
            write.endEditBlock();
            return;
        }
    }
    write.insertText(text);
    write.endEditBlock();
}
