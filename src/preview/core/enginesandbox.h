#pragma once

#include <QString>
#include <QStringList>

// Whether a flag of the web engine's command line would let the pages it shows out of their sandbox or out
// of their origin: the process sandbox (no-sandbox, the seccomp, setuid and namespace layers, the graphics
// process's sandbox), running pages inside the program's own process (single-process, in-process-gpu,
// no-zygote), starting them through a command of someone's choosing (renderer-cmd-prefix and the like), or
// the same-origin rules that keep a page from reading local files (disable-web-security,
// allow-file-access-from-files, disable-site-isolation-trials, disable-features naming IsolateOrigins or
// site-per-process), or a debugging port or pipe through which another program drives the pages
// (remote-debugging-port, remote-debugging-pipe). Chromium reads a flag with one dash or two,
// ignores the blanks around it and takes what follows "=" as its value; the name is compared whatever its
// letter case and however many dashes lead it, so no spelling gets past.
bool weakensEngineSandbox(const QString &flag);

// What settling the sandbox did.
struct EngineSandboxSettlement
{
    bool turnedOffAsRoot = false; // run as root: the sandbox was turned off (the caller tells the user)
    QStringList refused;          // the variable and flags removed, as they were written
};

// Settles the web engine's sandbox before the application exists. Chromium cannot start its sandbox as root,
// so only then is it turned off. For any other user the sandbox is kept: QTWEBENGINE_DISABLE_SANDBOX is
// removed, and so is QTWEBENGINEPROCESS_PATH, which would start the pages' processes from another program.
// For every user QTWEBENGINE_REMOTE_DEBUGGING (a debugging port) is removed, and each flag that
// `weakensEngineSandbox` is removed from QTWEBENGINE_CHROMIUM_FLAGS and from the program's arguments after
// --webEngineArgs (which the engine reads when that variable is not set): `argc` and `argv` are shortened in
// place.
EngineSandboxSettlement prepareEngineSandbox(bool runningAsRoot, int &argc, char **argv);

// What the program says on its standard error about the settlement, Greek first, then English; empty when
// there is nothing to say.
QString engineSandboxNotice(const EngineSandboxSettlement &settlement);
