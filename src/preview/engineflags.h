#pragma once

#include <QByteArray>

// Adds a flag (such as "--log-level=3") to the web engine's command line, QTWEBENGINE_CHROMIUM_FLAGS, unless
// a flag of the same name is there already, set by the user or earlier. Call before the first web view
// exists.
void addEngineFlag(const QByteArray &flag);
