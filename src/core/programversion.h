#pragma once

#include <QString>

// The program's version, "major.minor.patch", as the build set it (shown by --version and the about window).
QString programVersion();
