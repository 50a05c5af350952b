#include "widgets/titlewidth.h"

#include <QApplication>
#include <QFontMetrics>

namespace {

// The icon, the three buttons and the gaps between them, in line heights of the title's face so that the room
// grows with larger fonts.
constexpr int buttonsLineHeights = 8;

} // namespace

int titleBarWidth(const QString &title)
{
    QFont titleFont = QApplication::font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    return metrics.horizontalAdvance(title) + buttonsLineHeights * metrics.height();
}
