#pragma once

#include <QByteArray>
#include <QString>

// The bytes the preview serves for a document. They always start with a byte-order mark, which the browser
// honours above any character set the document declares in a meta element, so every character reaches the
// page exactly as written.

// The text as the code pane hands its lines over: split into lines at every CR LF, lone CR and lone LF, each
// line (the last one included) followed by CR LF, encoded as UTF-8 behind the UTF-8 byte-order mark. A line
// break at the very end ends the last line and adds no empty line; empty text gives the mark alone. The code
// pane's stand-ins for paragraph separators become the separators again.
QByteArray previewDocumentFromText(const QString &htmlCode);

// Bytes handed over whole: bytes that start with a UTF-8 or UTF-16 byte-order mark are kept as they are; any
// other bytes are read as UTF-8 and get the UTF-8 mark in front.
QByteArray previewDocumentFromBytes(const QByteArray &bytes);
