#include "app/windowsizing.h"

QSize mainWindowOuterSize(const QSize &screen)
{
    return {screen.width() - 5, screen.height() - 63};
}

int editorAreaHeight(int windowOuterHeight)
{
    return windowOuterHeight - 210;
}
