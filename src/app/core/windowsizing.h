#pragma once

#include <QSize>

// Outer size of the main window when it is shown on a screen of the given size.
QSize mainWindowOuterSize(const QSize &screen);
// Height of the editor area for a main window of the given outer height.
int editorAreaHeight(int windowOuterHeight);
