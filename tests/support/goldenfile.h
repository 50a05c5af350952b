#pragma once

#include <QString>
#include <QStringList>

// The text of a UTF-8 file; a null string, with a warning naming the file, when it cannot be read, so that
// the comparison that reads it fails.
QString readUtf8File(const QString &path);
// The lines of a UTF-8 file, each without its line break.
QStringList readUtf8Lines(const QString &path);

#ifdef VELMARK_GOLDEN_DIR
// The lines of an expected text kept in the golden/ folder next to the test's source.
inline QStringList goldenLines(const QString &fileName)
{
    return readUtf8Lines(QString::fromUtf8(VELMARK_GOLDEN_DIR "/") + fileName);
}
#endif
