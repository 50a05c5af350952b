#pragma once

// Keeps the terminal the program was started from quiet: only real errors (and the notice that the web
// view's sandbox is off when run as root) reach it. Call before the application object exists.
// - When the session has no runtime folder (XDG_RUNTIME_DIR), prepares the private one Qt would fall back to,
//   so that Qt has nothing to warn about; a folder that is not safe to use is left for Qt to report.
// - Turns off the web engine's start-up report, its "sandboxing disabled" note and the console messages of
//   the pages shown (the program logs nothing), and keeps Chromium's own log to its fatal errors.
void quietenTerminal();
