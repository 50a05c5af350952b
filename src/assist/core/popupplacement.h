#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the value popup goes for a click at `pointer` (screen coordinates): its combo box centred on the
// pointer's height, 3 pixels lower, and 100 pixels right of centred on the pointer, so the pointer stays
// free over the text; then moved as little as needed to keep the whole window (of `windowSize`) on
// `screen`. `combo` is the size of the combo box as its list set it.
QPoint popupPosition(const QPoint &pointer, const QSize &combo, const QSize &windowSize, const QRect &screen);
