#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The character encodings that web pages are written in, as browsers know them, each with the labels pages
// name it by and the decoder and encoder browsers use for it.
enum class CharacterEncoding
{
    Utf8,
    Ibm866,
    Iso8859_2,
    Iso8859_3,
    Iso8859_4,
    Iso8859_5,
    Iso8859_6,
    Iso8859_7,
    Iso8859_8,
    Iso8859_8I,
    Iso8859_10,
    Iso8859_13,
    Iso8859_14,
    Iso8859_15,
    Iso8859_16,
    Koi8R,
    Koi8U,
    Macintosh,
    Windows874,
    Windows1250,
    Windows1251,
    Windows1252,
    Windows1253,
    Windows1254,
    Windows1255,
    Windows1256,
    Windows1257,
    Windows1258,
    XMacCyrillic,
    Gbk,
    Gb18030,
    Big5,
    EucJp,
    Iso2022Jp,
    ShiftJis,
    EucKr,
    Replacement, // stands for encodings that are never decoded, so their bytes cannot smuggle markup in
    Utf16BE,
    Utf16LE,
    XUserDefined
};

// The encoding a label names: ASCII white space around it is ignored, letter case too. Labels no browser
// knows give nothing.
std::optional<CharacterEncoding> encodingForLabel(QByteArrayView label);

// The encoding's name, in the letter case browsers report it ("windows-1253", "UTF-8", "ISO-8859-7").
QByteArray encodingName(CharacterEncoding encoding);

// Whether this build can decode the encoding (the converters of multi-byte and most single-byte encodings
// come with Qt's ICU support).
bool canDecode(CharacterEncoding encoding);

// The outcome of decoding bytes in one encoding.
struct DecodedBytes
{
    QString text;
    // How many bytes or sequences could not be read as characters, each of which became U+FFFD (a U+FFFD that
    // the bytes spell out does not count). Converters that do not tell how many count one.
    qsizetype replacements = 0;
};

// Decodes bytes (without a byte-order mark) in the encoding, as browsers decode them: UTF-8 and UTF-16 turn
// every malformed sequence into one U+FFFD, single-byte encodings every byte they do not assign.
DecodedBytes decodeBytes(CharacterEncoding encoding, QByteArrayView bytes);

// Encodes a text in the encoding; nothing when a character has no bytes there (or the encoding is never
// written, as "replacement" and UTF-16 without a mark).
std::optional<QByteArray> encodeCharacters(CharacterEncoding encoding, const QString &text);
