#include "app/core/windowsizing.h"

// The window leaves 5 pixels of the screen's width and 63 of its height free: room for the task bar under it.
QSize mainWindowOuterSize(const QSize &screen)
{
    return {screen.width() - 5, screen.height() - 63};
}

// 210 pixels of the window's height stay above the editor area: menu, address row, browser status strip and
// the part of the preview that remains visible.
int editorAreaHeight(int windowOuterHeight)
{
    return windowOuterHeight - 210;
}
