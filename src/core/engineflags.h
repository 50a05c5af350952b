#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Adds a flag (such as "--log-level=3") to the web engine's command line, QTWEBENGINE_CHROMIUM_FLAGS, unless
// a flag of the same name is there already, set by the user or earlier. Call before the first web view
// exists.
void addEngineFlag(const QByteArray &flag);

// QTWEBENGINE_CHROMIUM_FLAGS split as the web engine splits it: at spaces, double quotes grouping spaces
// into a flag and then dropped.
QStringList splitEngineFlags(const QString &flags);
// The flags written back so that splitEngineFlags gives them again.
QString joinEngineFlags(const QStringList &flags);
