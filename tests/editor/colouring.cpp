#include "colouring.h"

#include "editor/codepane.h"

#include <QApplication>

void setLookOfEveryOccurrence(CodePane *pane, const QString &text, const TextLook &look)
{
    const int searchLength = int(pane->linesText().size());
    int pos = pane->findText(text, 0, searchLength);
    while (pos != -1) {
        pane->setSelectionStart(pos);
        pane->setSelectionLength(int(text.size()));
        pane->setSelColor(look.fontColour);
        pane->setSelSize(look.font.pointSize());
        pane->setSelStyle(look.font.bold(), look.font.italic(), look.font.underline());
        pane->setSelName(look.font.family());
        pane->setSelBackColor(look.backColour);
        pos = pane->findText(text, pos + int(text.size()), searchLength);
    }
}

void recolourEveryOccurrence(CodePane *pane, const QString &text, quint32 colour)
{
    if (pane->isHidden())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int searchLength = int(pane->text().size());
    int pos = pane->findText(text, 0, searchLength);
    while (pos != -1) {
        if (pane->isVisible())
            pane->setFocus();
        pane->setSelectionStart(pos);
        pane->setSelectionLength(int(text.size()));
        pane->setSelColor(colour);
        pane->setSelStyle(true);
        pane->setSelectedText(text);
        pos = pane->findText(text, pos + int(text.size()), searchLength);
    }
    QApplication::restoreOverrideCursor();
}
