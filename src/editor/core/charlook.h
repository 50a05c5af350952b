#pragma once

#include <QtGlobal>

// Colours of the code pane, as 0x00BBGGRR values (red in the low byte).
constexpr quint32 BaseColour = 0x000000; // plain text: black, not bold
constexpr quint32 TagColour = 0x800040;  // every tag text while the graphical switch is ticked: dark violet
constexpr quint32 WarningColour = 215;   // unbalanced tags in the code pane, opening-tag warning lines
constexpr quint32 ClosingWarningColour = 168; // closing-tag warning lines in the message pane

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
