#pragma once

#include <QString>

// The program's version, "major.minor.patch", as the build set it (shown by --version and the about window).
QString programVersion();

// The family of the system the program runs on, as the main window's title names it ("Linux", "Windows",
// "macOS", ...).
QString systemFamilyName();
// The system's full name, as the about window shows it ("Debian GNU/Linux 12 (bookworm)"); the family when
// the system does not say more.
QString systemFullName();
// The size of the running program's file in Greek units ("38,5 MB"); empty when it cannot be read.
QString programSizeText();
// A number of bytes in Greek units: "μπάιτ" below 1 KB, else KB, MB, GB or TB of 1,024 of the unit below,
// with one decimal after a comma ("512 μπάιτ", "1,5 KB", "38,5 MB").
QString greekDataSize(qint64 bytes);
