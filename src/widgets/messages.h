#pragma once

#include <QString>

class QMessageBox;
class QWidget;

// A plain modal message box with a fixed Greek text and an OK button.
void showMessage(QWidget *parent, const QString &text);

// A modal question with the buttons "Ναι" and "Όχι"; true only when the user answered "Ναι". "Όχι" is the
// default button, and closing the box or pressing Escape answers it too.
bool askYesNo(QWidget *parent, const QString &text);

// Widens a message box so that the window manager can show its whole title (titleBarWidth): Qt sizes a box to
// its text and leaves little room for the title, which the title bar cuts short when it does not fit. Call it
// last before the box is shown: setting the box's icon, informative text or check box lays it out anew
// without the room.
void makeRoomForTitle(QMessageBox &box);
