#pragma once

#include "documents/core/characterencodings.h"

#include <QByteArray>
#include <QString>

// The encoding of a source file: a character encoding, and whether the file starts with its byte-order mark.
struct FileEncoding
{
    CharacterEncoding encoding = CharacterEncoding::Utf8;
    bool byteOrderMark = false;

    friend bool operator==(const FileEncoding &a, const FileEncoding &b)
    {
        return a.encoding == b.encoding && a.byteOrderMark == b.byteOrderMark;
    }
    friend bool operator!=(const FileEncoding &a, const FileEncoding &b) { return !(a == b); }
};

// The outcome of decoding a file's bytes.
struct DecodedText
{
    QString text; // the text, line breaks as they stood in the file
    FileEncoding encoding;
    bool malformed = false; // some bytes could not be read as characters: each became U+FFFD
    bool binary = false;    // the bytes hold NUL characters: not a text file, text left empty
};

// Decodes a file's bytes. A byte-order mark decides (UTF-8, UTF-16 LE or BE; the mark is not part of the
// text). Otherwise bytes holding a NUL are no text; else the encoding the page declares in its first bytes is
// used (found as browsers find it), except that a declaration of "replacement", which would read the whole
// file as one unreadable character, or of an encoding this build cannot decode, counts as none. A file
// declaring UTF-8, or declaring nothing, is read as UTF-8 when its bytes are UTF-8 or mostly so (more
// characters read than bytes replaced, the stray bytes becoming U+FFFD); otherwise it is an older file
// written in Windows-1253, the encoding of Greek systems.
DecodedText decodeText(const QByteArray &bytes);

// The outcome of encoding a text for a file.
struct EncodedText
{
    QByteArray bytes;
    FileEncoding encoding;
    qsizetype droppedNulCharacters = 0; // NUL characters of the text that the bytes leave out
};

// Encodes a text for a file: lines separated by CR LF (whatever breaks the text holds), no break added at the
// end, in the character set the text declares in its first bytes, or in Windows-1253 without a usable
// declaration. When those bytes would not read back as exactly this text (a character the encoding lacks, or
// bytes that a reader would take for another encoding), the text is written as UTF-8 behind the byte-order
// mark instead, so that every character reads back as it was. NUL characters (pasted from somewhere, no
// text and nothing to a browser either) are left out: a file holding them would be taken for a binary file
// and not opened again.
EncodedText encodeText(const QString &text);

// The text with every CR LF, lone CR and lone LF written as CR LF.
QString withCrLfBreaks(const QString &text);
