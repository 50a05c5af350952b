#pragma once

#include <QtGlobal>

// Proportional set size in kB of one process, read from /proc; 0 when it has gone.
qint64 processPssKilobytes(qint64 pid);

// Proportional set size in kB of a process and all its descendants (the web engine's zygote, renderer and
// utility processes), read from /proc; processes that have gone count nothing.
qint64 processTreePssKilobytes(qint64 rootPid);

// The part of the proportional set size that no file backs (heaps, stacks, memory the web engine's processes
// share among themselves): what the program wrote itself. The rest, the pages of its libraries, is shared
// with every other program that maps the same libraries, and its proportional share moves with them: on a
// shared machine the whole size can move by tens of MB while the program's own memory stays put.
qint64 processWrittenKilobytes(qint64 pid);

// The same, summed over a process and all its descendants.
qint64 processTreeWrittenKilobytes(qint64 rootPid);
