#pragma once

#include "core/programcolours.h"

#include <QtGlobal>

// Colours of the code pane and the message pane, as 0x00BBGGRR values (red in the low byte).
constexpr quint32 BaseColour = ProgramColours::Black;  // plain text, not bold
constexpr quint32 TagColour = ProgramColours::Purple;  // every tag text while the switch is ticked
constexpr quint32 WarningColour = ProgramColours::Red; // unbalanced tags, opening-tag warning lines
constexpr quint32 ClosingWarningColour = ProgramColours::DarkRed; // closing-tag warning lines

// A painted run inside one line: `length` characters from column `start` shown in `colour`, bold when `bold`.
// Characters outside every run have the base look (black, not bold).
struct LookRun
{
    int start = 0;
    int length = 0;
    quint32 colour = BaseColour;
    bool bold = false;

    friend bool operator==(const LookRun &a, const LookRun &b)
    {
        return a.start == b.start && a.length == b.length && a.colour == b.colour && a.bold == b.bold;
    }
    friend bool operator!=(const LookRun &a, const LookRun &b) { return !(a == b); }
};
