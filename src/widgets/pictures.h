#pragma once

#include <QIcon>
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

// The icons of the address row's buttons, 20 × 20 (and twice that for dense screens), each its own shape:
// a house (home), a left and a right arrow (back, forward), a circular arrow (reload) and the Enter key's
// bent arrow on a blue key (go to the typed address).
QIcon homeIcon();
QIcon backIcon();
QIcon forwardIcon();
QIcon reloadIcon();
QIcon goIcon();
} // namespace Pictures
