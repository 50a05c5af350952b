#pragma once

#include <QString>

// The code pane's text document takes a paragraph separator (U+2029) for a line break, so a file holding one
// would come back with a line break in its place. The pane holds each as a stand-in instead: the noncharacter
// U+FDEF, a code point that Unicode keeps for a program's own use and never gives a meaning. The text gets
// its separators back wherever it leaves the program, as a file or as the page the preview shows.
constexpr char16_t paragraphSeparatorStandIn = 0xFDEF;

// The text with each paragraph separator as its stand-in, for the pane.
inline QString withParagraphSeparatorsHeld(QString text)
{
    return text.replace(QChar::ParagraphSeparator, QChar(paragraphSeparatorStandIn));
}

// The text with each stand-in as the paragraph separator it holds, for a file or a page.
inline QString withParagraphSeparatorsGivenBack(QString text)
{
    return text.replace(QChar(paragraphSeparatorStandIn), QChar::ParagraphSeparator);
}
