#pragma once

#include <QColor>

// Colours written as 0x00BBGGRR (red in the low byte), the way the program's tables write them.
QColor colourFromBgr(quint32 bgr);
quint32 bgrFromColour(const QColor &colour);
