#pragma once

#include <QFont>
#include <QtGlobal>

class CodePane;

// A full look of text: a font (colour, size, style, face) and a background.
struct TextLook
{
    QFont font;
    quint32 fontColour = 0; // 0x00BBGGRR
    quint32 backColour = 0xFFFFFF;
};

// Gives every occurrence of a text (found forward, ignoring case, not overlapping) the full
// look.
void setLookOfEveryOccurrence(CodePane *pane, const QString &text, const TextLook &look);
// Gives every occurrence of a text the colour and bold, and rewrites its letters in the
// case of the searched text. Does nothing while the pane's own visibility flag is off.
void recolourEveryOccurrence(CodePane *pane, const QString &text, quint32 colour);
