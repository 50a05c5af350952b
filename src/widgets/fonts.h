#pragma once

#include <QFont>

// Fonts of the interface: Tahoma where it is installed, otherwise a face with full Greek coverage.
namespace Fonts {
QString family();
// A font of a given pixel height.
QFont pixels(int pixelHeight, bool bold = false);
// A font of a given point size.
QFont points(int pointSize, bool bold = false);
} // namespace Fonts
