#pragma once

#include <QtGlobal>

// The program's colours, each named once, as 0x00BBGGRR values (red in the low byte): the form in which the
// code pane's looks, the help and terms texts, the panels and the printout take them. colourFromBgr
// (widgets/bgrcolour.h) turns one into a QColor.
namespace ProgramColours {
constexpr quint32 Black = 0x000000;
constexpr quint32 Purple = 0x800040;     // red 64, green 0, blue 128: tag texts, names in the help texts
constexpr quint32 Red = 0x0000D7;        // red 215: unbalanced tags and their warnings
constexpr quint32 DarkRed = 0x0000A8;    // red 168: closing-tag warnings, headings of the help texts
constexpr quint32 DeepRed = 0x0000A9;    // red 169, a shade from DarkRed: the contact text's second address
constexpr quint32 Violet = 0xAA0055;     // red 85, green 0, blue 170: the presentation's topic list
constexpr quint32 PaleBlue = 0xF9D2DA;   // red 218, green 210, blue 249: the address row
constexpr quint32 LightGrey = 0xE9E9E9;  // red, green and blue 233: the tag toolbars' container
constexpr quint32 Grey = 0x808080;       // red, green and blue 128: the printout's header and footer
constexpr quint32 NearWhite = 0xF9F9F9;  // red, green and blue 249: the address bar
constexpr quint32 Teal = 0x808000;       // red 0, green 128, blue 128: the address text, the progress done
constexpr quint32 Olive = 0x008080;      // red 128, green 128, blue 0: the progress bar's groove
constexpr quint32 DarkOlive = 0x005050;  // red 80, green 80, blue 0: the progress bar's border
constexpr quint32 DeepBlue = 0x804000;   // red 0, green 64, blue 128: the value popup's box
constexpr quint32 Silver = 0xC0C0C0;     // red, green and blue 192: the value popup's text
constexpr quint32 PaleYellow = 0xD7FFFF; // red 255, green 255, blue 215: the tag description tip
} // namespace ProgramColours
