#include "editor/documentmirror.h"

#include "editor/codepane.h"
#include "editor/core/textdifference.h"

#include <QAbstractTextDocumentLayout>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>

namespace {

// The layout of the memo's text. The memo is never shown, yet Qt's plain-text layout lays out every changed
// line at once, whoever looks: a key typed into a line of megabytes would cost that line's whole layout again
// in the memo. This layout drops the layouts that changed lines have instead, lays out nothing and makes no
// layout for a line that has none.
class UnlaidLayout : public QPlainTextDocumentLayout
{
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

protected:
    void documentChanged(int from, int, int added) override
    {
        const QTextDocument *text = document();
        const int to = qMin(from + added, text->characterCount() - 1);
        QTextBlock block = text->findBlock(from);
        // Positions are counted on from line to line: asking each line for its own costs a search.
        for (int position = block.position(); block.isValid() && position <= to;
             position += block.length(), block = block.next())
            block.clearLayout();
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

// The lines of a document by their position and length as they stood when the reader was made: read whole
// at once where the range asked about is most of the text (one copy of the text instead of one per line),
// otherwise one line at a time.
class LineReader
{
public:
    LineReader(const QTextDocument *document, int from, int to)
        : m_whole(2 * qint64(to - from) > document->characterCount())
    {
        if (m_whole)
            m_text = document->toRawText();
    }

    QStringView line(const QTextBlock &block, int position, int length)
    {
        if (m_whole)
            return QStringView(m_text).mid(position, length);
        m_text = block.text();
        return m_text;
    }

private:
    const bool m_whole;
    QString m_text;
};

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
    const int mirrorFrom = qMin(from, mirrorEnd);
    const int sourceFrom = qMin(from, sourceEnd);
    // The cursor works inside an edit block: outside one, Qt lays out a cursor's whole line to place it,
    // which for a long line costs far more than the change.
    QTextCursor write(mirror);
    write.beginEditBlock();
    QTextBlock held = mirror->findBlock(mirrorFrom);
    QTextBlock copied = source->findBlock(sourceFrom);
    if (mirror->findBlock(mirrorEnd).blockNumber() - held.blockNumber() !=
        source->findBlock(sourceEnd).blockNumber() - copied.blockNumber()) {
        write.setPosition(mirrorFrom);
        write.setPosition(mirrorEnd, QTextCursor::KeepAnchor);
        write.insertText(textBetween(source, sourceFrom, sourceEnd));
        write.endEditBlock();
        return;
    }
    // The change keeps the number of lines (a refresh painting tags and re-indenting some lines, a typed
    // letter): line by line, only what differs is written. A change of looks alone reports its characters as
    // replaced by themselves, and the mirror already holds them; writing a whole range would take apart and
    // rebuild every line in it, and lay each out again.
    // The mirror's lines are measured as they were before this change: `shift` is what the lines written so
    // far grew by.
    // Positions are counted on from line to line: asking each line for its own costs a search.
    int shift = 0;
    LineReader heldLines(mirror, mirrorFrom, mirrorEnd);
    LineReader copiedLines(source, sourceFrom, sourceEnd);
    int heldPosition = held.position();
    int copiedPosition = copied.position();
    // The memo holds plain text in one look: giving it that look spares the cursor looking up the look of
    // the characters each write replaces.
    const QTextCharFormat plain;
    for (; held.isValid() && copied.isValid(); held = held.next(), copied = copied.next()) {
        const int heldLength = held.length();
        const int copiedLength = copied.length();
        const bool last = heldPosition + heldLength > mirrorEnd;
        const int heldStart = qMax(mirrorFrom, heldPosition) - heldPosition;
        const int heldEnd = qMin(mirrorEnd, heldPosition + heldLength - 1) - heldPosition;
        const int copiedStart = qMax(sourceFrom, copiedPosition) - copiedPosition;
        const int copiedEnd = qMin(sourceEnd, copiedPosition + copiedLength - 1) - copiedPosition;
        const QStringView was =
            heldLines.line(held, heldPosition, heldLength - 1).mid(heldStart, qMax(0, heldEnd - heldStart));
        const QStringView now = copiedLines.line(copied, copiedPosition, copiedLength - 1)
                                    .mid(copiedStart, qMax(0, copiedEnd - copiedStart));
        if (was != now) {
            // Only the stretch between the common beginning and the common end is written.
            const SharedEnds shared = sharedEnds(was, now);
            const int at = heldPosition + shift + heldStart;
            write.setPosition(at + int(shared.beginning));
            write.setPosition(at + int(was.size() - shared.end), QTextCursor::KeepAnchor);
            write.insertText(now.mid(shared.beginning, now.size() - shared.beginning - shared.end).toString(),
                             plain);
            shift += int(now.size() - was.size());
        }
        if (last)
            break;
        heldPosition += heldLength;
        copiedPosition += copiedLength;
    }
    write.endEditBlock();
}
