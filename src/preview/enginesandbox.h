#pragma once

// Settles the web engine's sandbox before the application exists. Chromium cannot start its sandbox as root,
// so only then is it turned off (returns true: the caller tells the user). For any other user the sandbox is
// kept: a variable or engine flag in the environment that would turn it off is removed, so every page the
// pane shows runs sandboxed.
bool prepareEngineSandbox(bool runningAsRoot);
