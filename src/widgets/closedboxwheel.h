#pragma once

class QComboBox;

// Keeps the mouse wheel from changing a drop-down box while its list is closed. A box that inserts its choice
// would otherwise insert one item per notch whenever the pointer rests on it while the pupil scrolls. In the
// open list the wheel scrolls the items as usual; the keyboard and the list's own choices are left as they
// are.
void keepWheelOffClosedBox(QComboBox *box);
