#pragma once

#include <QBitArray>
#include <QStringList>

// Which characters of a document are the names of its markup: tag names and attribute names, which HTML reads
// without regard to letter case. Everything else (text between tags, attribute values, comments, declarations
// and the content of script and style elements) says what the page shows or does, so painting may recolour it
// but never change its letters.
//
// The lines are read as one text with a line break between them. Every character with a code of 32 or less
// counts as white space, so changing the blanks at the start of a line never changes which characters are
// names. Letter case never matters either.
//
// Returns one bit per character, the lines laid end to end without their line breaks.
QBitArray markupNamePositions(const QStringList &lines);
