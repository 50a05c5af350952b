#pragma once

#include <QtGlobal>

// Proportional set size in kB of one process, read from /proc; 0 when it has gone.
qint64 processPssKilobytes(qint64 pid);

// Proportional set size in kB of a process and all its descendants (the web engine's zygote, renderer and
// utility processes), read from /proc; processes that have gone count nothing.
qint64 processTreePssKilobytes(qint64 rootPid);
