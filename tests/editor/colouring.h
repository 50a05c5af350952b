#pragma once

#include <QFont>
#include <QtGlobal>

class CodePane;

// `TTextAttributes`: the full look `SetTextColor` gives: a font (colour, size, style, face) and a background.
struct TTextAttributes
{
    QFont Font;
    quint32 FontColor = 0; // 0x00BBGGRR
    quint32 BackColor = 0xFFFFFF;
};

// `SetTextColor`: gives every occurrence of a text (found forward, ignoring case, not overlapping) the full
// look.
void SetTextColor(CodePane *pane, const QString &text, const TTextAttributes &attributes);
// `RearchAndReplace`: gives every occurrence of a text the colour and bold, and rewrites its letters in the
// case of the searched text. Does nothing while the pane's own visibility flag is off.
void RearchAndReplace(CodePane *pane, const QString &text, quint32 colour);
