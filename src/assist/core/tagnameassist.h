#pragma once

#include <QString>

struct AttributeList;

// What a blank typed right after a tag name offers on the attribute bar.
struct TagNameOffer
{
    bool generalBox = false;             // the general attributes box
    const AttributeList *list = nullptr; // the tag's own attribute buttons, or nullptr
};

// The typing assistant's reading of the text before the caret, free of widgets: it finds the tag name just
// typed and says what the attribute bar offers for it, from the palette's one attribute table.
namespace TagNameAssist {

// The candidate: the caret's line from the nearest "<" before the caret up to the caret; empty when no "<"
// stands before the caret. `column` is the number of characters before the caret on the line.
QString candidate(const QString &line, int column);

// A candidate without any capital letter A-Z has its letters a-z made capital; one that already has a capital
// is left as typed, so that "Table" stays unrecognised. Only these ASCII letters change.
QString normalised(const QString &candidate);

// The offer for a (normalised) candidate: the general box for the opening tag names of the tag buttons
// without their ">" and for "<A HREF"; attribute buttons for the names whose tag button has a list.
TagNameOffer offerFor(const QString &name);

} // namespace TagNameAssist
