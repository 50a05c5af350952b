#pragma once

#include <QPixmap>

// The program's own small pictures, drawn once.
namespace Pictures {
// The maker's logo, 20 × 20 (`Image1`).
QPixmap logo();
// A blue globe, 24 × 24, transparent (`Image2`, connected).
QPixmap globe();
// The globe with a red no-entry sign, 26 × 25, transparent (`Image3`, not connected).
QPixmap globeNoEntry();
// The about window's banner, 246 × 76: the name "Velmark" in large dark blue-grey letters under a wave.
QPixmap banner();
} // namespace Pictures
