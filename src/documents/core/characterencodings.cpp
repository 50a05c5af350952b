#include "documents/core/characterencodings.h"

#include <QHash>
#include <QStringDecoder>
#include <QStringEncoder>

#include <array>

namespace {

using Enc = CharacterEncoding;

struct Label
{
    const char *label;
    Enc encoding;
};

// Every label browsers know, lower case, with the encoding it names.
const Label labels[] = {
    {"unicode-1-1-utf-8", Enc::Utf8},
    {"unicode11utf8", Enc::Utf8},
    {"unicode20utf8", Enc::Utf8},
    {"utf-8", Enc::Utf8},
    {"utf8", Enc::Utf8},
    {"x-unicode20utf8", Enc::Utf8},
    {"866", Enc::Ibm866},
    {"cp866", Enc::Ibm866},
    {"csibm866", Enc::Ibm866},
    {"ibm866", Enc::Ibm866},
    {"csisolatin2", Enc::Iso8859_2},
    {"iso-8859-2", Enc::Iso8859_2},
    {"iso-ir-101", Enc::Iso8859_2},
    {"iso8859-2", Enc::Iso8859_2},
    {"iso88592", Enc::Iso8859_2},
    {"iso_8859-2", Enc::Iso8859_2},
    {"iso_8859-2:1987", Enc::Iso8859_2},
    {"l2", Enc::Iso8859_2},
    {"latin2", Enc::Iso8859_2},
    {"csisolatin3", Enc::Iso8859_3},
    {"iso-8859-3", Enc::Iso8859_3},
    {"iso-ir-109", Enc::Iso8859_3},
    {"iso8859-3", Enc::Iso8859_3},
    {"iso88593", Enc::Iso8859_3},
    {"iso_8859-3", Enc::Iso8859_3},
    {"iso_8859-3:1988", Enc::Iso8859_3},
    {"l3", Enc::Iso8859_3},
    {"latin3", Enc::Iso8859_3},
    {"csisolatin4", Enc::Iso8859_4},
    {"iso-8859-4", Enc::Iso8859_4},
    {"iso-ir-110", Enc::Iso8859_4},
    {"iso8859-4", Enc::Iso8859_4},
    {"iso88594", Enc::Iso8859_4},
    {"iso_8859-4", Enc::Iso8859_4},
    {"iso_8859-4:1988", Enc::Iso8859_4},
    {"l4", Enc::Iso8859_4},
    {"latin4", Enc::Iso8859_4},
    {"csisolatincyrillic", Enc::Iso8859_5},
    {"cyrillic", Enc::Iso8859_5},
    {"iso-8859-5", Enc::Iso8859_5},
    {"iso-ir-144", Enc::Iso8859_5},
    {"iso8859-5", Enc::Iso8859_5},
    {"iso88595", Enc::Iso8859_5},
    {"iso_8859-5", Enc::Iso8859_5},
    {"iso_8859-5:1988", Enc::Iso8859_5},
    {"arabic", Enc::Iso8859_6},
    {"asmo-708", Enc::Iso8859_6},
    {"csiso88596e", Enc::Iso8859_6},
    {"csiso88596i", Enc::Iso8859_6},
    {"csisolatinarabic", Enc::Iso8859_6},
    {"ecma-114", Enc::Iso8859_6},
    {"iso-8859-6", Enc::Iso8859_6},
    {"iso-8859-6-e", Enc::Iso8859_6},
    {"iso-8859-6-i", Enc::Iso8859_6},
    {"iso-ir-127", Enc::Iso8859_6},
    {"iso8859-6", Enc::Iso8859_6},
    {"iso88596", Enc::Iso8859_6},
    {"iso_8859-6", Enc::Iso8859_6},
    {"iso_8859-6:1987", Enc::Iso8859_6},
    {"csisolatingreek", Enc::Iso8859_7},
    {"ecma-118", Enc::Iso8859_7},
    {"elot_928", Enc::Iso8859_7},
    {"greek", Enc::Iso8859_7},
    {"greek8", Enc::Iso8859_7},
    {"iso-8859-7", Enc::Iso8859_7},
    {"iso-ir-126", Enc::Iso8859_7},
    {"iso8859-7", Enc::Iso8859_7},
    {"iso88597", Enc::Iso8859_7},
    {"iso_8859-7", Enc::Iso8859_7},
    {"iso_8859-7:1987", Enc::Iso8859_7},
    {"sun_eu_greek", Enc::Iso8859_7},
    {"csiso88598e", Enc::Iso8859_8},
    {"csisolatinhebrew", Enc::Iso8859_8},
    {"hebrew", Enc::Iso8859_8},
    {"iso-8859-8", Enc::Iso8859_8},
    {"iso-8859-8-e", Enc::Iso8859_8},
    {"iso-ir-138", Enc::Iso8859_8},
    {"iso8859-8", Enc::Iso8859_8},
    {"iso88598", Enc::Iso8859_8},
    {"iso_8859-8", Enc::Iso8859_8},
    {"iso_8859-8:1988", Enc::Iso8859_8},
    {"visual", Enc::Iso8859_8},
    {"csiso88598i", Enc::Iso8859_8I},
    {"iso-8859-8-i", Enc::Iso8859_8I},
    {"logical", Enc::Iso8859_8I},
    {"csisolatin6", Enc::Iso8859_10},
    {"iso-8859-10", Enc::Iso8859_10},
    {"iso-ir-157", Enc::Iso8859_10},
    {"iso8859-10", Enc::Iso8859_10},
    {"iso885910", Enc::Iso8859_10},
    {"l6", Enc::Iso8859_10},
    {"latin6", Enc::Iso8859_10},
    {"iso-8859-13", Enc::Iso8859_13},
    {"iso8859-13", Enc::Iso8859_13},
    {"iso885913", Enc::Iso8859_13},
    {"iso-8859-14", Enc::Iso8859_14},
    {"iso8859-14", Enc::Iso8859_14},
    {"iso885914", Enc::Iso8859_14},
    {"csisolatin9", Enc::Iso8859_15},
    {"iso-8859-15", Enc::Iso8859_15},
    {"iso8859-15", Enc::Iso8859_15},
    {"iso885915", Enc::Iso8859_15},
    {"iso_8859-15", Enc::Iso8859_15},
    {"l9", Enc::Iso8859_15},
    {"iso-8859-16", Enc::Iso8859_16},
    {"cskoi8r", Enc::Koi8R},
    {"koi", Enc::Koi8R},
    {"koi8", Enc::Koi8R},
    {"koi8-r", Enc::Koi8R},
    {"koi8_r", Enc::Koi8R},
    {"koi8-ru", Enc::Koi8U},
    {"koi8-u", Enc::Koi8U},
    {"csmacintosh", Enc::Macintosh},
    {"mac", Enc::Macintosh},
    {"macintosh", Enc::Macintosh},
    {"x-mac-roman", Enc::Macintosh},
    {"dos-874", Enc::Windows874},
    {"iso-8859-11", Enc::Windows874},
    {"iso8859-11", Enc::Windows874},
    {"iso885911", Enc::Windows874},
    {"tis-620", Enc::Windows874},
    {"windows-874", Enc::Windows874},
    {"cp1250", Enc::Windows1250},
    {"windows-1250", Enc::Windows1250},
    {"x-cp1250", Enc::Windows1250},
    {"cp1251", Enc::Windows1251},
    {"windows-1251", Enc::Windows1251},
    {"x-cp1251", Enc::Windows1251},
    {"ansi_x3.4-1968", Enc::Windows1252},
    {"ascii", Enc::Windows1252},
    {"cp1252", Enc::Windows1252},
    {"cp819", Enc::Windows1252},
    {"csisolatin1", Enc::Windows1252},
    {"ibm819", Enc::Windows1252},
    {"iso-8859-1", Enc::Windows1252},
    {"iso-ir-100", Enc::Windows1252},
    {"iso8859-1", Enc::Windows1252},
    {"iso88591", Enc::Windows1252},
    {"iso_8859-1", Enc::Windows1252},
    {"iso_8859-1:1987", Enc::Windows1252},
    {"l1", Enc::Windows1252},
    {"latin1", Enc::Windows1252},
    {"us-ascii", Enc::Windows1252},
    {"windows-1252", Enc::Windows1252},
    {"x-cp1252", Enc::Windows1252},
    {"cp1253", Enc::Windows1253},
    {"windows-1253", Enc::Windows1253},
    {"x-cp1253", Enc::Windows1253},
    {"cp1254", Enc::Windows1254},
    {"csisolatin5", Enc::Windows1254},
    {"iso-8859-9", Enc::Windows1254},
    {"iso-ir-148", Enc::Windows1254},
    {"iso8859-9", Enc::Windows1254},
    {"iso88599", Enc::Windows1254},
    {"iso_8859-9", Enc::Windows1254},
    {"iso_8859-9:1989", Enc::Windows1254},
    {"l5", Enc::Windows1254},
    {"latin5", Enc::Windows1254},
    {"windows-1254", Enc::Windows1254},
    {"x-cp1254", Enc::Windows1254},
    {"cp1255", Enc::Windows1255},
    {"windows-1255", Enc::Windows1255},
    {"x-cp1255", Enc::Windows1255},
    {"cp1256", Enc::Windows1256},
    {"windows-1256", Enc::Windows1256},
    {"x-cp1256", Enc::Windows1256},
    {"cp1257", Enc::Windows1257},
    {"windows-1257", Enc::Windows1257},
    {"x-cp1257", Enc::Windows1257},
    {"cp1258", Enc::Windows1258},
    {"windows-1258", Enc::Windows1258},
    {"x-cp1258", Enc::Windows1258},
    {"x-mac-cyrillic", Enc::XMacCyrillic},
    {"x-mac-ukrainian", Enc::XMacCyrillic},
    {"chinese", Enc::Gbk},
    {"csgb2312", Enc::Gbk},
    {"csiso58gb231280", Enc::Gbk},
    {"gb2312", Enc::Gbk},
    {"gb_2312", Enc::Gbk},
    {"gb_2312-80", Enc::Gbk},
    {"gbk", Enc::Gbk},
    {"iso-ir-58", Enc::Gbk},
    {"x-gbk", Enc::Gbk},
    {"gb18030", Enc::Gb18030},
    {"big5", Enc::Big5},
    {"big5-hkscs", Enc::Big5},
    {"cn-big5", Enc::Big5},
    {"csbig5", Enc::Big5},
    {"x-x-big5", Enc::Big5},
    {"cseucpkdfmtjapanese", Enc::EucJp},
    {"euc-jp", Enc::EucJp},
    {"x-euc-jp", Enc::EucJp},
    {"csiso2022jp", Enc::Iso2022Jp},
    {"iso-2022-jp", Enc::Iso2022Jp},
    {"csshiftjis", Enc::ShiftJis},
    {"ms932", Enc::ShiftJis},
    {"ms_kanji", Enc::ShiftJis},
    {"shift-jis", Enc::ShiftJis},
    {"shift_jis", Enc::ShiftJis},
    {"sjis", Enc::ShiftJis},
    {"windows-31j", Enc::ShiftJis},
    {"x-sjis", Enc::ShiftJis},
    {"cseuckr", Enc::EucKr},
    {"csksc56011987", Enc::EucKr},
    {"euc-kr", Enc::EucKr},
    {"iso-ir-149", Enc::EucKr},
    {"korean", Enc::EucKr},
    {"ks_c_5601-1987", Enc::EucKr},
    {"ks_c_5601-1989", Enc::EucKr},
    {"ksc5601", Enc::EucKr},
    {"ksc_5601", Enc::EucKr},
    {"windows-949", Enc::EucKr},
    {"csiso2022kr", Enc::Replacement},
    {"hz-gb-2312", Enc::Replacement},
    {"iso-2022-cn", Enc::Replacement},
    {"iso-2022-cn-ext", Enc::Replacement},
    {"iso-2022-kr", Enc::Replacement},
    {"replacement", Enc::Replacement},
    {"unicodefffe", Enc::Utf16BE},
    {"utf-16be", Enc::Utf16BE},
    {"csunicode", Enc::Utf16LE},
    {"iso-10646-ucs-2", Enc::Utf16LE},
    {"ucs-2", Enc::Utf16LE},
    {"unicode", Enc::Utf16LE},
    {"unicodefeff", Enc::Utf16LE},
    {"utf-16", Enc::Utf16LE},
    {"utf-16le", Enc::Utf16LE},
    {"x-user-defined", Enc::XUserDefined},
};

enum class Kind
{
    Utf8,
    Utf16,
    SingleByte,
    MultiByte,
    Replacement,
    UserDefined
};

struct Description
{
    Enc encoding;
    const char *name;
    Kind kind;
    // The names Qt's converters know the encoding by, for decoding and for encoding (nullptr: none is used).
    const char *decoder;
    const char *encoder;
};

// Multi-byte encodings use the converters whose tables browsers follow: GBK is decoded as GB18030 (a
// superset), Big5 with the Hong Kong additions, EUC-KR as Windows' code page 949.
const Description descriptions[] = {
    {Enc::Utf8, "UTF-8", Kind::Utf8, nullptr, nullptr},
    {Enc::Ibm866, "IBM866", Kind::SingleByte, "ibm866", nullptr},
    {Enc::Iso8859_2, "ISO-8859-2", Kind::SingleByte, "iso-8859-2", nullptr},
    {Enc::Iso8859_3, "ISO-8859-3", Kind::SingleByte, "iso-8859-3", nullptr},
    {Enc::Iso8859_4, "ISO-8859-4", Kind::SingleByte, "iso-8859-4", nullptr},
    {Enc::Iso8859_5, "ISO-8859-5", Kind::SingleByte, "iso-8859-5", nullptr},
    {Enc::Iso8859_6, "ISO-8859-6", Kind::SingleByte, "iso-8859-6", nullptr},
    {Enc::Iso8859_7, "ISO-8859-7", Kind::SingleByte, "iso-8859-7", nullptr},
    {Enc::Iso8859_8, "ISO-8859-8", Kind::SingleByte, "iso-8859-8", nullptr},
    {Enc::Iso8859_8I, "ISO-8859-8-I", Kind::SingleByte, "iso-8859-8", nullptr},
    {Enc::Iso8859_10, "ISO-8859-10", Kind::SingleByte, "iso-8859-10", nullptr},
    {Enc::Iso8859_13, "ISO-8859-13", Kind::SingleByte, "iso-8859-13", nullptr},
    {Enc::Iso8859_14, "ISO-8859-14", Kind::SingleByte, "iso-8859-14", nullptr},
    {Enc::Iso8859_15, "ISO-8859-15", Kind::SingleByte, "iso-8859-15", nullptr},
    {Enc::Iso8859_16, "ISO-8859-16", Kind::SingleByte, nullptr, nullptr},
    {Enc::Koi8R, "KOI8-R", Kind::SingleByte, "koi8-r", nullptr},
    {Enc::Koi8U, "KOI8-U", Kind::SingleByte, "koi8-u", nullptr},
    {Enc::Macintosh, "macintosh", Kind::SingleByte, "macintosh", nullptr},
    {Enc::Windows874, "windows-874", Kind::SingleByte, "windows-874", nullptr},
    {Enc::Windows1250, "windows-1250", Kind::SingleByte, "windows-1250", nullptr},
    {Enc::Windows1251, "windows-1251", Kind::SingleByte, "windows-1251", nullptr},
    {Enc::Windows1252, "windows-1252", Kind::SingleByte, "windows-1252", nullptr},
    {Enc::Windows1253, "windows-1253", Kind::SingleByte, "windows-1253", nullptr},
    {Enc::Windows1254, "windows-1254", Kind::SingleByte, "windows-1254", nullptr},
    {Enc::Windows1255, "windows-1255", Kind::SingleByte, "windows-1255", nullptr},
    {Enc::Windows1256, "windows-1256", Kind::SingleByte, "windows-1256", nullptr},
    {Enc::Windows1257, "windows-1257", Kind::SingleByte, "windows-1257", nullptr},
    {Enc::Windows1258, "windows-1258", Kind::SingleByte, "windows-1258", nullptr},
    {Enc::XMacCyrillic, "x-mac-cyrillic", Kind::SingleByte, "x-mac-cyrillic", nullptr},
    {Enc::Gbk, "GBK", Kind::MultiByte, "GB18030", "GBK"},
    {Enc::Gb18030, "gb18030", Kind::MultiByte, "GB18030", "GB18030"},
    {Enc::Big5, "Big5", Kind::MultiByte, "Big5-HKSCS", "Big5"},
    {Enc::EucJp, "EUC-JP", Kind::MultiByte, "EUC-JP", "EUC-JP"},
    {Enc::Iso2022Jp, "ISO-2022-JP", Kind::MultiByte, "ISO-2022-JP", "ISO-2022-JP"},
    {Enc::ShiftJis, "Shift_JIS", Kind::MultiByte, "Shift_JIS", "Shift_JIS"},
    {Enc::EucKr, "EUC-KR", Kind::MultiByte, "windows-949", "windows-949"},
    {Enc::Replacement, "replacement", Kind::Replacement, nullptr, nullptr},
    {Enc::Utf16BE, "UTF-16BE", Kind::Utf16, nullptr, nullptr},
    {Enc::Utf16LE, "UTF-16LE", Kind::Utf16, nullptr, nullptr},
    {Enc::XUserDefined, "x-user-defined", Kind::UserDefined, nullptr, nullptr},
};

const Description &describe(Enc encoding)
{
    return descriptions[int(encoding)];
}

constexpr char16_t unassigned = 0xFFFD;

// ISO-8859-16, which Qt's converters lack: the characters of bytes 0x80 to 0xFF.
constexpr std::array<char16_t, 128> iso8859_16 = {
    0x0080, 0x0081, 0x0082, 0x0083, 0x0084, 0x0085, 0x0086, 0x0087, 0x0088, 0x0089, 0x008A, 0x008B, 0x008C,
    0x008D, 0x008E, 0x008F, 0x0090, 0x0091, 0x0092, 0x0093, 0x0094, 0x0095, 0x0096, 0x0097, 0x0098, 0x0099,
    0x009A, 0x009B, 0x009C, 0x009D, 0x009E, 0x009F, 0x00A0, 0x0104, 0x0105, 0x0141, 0x20AC, 0x201E, 0x0160,
    0x00A7, 0x0161, 0x00A9, 0x0218, 0x00AB, 0x0179, 0x00AD, 0x017A, 0x017B, 0x00B0, 0x00B1, 0x010C, 0x0142,
    0x017D, 0x201D, 0x00B6, 0x00B7, 0x017E, 0x010D, 0x0219, 0x00BB, 0x0152, 0x0153, 0x0178, 0x017C, 0x00C0,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0106, 0x00C6, 0x00C7, 0x00C8, 0x00C9, 0x00CA, 0x00CB, 0x00CC, 0x00CD,
    0x00CE, 0x00CF, 0x0110, 0x0143, 0x00D2, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x015A, 0x0170, 0x00D9, 0x00DA,
    0x00DB, 0x00DC, 0x0118, 0x021A, 0x00DF, 0x00E0, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x0107, 0x00E6, 0x00E7,
    0x00E8, 0x00E9, 0x00EA, 0x00EB, 0x00EC, 0x00ED, 0x00EE, 0x00EF, 0x0111, 0x0144, 0x00F2, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x015B, 0x0171, 0x00F9, 0x00FA, 0x00FB, 0x00FC, 0x0119, 0x021B, 0x00FF,
};

struct Correction
{
    Enc encoding;
    uchar byte;
    char16_t character; // `unassigned`: the byte stands for no character
};

// Where Qt's converters read a byte otherwise than browsers do. Windows-1253 leaves 0xAA unassigned, as
// Windows itself does; KOI8-U has Ukrainian letters where KOI8-R has box drawings; Windows-1255 has the
// Hebrew point holam haser for vav; Windows-874 leaves its top bytes unassigned instead of private use.
const Correction corrections[] = {
    {Enc::Windows1253, 0xAA, unassigned}, {Enc::Koi8U, 0xAE, 0x045E},
    {Enc::Koi8U, 0xBE, 0x040E},           {Enc::Windows1255, 0xCA, 0x05BA},
    {Enc::Windows874, 0xDB, unassigned},  {Enc::Windows874, 0xDC, unassigned},
    {Enc::Windows874, 0xDD, unassigned},  {Enc::Windows874, 0xDE, unassigned},
    {Enc::Windows874, 0xFC, unassigned},  {Enc::Windows874, 0xFD, unassigned},
    {Enc::Windows874, 0xFE, unassigned},  {Enc::Windows874, 0xFF, unassigned},
};

// A single-byte encoding: bytes below 0x80 are ASCII, the others read through a table of 128 characters.
struct SingleByteTable
{
    std::array<char16_t, 128> characters{};
    QHash<char16_t, char> bytes; // the way back, for encoding
};

SingleByteTable tableOf(Enc encoding)
{
    SingleByteTable table;
    const Description &description = describe(encoding);
    if (encoding == Enc::Iso8859_16) {
        table.characters = iso8859_16;
    } else {
        for (int byte = 0x80; byte <= 0xFF; ++byte) {
            const char c = char(byte);
            // A decoder of its own for each byte: a converter's error, once raised, stays raised.
            QStringDecoder decoder(description.decoder, QStringDecoder::Flag::Stateless);
            const QString decoded = decoder.decode(QByteArrayView(&c, 1));
            const bool single = decoded.size() == 1 && !decoded.at(0).isSurrogate() && !decoder.hasError() &&
                                decoded.at(0) != QChar(0x1A);
            table.characters[byte - 0x80] = single ? decoded.at(0).unicode() : unassigned;
        }
        for (const Correction &correction : corrections)
            if (correction.encoding == encoding)
                table.characters[correction.byte - 0x80] = correction.character;
    }
    for (int i = 0; i < 128; ++i)
        if (table.characters[i] != unassigned)
            table.bytes.insert(table.characters[i], char(0x80 + i));
    return table;
}

const SingleByteTable &singleByteTable(Enc encoding)
{
    // Built together on first use, so that the tables are complete before any thread reads them.
    static const QHash<int, SingleByteTable> tables = [] {
        QHash<int, SingleByteTable> all;
        for (const Description &description : descriptions)
            if (description.kind == Kind::SingleByte)
                all.insert(int(description.encoding), tableOf(description.encoding));
        return all;
    }();
    return *tables.find(int(encoding));
}

bool isAsciiWhitespace(char c)
{
    return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

DecodedBytes decodeSingleByte(Enc encoding, QByteArrayView bytes)
{
    const SingleByteTable &table = singleByteTable(encoding);
    DecodedBytes result;
    result.text.resize(bytes.size());
    QChar *out = result.text.data();
    for (const char c : bytes) {
        const uchar byte = uchar(c);
        const char16_t character = byte < 0x80 ? char16_t(byte) : table.characters[byte - 0x80];
        result.replacements += character == unassigned ? 1 : 0;
        *out++ = QChar(character);
    }
    return result;
}

// UTF-8 as browsers decode it: a malformed sequence is one U+FFFD up to the byte that breaks it, which is
// then read afresh; a sequence cut off by the end is one U+FFFD.
DecodedBytes decodeUtf8(QByteArrayView bytes)
{
    DecodedBytes result;
    QStringDecoder strict(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    result.text = strict.decode(bytes);
    if (!strict.hasError())
        return result;
    result.text.clear();
    result.text.reserve(bytes.size());
    char32_t codePoint = 0;
    int needed = 0;
    int seen = 0;
    uchar lower = 0x80;
    uchar upper = 0xBF;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const uchar byte = uchar(bytes[i]);
        if (needed == 0) {
            if (byte < 0x80) {
                result.text += QChar(byte);
            } else if (byte >= 0xC2 && byte <= 0xDF) {
                needed = 1;
                codePoint = byte & 0x1F;
            } else if (byte >= 0xE0 && byte <= 0xEF) {
                lower = byte == 0xE0 ? 0xA0 : 0x80;
                upper = byte == 0xED ? 0x9F : 0xBF;
                needed = 2;
                codePoint = byte & 0x0F;
            } else if (byte >= 0xF0 && byte <= 0xF4) {
                lower = byte == 0xF0 ? 0x90 : 0x80;
                upper = byte == 0xF4 ? 0x8F : 0xBF;
                needed = 3;
                codePoint = byte & 0x07;
            } else {
                result.text += QChar(unassigned);
                ++result.replacements;
            }
            continue;
        }
        if (byte < lower || byte > upper) {
            codePoint = 0;
            needed = seen = 0;
            lower = 0x80;
            upper = 0xBF;
            result.text += QChar(unassigned);
            ++result.replacements;
            --i; // the byte starts afresh
            continue;
        }
        lower = 0x80;
        upper = 0xBF;
        codePoint = (codePoint << 6) | (byte & 0x3F);
        if (++seen == needed) {
            result.text += QString::fromUcs4(&codePoint, 1);
            codePoint = 0;
            needed = seen = 0;
        }
    }
    if (needed != 0) {
        result.text += QChar(unassigned);
        ++result.replacements;
    }
    return result;
}

// UTF-16 as browsers decode it: an unpaired surrogate or an odd byte at the end is one U+FFFD.
DecodedBytes decodeUtf16(QByteArrayView bytes, bool littleEndian)
{
    DecodedBytes result;
    result.text.reserve(bytes.size() / 2 + 1);
    char16_t leadSurrogate = 0;
    const qsizetype pairs = bytes.size() / 2;
    for (qsizetype i = 0; i < pairs; ++i) {
        const uchar first = uchar(bytes[2 * i]);
        const uchar second = uchar(bytes[2 * i + 1]);
        const char16_t unit = littleEndian ? char16_t(second << 8 | first) : char16_t(first << 8 | second);
        const bool lead = unit >= 0xD800 && unit <= 0xDBFF;
        const bool trail = unit >= 0xDC00 && unit <= 0xDFFF;
        if (leadSurrogate != 0) {
            if (trail) {
                result.text += QChar(leadSurrogate);
                result.text += QChar(unit);
                leadSurrogate = 0;
                continue;
            }
            result.text += QChar(unassigned);
            ++result.replacements;
            leadSurrogate = 0;
        }
        if (lead) {
            leadSurrogate = unit;
        } else if (trail) {
            result.text += QChar(unassigned);
            ++result.replacements;
        } else {
            result.text += QChar(unit);
        }
    }
    if (leadSurrogate != 0 || bytes.size() % 2 != 0) {
        result.text += QChar(unassigned);
        ++result.replacements;
    }
    return result;
}

DecodedBytes decodeMultiByte(const Description &description, QByteArrayView bytes)
{
    DecodedBytes result;
    QStringDecoder decoder(description.decoder, QStringDecoder::Flag::Stateless);
    // A line feed after the bytes, which no sequence takes as one of its bytes, makes the converter report a
    // sequence that the end cuts off, which it would otherwise drop without a word.
    result.text = decoder.decode(QByteArray(bytes.data(), bytes.size()) + '\n');
    result.text.chop(1);
    if (!decoder.hasError())
        return result;
    // Some converters write the control character SUB for a sequence they cannot read; when the bytes hold
    // no SUB of their own, every SUB in the text is such a sequence and shows as browsers show it.
    if (!bytes.contains('\x1A'))
        result.text.replace(QChar(0x1A), QChar(unassigned));
    result.replacements = qMax<qsizetype>(1, result.text.count(QChar(unassigned)));
    return result;
}

} // namespace

std::optional<CharacterEncoding> encodingForLabel(QByteArrayView label)
{
    qsizetype start = 0;
    qsizetype end = label.size();
    while (start < end && isAsciiWhitespace(label[start]))
        ++start;
    while (end > start && isAsciiWhitespace(label[end - 1]))
        --end;
    const QByteArrayView trimmed = label.sliced(start, end - start);
    for (const Label &entry : labels)
        if (trimmed.compare(QByteArrayView(entry.label), Qt::CaseInsensitive) == 0)
            return entry.encoding;
    return std::nullopt;
}

bool canDecode(CharacterEncoding encoding)
{
    const char *converter = describe(encoding).decoder;
    return converter == nullptr || QStringDecoder(converter).isValid();
}

QByteArray encodingName(CharacterEncoding encoding)
{
    return QByteArray(describe(encoding).name);
}

DecodedBytes decodeBytes(CharacterEncoding encoding, QByteArrayView bytes)
{
    const Description &description = describe(encoding);
    switch (description.kind) {
    case Kind::Utf8:
        return decodeUtf8(bytes);
    case Kind::Utf16:
        return decodeUtf16(bytes, encoding == Enc::Utf16LE);
    case Kind::SingleByte:
        return decodeSingleByte(encoding, bytes);
    case Kind::MultiByte:
        return decodeMultiByte(description, bytes);
    case Kind::Replacement:
        // The whole input is one unreadable sequence.
        return bytes.isEmpty() ? DecodedBytes{} : DecodedBytes{QString(QChar(unassigned)), 1};
    case Kind::UserDefined: {
        DecodedBytes result;
        result.text.reserve(bytes.size());
        for (const char c : bytes)
            result.text += QChar(uchar(c) < 0x80 ? char16_t(uchar(c)) : char16_t(0xF780 + uchar(c) - 0x80));
        return result;
    }
    }
    return {};
}

std::optional<QByteArray> encodeCharacters(CharacterEncoding encoding, const QString &text)
{
    const Description &description = describe(encoding);
    switch (description.kind) {
    case Kind::Utf8:
        return text.toUtf8();
    case Kind::SingleByte: {
        const SingleByteTable &table = singleByteTable(encoding);
        QByteArray bytes(text.size(), Qt::Uninitialized);
        char *out = bytes.data();
        for (const QChar c : text) {
            if (c.unicode() < 0x80) {
                *out++ = char(c.unicode());
                continue;
            }
            const auto found = table.bytes.constFind(c.unicode());
            if (found == table.bytes.cend())
                return std::nullopt;
            *out++ = *found;
        }
        return bytes;
    }
    case Kind::MultiByte: {
        QStringEncoder encoder(description.encoder, QStringEncoder::Flag::Stateless);
        QByteArray bytes = encoder.encode(text);
        if (encoder.hasError())
            return std::nullopt;
        return bytes;
    }
    case Kind::UserDefined: {
        QByteArray bytes;
        bytes.reserve(text.size());
        for (const QChar c : text) {
            if (c.unicode() < 0x80)
                bytes += char(c.unicode());
            else if (c.unicode() >= 0xF780 && c.unicode() <= 0xF7FF)
                bytes += char(c.unicode() - 0xF780 + 0x80);
            else
                return std::nullopt;
        }
        return bytes;
    }
    case Kind::Utf16:
    case Kind::Replacement:
        return std::nullopt;
    }
    return std::nullopt;
}
