#pragma once

#include <QtGlobal>

// The program's colours, each named once, as 0x00BBGGRR values (red in the low byte): the form in which the
// code pane's looks, the help and terms texts, the panels and the printout take them. colourFromBgr
// (widgets/bgrcolour.h) turns one into a QColor.
namespace ProgramColours {
constexpr quint32 Black = 0x000000;
constexpr quint32 Purple = 0x800040;    // red 64, green 0, blue 128: tag texts, names in the help texts
constexpr quint32 Red = 0x0000D7;       // red 215: unbalanced tags and their warnings
constexpr quint32 DarkRed = 0x0000A8;   // red 168: closing-tag warnings, headings of the help texts
constexpr quint32 DeepRed = 0x0000A9;   // red 169, a shade from DarkRed: the contact text's second address
constexpr quint32 Violet = 0xAA0055;    // red 85, green 0, blue 170: the presentation's topic list
constexpr quint32 PaleBlue = 0xF9D2DA;  // red 218, green 210, blue 249: the address row
constexpr quint32 LightGrey = 0xE9E9E9; // red, green and blue 233: the tag toolbars' container
constexpr quint32 Grey = 0x808080;      // red, green and blue 128: the printout's header and footer
} // namespace ProgramColours
