#include "editor/documentlooks.h"

#include "editor/codepane.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

QColor colourFromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

QTextCharFormat baseLookFormat()
{
    QTextCharFormat f;
    f.setForeground(QColor(0, 0, 0));
    f.setBackground(QColor(255, 255, 255));
    f.setFontPointSize(11);
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontUnderline(false);
    f.setFontStrikeOut(false);
    return f;
}

QTextCharFormat paintedLookFormat(quint32 colour)
{
    QTextCharFormat f;
    f.setForeground(colourFromBgr(colour));
    f.setFontWeight(QFont::Bold);
    return f;
}

void applyLooks(CodePane *pane, const QVector<QVector<LookRun>> &looks)
{
    QTextDocument *doc = pane->document();
    QTextCursor c(doc);
    c.select(QTextCursor::Document);
    QTextCharFormat base = baseLookFormat();
    base.setFontFamilies(pane->font().families());
    c.setCharFormat(base);
    QTextBlock block = doc->begin();
    for (int i = 0; i < looks.size() && block.isValid(); ++i, block = block.next()) {
        for (const LookRun &run : looks[i]) {
            if (run.colour == BaseColour && !run.bold)
                continue;
            c.setPosition(block.position() + run.start);
            c.setPosition(block.position() + run.start + run.length, QTextCursor::KeepAnchor);
            QTextCharFormat f = paintedLookFormat(run.colour);
            if (!run.bold)
                f.setFontWeight(QFont::Normal);
            c.mergeCharFormat(f);
        }
    }
}
