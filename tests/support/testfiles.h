#pragma once

#include <QByteArray>
#include <QString>

// Writes the bytes to the file, making the folders on its path first; a failure fails the running test.
void writeFile(const QString &path, const QByteArray &bytes);
// Writes a PNG picture of 3 x 2 pixels to the file, making the folders on its path first.
void writePicture(const QString &path);
