#pragma once

#include <QBitArray>
#include <QStringList>

// Which letters of a document are the names of its markup: the letters of tag names and attribute names,
// which browsers read without regard to letter case. Everything else (text, attribute values, comments,
// declarations, the content of title, textarea, script, style, xmp, iframe, noembed, noframes and noscript
// elements, everything after a plaintext start tag, CDATA sections in SVG and MathML) says what the page
// shows or does, so painting may recolour it but never change its letters.
//
// The document is read as a browser's tokenizer reads it, following the open SVG and MathML elements as far
// as they decide how their content is read. Two choices keep the result the same before and after every
// change a refresh makes: every character with a code of 32 or less counts as white space, so changing the
// blanks at the start of a line never changes which letters are names; and names compare by their letters'
// case folding, so giving a letter another case never does either. Only letters that fold to a letter a to z
// are marked: browsers keep the case of any other letter in a name.
//
// The lines are read as one text with a line break between them; the cost grows with the length of the text.
// Returns one bit per character, the lines laid end to end without their line breaks.
QBitArray markupNamePositions(const QStringList &lines);
