#pragma once

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <optional>

// The encodings the program reads and writes source files in.
enum class FileEncoding
{
    Utf8,         // UTF-8 without a byte-order mark
    Utf8WithMark, // UTF-8 behind the byte-order mark EF BB BF
    Utf16LE,      // UTF-16 little-endian behind FF FE
    Utf16BE,      // UTF-16 big-endian behind FE FF
    Iso8859_7,    // ISO-8859-7 (Greek)
    Iso8859_1,    // ISO-8859-1 (Latin)
    Windows1253,  // Windows-1253 (Greek), the encoding of files without a mark or a declaration
    Windows1252   // Windows-1252 (Western)
};

// The character set that a document declares in a meta element (`<meta charset="…">` or the http-equiv
// Content-Type form), looked for the way browsers pre-scan a page: markup only, comments skipped, the first
// declaration of a known character set wins. The caller passes the part of the document to look at (browsers
// look at the first 1,024 bytes). Unknown or missing declarations give nothing.
std::optional<FileEncoding> declaredEncoding(QStringView head);

// The outcome of decoding a file's bytes.
struct DecodedText
{
    QString text;                               // the text, line breaks as they stood in the file
    FileEncoding encoding = FileEncoding::Utf8; // the encoding the bytes were read in
    bool malformed = false; // bytes invalid in the marked Unicode encoding were replaced by U+FFFD
    bool binary = false;    // the bytes hold NUL characters: not a text file, text left empty
};

// Decodes a file's bytes: a byte-order mark decides (UTF-8, UTF-16 LE or BE; the mark is not part of the
// text); else the character set the document declares in its first 1,024 bytes (a UTF-8 declaration only when
// the bytes are valid UTF-8: older files declared UTF-8 yet were written in Windows-1253); else valid UTF-8
// is read as UTF-8; else Windows-1253.
DecodedText decodeText(const QByteArray &bytes);

// The outcome of encoding a text for a file.
struct EncodedText
{
    QByteArray bytes;
    FileEncoding encoding = FileEncoding::Windows1253;
};

// Encodes a text for a file: lines separated by CR LF (whatever breaks the text holds), no break added at the
// end, in the character set the text declares in its first 1,024 characters, or in Windows-1253 without a
// declaration. When the text would not read back identically from those bytes (a character the encoding
// lacks, or bytes that a reader would take for another encoding), it is written as UTF-8 behind the
// byte-order mark instead, so no character is ever lost.
EncodedText encodeText(const QString &text);

// The text with every CR LF, lone CR and lone LF written as CR LF.
QString withCrLfBreaks(const QString &text);
