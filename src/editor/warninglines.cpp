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
    // Warnings of one colour follow each other and are written at once, so a long list costs little.
    for (qsizetype first = 0; first < warnings.size();) {
        const quint32 colour = warnings.at(first).colour;
        QString lines;
        qsizetype next = first;
        for (; next < warnings.size() && warnings.at(next).colour == colour; ++next)
            lines += warnings.at(next).text + u'\n';
        c.insertText(lines, paintedLookFormat(colour));
        first = next;
    }
    c.endEditBlock();
}
