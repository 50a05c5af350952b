#pragma once

class AttributeBar;
struct EventGroup;

// The routines of the "Γεγονότα" menu (gegonota, forma, pliktra, pontiki, pliktrologio, misc, media): shows
// the attribute bar if it is hidden and puts the group's box at its left end, replacing an older box of the
// group. Works in every mode; a pick inserts only in editing mode, as every insertion does.
void addEventBox(AttributeBar *attributeBar, const EventGroup &group);
