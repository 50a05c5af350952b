#include "help/helppane.h"

#include "widgets/bgrcolour.h"
#include "widgets/fonts.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>

HelpPane::HelpPane(QWidget *parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("RichEdit1"));
    setReadOnly(true);
    setAcceptRichText(false);
    setFont(Fonts::pixels(15));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setLineWrapMode(QTextEdit::WidgetWidth);
}

void HelpPane::setTextMargins(int left, int top, int right, int bottom)
{
    m_margins = QMargins(left, top, right, bottom);
    applyMargins();
}

void HelpPane::applyMargins()
{
    // The document's own margin is uniform; the root frame carries the per-edge margins inside it.
    document()->setDocumentMargin(0);
    QTextFrameFormat frame = document()->rootFrame()->frameFormat();
    frame.setLeftMargin(m_margins.left());
    frame.setTopMargin(m_margins.top());
    frame.setRightMargin(m_margins.right());
    frame.setBottomMargin(m_margins.bottom());
    document()->rootFrame()->setFrameFormat(frame);
}

void HelpPane::clearLines()
{
    clear();
    applyMargins();
    m_empty = true;
    moveCursor(QTextCursor::Start);
}

void HelpPane::addLine(const QString &text, quint32 colour, bool bold)
{
    QTextCharFormat format;
    format.setForeground(colourFromBgr(colour));
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    QTextCursor c(document());
    c.movePosition(QTextCursor::End);
    if (m_empty)
        c.setBlockCharFormat(format);
    else
        c.insertBlock(QTextBlockFormat(), format);
    c.insertText(text, format);
    m_empty = false;
}

QStringList HelpPane::lines() const
{
    QStringList result;
    if (m_empty)
        return result;
    for (QTextBlock b = document()->begin(); b.isValid(); b = b.next())
        result.append(b.text());
    return result;
}
