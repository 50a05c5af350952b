#include "editor/accessiblecodepane.h"

#include "editor/codepane.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace {

QAccessibleInterface *accessibleCodePane(const QString &className, QObject *object)
{
    if (className == QLatin1String("CodePane"))
        if (auto *pane = qobject_cast<CodePane *>(object))
            return new AccessibleCodePane(pane);
    return nullptr;
}

QString cssColour(const QColor &colour)
{
    return QStringLiteral("rgb(%1,%2,%3)").arg(colour.red()).arg(colour.green()).arg(colour.blue());
}

} // namespace

AccessibleCodePane::AccessibleCodePane(CodePane *pane) : QAccessibleWidget(pane, QAccessible::EditableText) {}

void AccessibleCodePane::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(accessibleCodePane);
        return true;
    }();
    Q_UNUSED(installed);
}

CodePane *AccessibleCodePane::pane() const
{
    return static_cast<CodePane *>(widget());
}

QAccessible::State AccessibleCodePane::state() const
{
    QAccessible::State state = QAccessibleWidget::state();
    state.selectableText = true;
    state.multiLine = true;
    if (pane()->isReadOnly())
        state.readOnly = true;
    else
        state.editable = true;
    return state;
}

QString AccessibleCodePane::text(QAccessible::Text kind) const
{
    if (kind == QAccessible::Value)
        return pane()->toPlainText();
    return QAccessibleWidget::text(kind);
}

void AccessibleCodePane::setText(QAccessible::Text kind, const QString &text)
{
    if (kind != QAccessible::Value) {
        QAccessibleWidget::setText(kind, text);
        return;
    }
    // A whole new text is one step of the pupil's history, which Ctrl+Z takes back; it never wipes the
    // history as a plain replacement of the pane's text would.
    if (!pane()->isReadOnly())
        pane()->setDocumentText(text);
}

void *AccessibleCodePane::interface_cast(QAccessible::InterfaceType type)
{
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface *>(this);
    if (type == QAccessible::EditableTextInterface)
        return static_cast<QAccessibleEditableTextInterface *>(this);
    return QAccessibleWidget::interface_cast(type);
}

void AccessibleCodePane::selection(int selectionIndex, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = 0;
    const QTextCursor cursor = pane()->textCursor();
    if (selectionIndex == 0 && cursor.hasSelection()) {
        *startOffset = cursor.selectionStart();
        *endOffset = cursor.selectionEnd();
    }
}

int AccessibleCodePane::selectionCount() const
{
    return pane()->textCursor().hasSelection() ? 1 : 0;
}

void AccessibleCodePane::addSelection(int startOffset, int endOffset)
{
    setSelection(0, startOffset, endOffset);
}

void AccessibleCodePane::removeSelection(int selectionIndex)
{
    if (selectionIndex != 0)
        return;
    QTextCursor cursor = pane()->textCursor();
    cursor.clearSelection();
    pane()->setTextCursor(cursor);
}

void AccessibleCodePane::setSelection(int selectionIndex, int startOffset, int endOffset)
{
    if (selectionIndex != 0)
        return;
    const int count = characterCount();
    QTextCursor cursor = pane()->textCursor();
    cursor.setPosition(qBound(0, startOffset, count));
    cursor.setPosition(qBound(0, endOffset, count), QTextCursor::KeepAnchor);
    pane()->setTextCursor(cursor);
}

int AccessibleCodePane::cursorPosition() const
{
    return pane()->textCursor().position();
}

void AccessibleCodePane::setCursorPosition(int position)
{
    QTextCursor cursor = pane()->textCursor();
    cursor.setPosition(qBound(0, position, characterCount()));
    pane()->setTextCursor(cursor);
}

QString AccessibleCodePane::text(int startOffset, int endOffset) const
{
    const int count = characterCount();
    startOffset = qBound(0, startOffset, count);
    endOffset = qBound(0, endOffset, count);
    if (startOffset >= endOffset)
        return QString();
    QTextCursor cursor(pane()->document());
    cursor.setPosition(startOffset);
    cursor.setPosition(endOffset, QTextCursor::KeepAnchor);
    // Line breaks read as line breaks, as in the pane's whole text.
    return cursor.selectedText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

int AccessibleCodePane::characterCount() const
{
    return pane()->document()->characterCount() - 1;
}

QRect AccessibleCodePane::characterRect(int offset) const
{
    const QTextBlock block = pane()->document()->findBlock(offset);
    if (!block.isValid() || offset < 0 || offset > characterCount())
        return QRect();
    // The line's place in the viewport first: finding it lays the line out when it was not yet.
    const QRectF area = pane()->lineArea(block);
    const QTextLayout *layout = block.layout();
    const int inBlock = offset - block.position();
    const QTextLine line = layout->lineForTextPosition(inBlock);
    if (!line.isValid())
        return QRect();
    const qreal left = line.cursorToX(inBlock);
    // The line break at a line's end is as wide as an average character; any other character reaches to where
    // the next one begins (on its own line, even when the next one wraps onto the line below).
    qreal right = left + QFontMetricsF(pane()->font()).averageCharWidth();
    if (inBlock < block.length() - 1)
        right = line.cursorToX(inBlock + 1);
    const QPointF origin = area.topLeft() + layout->position();
    const QRectF inViewport(origin.x() + qMin(left, right), origin.y() + line.y(), qAbs(right - left),
                            line.height());
    const QRect rounded = inViewport.toAlignedRect();
    return QRect(pane()->viewport()->mapToGlobal(rounded.topLeft()), rounded.size());
}

int AccessibleCodePane::offsetAtPoint(const QPoint &point) const
{
    // The caret position nearest the point lies before or after the character under it, if there is one.
    const QPoint inViewport = pane()->viewport()->mapFromGlobal(point);
    if (!pane()->viewport()->rect().contains(inViewport))
        return -1;
    const int nearest = pane()->cursorForPosition(inViewport).position();
    for (const int candidate : {nearest, nearest - 1})
        if (candidate >= 0 && candidate < characterCount() && characterRect(candidate).contains(point))
            return candidate;
    return -1;
}

void AccessibleCodePane::scrollToSubstring(int startIndex, int endIndex)
{
    // Brings the line of the stretch's start to the top of the pane when it is out of sight; the caret stays.
    Q_UNUSED(endIndex);
    const QRect start = characterRect(startIndex);
    if (start.isNull())
        return;
    const QRect viewport(pane()->viewport()->mapToGlobal(QPoint(0, 0)), pane()->viewport()->size());
    if (viewport.contains(start))
        return;
    const QTextBlock block = pane()->document()->findBlock(startIndex);
    const QTextLine line = block.layout()->lineForTextPosition(startIndex - block.position());
    pane()->verticalScrollBar()->setValue(block.firstLineNumber() + (line.isValid() ? line.lineNumber() : 0));
}

QString AccessibleCodePane::attributes(int offset, int *startOffset, int *endOffset) const
{
    *startOffset = *endOffset = offset;
    const QTextBlock block = pane()->document()->findBlock(offset);
    if (!block.isValid() || offset < 0 || offset >= characterCount())
        return QString();
    // The stretch of the same look around the offset, as the pane paints it: the colours tell a warning (red)
    // from a tag (purple) and from the page's own text.
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        if (!fragment.contains(offset))
            continue;
        *startOffset = fragment.position();
        *endOffset = fragment.position() + fragment.length();
        const QTextCharFormat format = fragment.charFormat();
        const QFont font = format.font();
        QString attributes = QStringLiteral("font-family:\"%1\";font-size:%2pt;font-weight:%3;")
                                 .arg(font.family())
                                 .arg(font.pointSizeF() > 0 ? font.pointSizeF() : pane()->font().pointSizeF())
                                 .arg(font.bold() ? QStringLiteral("bold") : QStringLiteral("normal"));
        if (font.italic())
            attributes += QStringLiteral("font-style:italic;");
        if (format.hasProperty(QTextFormat::ForegroundBrush))
            attributes += QStringLiteral("color:") + cssColour(format.foreground().color()) + u';';
        if (format.hasProperty(QTextFormat::BackgroundBrush))
            attributes += QStringLiteral("background-color:") + cssColour(format.background().color()) + u';';
        return attributes;
    }
    // The line break at the line's end has its line's look and stands alone.
    *endOffset = offset + 1;
    return QString();
}

void AccessibleCodePane::deleteText(int startOffset, int endOffset)
{
    replaceRange(startOffset, endOffset, QString());
}

void AccessibleCodePane::insertText(int offset, const QString &text)
{
    replaceRange(offset, offset, text);
}

void AccessibleCodePane::replaceText(int startOffset, int endOffset, const QString &text)
{
    replaceRange(startOffset, endOffset, text);
}

void AccessibleCodePane::replaceRange(int startOffset, int endOffset, const QString &text)
{
    if (pane()->isReadOnly())
        return;
    const int count = characterCount();
    QTextCursor cursor(pane()->document());
    cursor.setPosition(qBound(0, startOffset, count));
    cursor.setPosition(qBound(0, endOffset, count), QTextCursor::KeepAnchor);
    cursor.insertText(text);
}
