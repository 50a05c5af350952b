#pragma once

#include <QString>

// The width a window needs for the window manager to show its whole title: the title in the bold face of the
// program's font (title bars commonly draw bold, at about that size) and room beside it for the window's icon
// and its minimise, maximise and close buttons. Narrower windows have their titles cut short.
int titleBarWidth(const QString &title);
