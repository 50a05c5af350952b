#include "colouring.h"

#include "editor/codepane.h"

#include <QApplication>

void SetTextColor(CodePane *pane, const QString &text, const TTextAttributes &attributes)
{
    const int searchLength = int(pane->linesText().size());
    int pos = pane->findText(text, 0, searchLength);
    while (pos != -1) {
        pane->setSelStart(pos);
        pane->setSelLength(int(text.size()));
        pane->setSelColor(attributes.FontColor);
        pane->setSelSize(attributes.Font.pointSize());
        pane->setSelStyle(attributes.Font.bold(), attributes.Font.italic(), attributes.Font.underline());
        pane->setSelName(attributes.Font.family());
        pane->setSelBackColor(attributes.BackColor);
        pos = pane->findText(text, pos + int(text.size()), searchLength);
    }
}

void RearchAndReplace(CodePane *pane, const QString &text, quint32 colour)
{
    if (pane->isHidden())
        return;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const int searchLength = int(pane->Text().size());
    int pos = pane->findText(text, 0, searchLength);
    while (pos != -1) {
        if (pane->isVisible())
            pane->setFocus();
        pane->setSelStart(pos);
        pane->setSelLength(int(text.size()));
        pane->setSelColor(colour);
        pane->setSelStyle(true);
        pane->setSelText(text);
        pos = pane->findText(text, pos + int(text.size()), searchLength);
    }
    QApplication::restoreOverrideCursor();
}
