#include "editor/codepane.h"

#include "core/paragraphseparators.h"
#include "editor/accessiblecodepane.h"
#include "editor/documentlooks.h"
#include "editor/stephistory.h"
#include "widgets/bgrcolour.h"

#include <QKeyEvent>
#include <QMetaMethod>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

CodePane::CodePane(QWidget *parent) : QPlainTextEdit(parent)
{
    AccessibleCodePane::install();
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // The text margins lie outside the text's own area: they take the text's white, so that the whole pane
    // reads as one white page.
    QPalette pal = palette();
    pal.setColor(QPalette::Window, pal.color(QPalette::Base));
    setPalette(pal);
    setAutoFillBackground(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { keepLongLinesShaped(position, added); });
    m_history = new StepHistory(this);
    preferUnshapedText(QFont()); // only the strategy is the pane's own: the rest still follows its parent
}

void CodePane::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::FontChange && !(font().styleStrategy() & QFont::PreferNoShaping)) {
        preferUnshapedText(font()); // sends the font change again, with the pane's own font
        return;
    }
    QPlainTextEdit::changeEvent(event);
}

void CodePane::preferUnshapedText(QFont unshaped)
{
    // Code has no use for ligatures or kerning. Text in scripts that need no shaping (Latin, Greek, ...) is
    // then laid out glyph by glyph, several times faster, which counts in a long line laid out again on every
    // key; scripts that cannot do without shaping are still shaped.
    unshaped.setStyleStrategy(QFont::StyleStrategy(unshaped.styleStrategy() | QFont::PreferNoShaping));
    setFont(unshaped);
}

void CodePane::keepLongLinesShaped(int position, int added)
{
    // Qt drops a line's shaped glyphs once the line is laid out, and shapes the whole line again whenever
    // the caret is placed or drawn in it. For a long line (a pasted minified script) that is most of what a
    // key costs: such lines keep their glyphs until their text changes.
    const QTextDocument *doc = document();
    for (QTextBlock block = doc->findBlock(position); block.isValid() && block.position() <= position + added;
         block = block.next()) {
        if (block.length() > LongLineLength)
            block.layout()->setCacheEnabled(true);
    }
}

void CodePane::pasteClipboard()
{
    m_pastingClipboard = true;
    paste();
    m_pastingClipboard = false;
}

void CodePane::insertFromMimeData(const QMimeData *source)
{
    QPlainTextEdit::insertFromMimeData(source);
    if (!m_pastingClipboard)
        Q_EMIT textReceived();
}

int CodePane::selectionStart() const
{
    return textCursor().selectionStart();
}

void CodePane::setSelectionStart(int position)
{
    QTextCursor c = textCursor();
    c.setPosition(qBound(0, position, document()->characterCount() - 1));
    setTextCursor(c);
}

int CodePane::selectionLength() const
{
    const QTextCursor c = textCursor();
    return c.selectionEnd() - c.selectionStart();
}

void CodePane::setSelectionLength(int length)
{
    QTextCursor c = textCursor();
    const int start = c.selectionStart();
    c.setPosition(start);
    c.setPosition(qBound(0, start + length, document()->characterCount() - 1), QTextCursor::KeepAnchor);
    setTextCursor(c);
}

void CodePane::replaceSelection(QTextCursor &cursor, const QString &text) const
{
    // The new text takes the look of the selection's first character; with no selection, the look typing
    // gets.
    QTextCharFormat format = cursor.charFormat();
    if (cursor.hasSelection())
        format = formatAt(cursor.selectionStart());
    cursor.insertText(text, format);
}

void CodePane::setSelectedText(const QString &text)
{
    QTextCursor c = textCursor();
    replaceSelection(c, text);
    // The caret moves past the insertion by itself. Placing it again would make the view look for it in lines
    // that are not laid out again yet while a refresh holds its edit block open, which crashes Qt.
    const QTextCursor caret = textCursor();
    if (caret.position() != c.position() || caret.anchor() != c.anchor())
        setTextCursor(c);
}

void CodePane::applySelFormat(const QTextCharFormat &format, bool merge)
{
    QTextCursor c = textCursor();
    if (!c.hasSelection()) {
        if (merge)
            mergeCurrentCharFormat(format);
        else
            setCurrentCharFormat(format);
        return;
    }
    if (merge)
        c.mergeCharFormat(format);
    else
        c.setCharFormat(format);
}

void CodePane::setSelColor(quint32 bgr)
{
    QTextCharFormat f;
    f.setForeground(colourFromBgr(bgr));
    applySelFormat(f, true);
}

void CodePane::setSelStyle(bool bold, bool italic, bool underline)
{
    QTextCharFormat f;
    f.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    f.setFontItalic(italic);
    f.setFontUnderline(underline);
    applySelFormat(f, true);
}

void CodePane::setSelSize(int points)
{
    QTextCharFormat f;
    f.setFontPointSize(points);
    applySelFormat(f, true);
}

void CodePane::setSelName(const QString &face)
{
    QTextCharFormat f;
    f.setFontFamilies({face});
    applySelFormat(f, true);
}

void CodePane::setSelBackColor(quint32 bgr)
{
    QTextCharFormat f;
    f.setBackground(colourFromBgr(bgr));
    applySelFormat(f, true);
}

QString CodePane::plainText(const QString &lineBreak) const
{
    // The document's text read whole separates its lines by paragraph separators (a pupil's own is held as a
    // stand-in), and may end with the separator that closes the document.
    QString text = document()->toRawText();
    if (text.size() == document()->characterCount())
        text.chop(1);
    return text.replace(QChar::ParagraphSeparator, lineBreak);
}

QStringList CodePane::lines() const
{
    // The document's text read whole separates its lines by paragraph separators; past the counted lines
    // come at most an empty last line and the separator that closes the document.
    QStringList all = document()->toRawText().split(QChar::ParagraphSeparator);
    all.resize(lineCount());
    return all;
}

QString CodePane::text() const
{
    return plainText(QStringLiteral("\r\n"));
}

QString CodePane::linesText() const
{
    QString text;
    const int count = lineCount();
    for (int i = 0; i < count; ++i)
        text += line(i) + QLatin1String("\r\n");
    return text;
}

int CodePane::lineCount() const
{
    const QTextDocument *doc = document();
    const int blocks = doc->blockCount();
    return doc->lastBlock().length() <= 1 ? blocks - 1 : blocks;
}

int CodePane::characterCountWithoutBreaks() const
{
    // Every block holds one separator besides its text, the last one included.
    return document()->characterCount() - document()->blockCount();
}

QString CodePane::line(int index) const
{
    if (index < 0 || index >= document()->blockCount())
        return {};
    return document()->findBlockByNumber(index).text();
}

void CodePane::setLine(int index, const QString &text)
{
    if (index < 0 || index >= document()->blockCount())
        return;
    const QTextBlock block = document()->findBlockByNumber(index);
    if (block.text() == text)
        return;
    QTextCursor c(document());
    c.setPosition(block.position());
    c.setPosition(block.position() + block.length() - 1, QTextCursor::KeepAnchor);
    replaceSelection(c, text);
}

void CodePane::addLine(const QString &text)
{
    const QTextCharFormat format = textCursor().charFormat();
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    if (document()->lastBlock().length() > 1)
        c.insertBlock(QTextBlockFormat(), format);
    c.insertText(text, format);
    c.insertBlock(QTextBlockFormat(), format);
}

void CodePane::clearLines()
{
    // Clearing an empty pane would still lay it out and notify a change; callers clear on every key. The text
    // is removed as an edit, so that the pupil's history keeps it (clear() would empty the history too).
    if (document()->isEmpty())
        return;
    QTextCursor c(document());
    c.select(QTextCursor::Document);
    c.removeSelectedText();
}

void CodePane::setDocumentText(const QString &text)
{
    m_history->beginWholeTextStep();
    const int stepsBefore = m_history->position();
    const int caretBefore = selectionStart();
    QTextCursor c(document());
    c.beginEditBlock();
    c.select(QTextCursor::Document);
    QString normalised = withParagraphSeparatorsHeld(text);
    normalised.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    normalised.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    c.insertText(normalised, baseLookOf(this));
    c.endEditBlock();
    m_history->endWholeTextStep(stepsBefore, caretBefore);
}

void CodePane::beginUpdate()
{
    if (m_updateDepth++ == 0)
        viewport()->setUpdatesEnabled(false);
}

void CodePane::endUpdate()
{
    if (m_updateDepth == 0)
        return;
    if (--m_updateDepth == 0) {
        viewport()->setUpdatesEnabled(true);
        viewport()->update();
    }
}

int CodePane::findText(const QString &text, int start, int length) const
{
    QString needle = text;
    needle.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (needle.isEmpty() || start < 0)
        return -1;
    const QString haystack = plainText(QStringLiteral("\n"));
    const int found = int(haystack.indexOf(needle, start, Qt::CaseInsensitive));
    if (found < 0 || qint64(found) + needle.size() > qint64(start) + length)
        return -1;
    return found;
}

int CodePane::lineIndex(int line) const
{
    if (line < 0 || line >= document()->blockCount())
        return -1;
    return document()->findBlockByNumber(line).position();
}

int CodePane::lineFromChar(int position) const
{
    const QTextBlock block = document()->findBlock(qMax(0, position));
    return block.isValid() ? block.blockNumber() : document()->blockCount() - 1;
}

QRectF CodePane::lineArea(const QTextBlock &block) const
{
    return blockBoundingGeometry(block).translated(contentOffset());
}

void CodePane::setTextMargins(int left, int top, int right, int bottom)
{
    setViewportMargins(left, top, right, bottom);
}

QMargins CodePane::textMargins() const
{
    return viewportMargins();
}

QTextCharFormat CodePane::formatAt(int position) const
{
    const QTextBlock block = document()->findBlock(position);
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (position >= fragment.position() && position < fragment.position() + fragment.length())
            return fragment.charFormat();
    }
    return block.charFormat();
}

void CodePane::keyPressEvent(QKeyEvent *event)
{
    if (const QString text = event->text(); !text.isEmpty())
        Q_EMIT keyPressed(text.front());
    // Ctrl+Y redoes as in most editors, also on desktops whose own redo key is another.
    const bool redoKey =
        event == QKeySequence::Redo ||
        (event->key() == Qt::Key_Y && (event->modifiers() & ~Qt::KeypadModifier) == Qt::ControlModifier);
    if (event == QKeySequence::Undo || redoKey) {
        if (!isReadOnly()) {
            if (redoKey)
                m_history->redoStep();
            else
                m_history->undoStep();
        }
        event->accept();
        return;
    }
    if (event == QKeySequence::Paste && !isReadOnly() &&
        isSignalConnected(QMetaMethod::fromSignal(&CodePane::pasteRequested))) {
        event->accept();
        Q_EMIT pasteRequested();
        return;
    }
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
        (event->modifiers() & Qt::ShiftModifier)) {
        // A soft line break would make one text line look like two; every break is a real one here.
        textCursor().insertBlock();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void CodePane::mouseReleaseEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseReleaseEvent(event);
    Q_EMIT clicked();
    Q_EMIT mouseReleased(event->globalPosition().toPoint());
}

void CodePane::mouseDoubleClickEvent(QMouseEvent *event)
{
    QPlainTextEdit::mouseDoubleClickEvent(event);
    Q_EMIT doubleClicked();
}

void CodePane::leaveEvent(QEvent *event)
{
    QPlainTextEdit::leaveEvent(event);
    Q_EMIT mouseLeft();
}

int caretLine(const CodePane *pane)
{
    return pane->lineFromChar(pane->selectionStart());
}

int caretColumn(const CodePane *pane)
{
    const int start = pane->selectionStart();
    return start - pane->lineIndex(pane->lineFromChar(start));
}

void moveCaretTo(CodePane *pane, int line, int column)
{
    if (pane->isHidden())
        return;
    pane->setSelectionStart(0);
    pane->setSelectionLength(0);
    pane->setSelectionStart(pane->lineIndex(line) + column);
    pane->setSelectionLength(0);
    if (pane->isVisible())
        pane->setFocus();
}
