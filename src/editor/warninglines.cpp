#include "editor/warninglines.h"

#include "editor/codepane.h"
#include "editor/documentlooks.h"

#include <QTextCursor>
#include <QTextDocument>

void writeWarningLines(CodePane *pane, const QList<BalanceWarning> &warnings)
{
    pane->clearLines();
    QTextCursor c(pane->document());
    c.beginEditBlock();
    for (const BalanceWarning &w : warnings) {
        const QTextCharFormat format = paintedLookFormat(w.colour);
        c.insertText(w.text, format);
        c.insertBlock(QTextBlockFormat(), format);
    }
    c.endEditBlock();
}
