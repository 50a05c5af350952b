#pragma once

#include "documents/core/textencoding.h"

#include <QString>

// The largest file the program opens as a document.
constexpr qint64 maximumDocumentBytes = 50LL * 1024 * 1024;

// The outcome of reading a source file.
struct TextFileRead
{
    bool ok = false;
    QString text;    // the document text, line breaks as in the file
    QString message; // when not ok: why, in Greek; when ok: a notice to show after loading, or empty
};

// Reads a source file for the code pane, decoding it by `decodeText`. A missing file, a folder or other
// non-regular file, a file over `maximumDocumentBytes`, an unreadable file and a binary file (NUL characters)
// give no text and a Greek message; a file with bytes that could not be read as characters is read with
// replacement characters and a notice that says so.
TextFileRead readTextFile(const QString &path);

// The outcome of saving a source file.
struct TextFileWrite
{
    bool ok = false;
    FileEncoding encoding; // the encoding the file was written in
    QString message;       // when not ok: why, in Greek; when ok: a notice to show after saving, or empty
};

// Saves a text by `encodeText`, atomically: the new file replaces the old one only once it is whole, so a
// failed write leaves any file of that name as it was. A text whose NUL characters were left out gets a
// notice that says so.
TextFileWrite writeTextFile(const QString &path, const QString &text);
