#pragma once

#include <QFont>

// Fonts of the interface: Tahoma (the system's, or the Tahoma-metric face Debian ships with fonts-wine), with
// a face of full Greek coverage for the letters Tahoma lacks; without any Tahoma, that Greek face alone.
namespace Fonts {
QString family();
// A font of a given pixel height.
QFont pixels(int pixelHeight, bool bold = false);
// A font of a given point size.
QFont points(int pointSize, bool bold = false);
// A font of a given point size for captions in Latin letters only.
QFont latinPoints(int pointSize, bool bold = false);
} // namespace Fonts
