#include "assist/core/popupplacement.h"

#include <algorithm>

QPoint popupPosition(const QPoint &pointer, const QSize &combo, const QSize &windowSize, const QRect &screen)
{
    // Integer division rounds toward zero, as the placement rule asks.
    int left = pointer.x() - combo.width() / 2 + 100;
    int top = pointer.y() - combo.height() / 2 + 3;
    if (screen.isValid()) {
        left = std::max(screen.left(), std::min(left, screen.right() + 1 - windowSize.width()));
        top = std::max(screen.top(), std::min(top, screen.bottom() + 1 - windowSize.height()));
    }
    return {left, top};
}
