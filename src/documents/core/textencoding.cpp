#include "documents/core/textencoding.h"

#include "documents/core/charsetprescan.h"

namespace {

struct Mark
{
    QByteArrayView bytes;
    CharacterEncoding encoding;
};

const Mark byteOrderMarks[] = {{"\xEF\xBB\xBF", CharacterEncoding::Utf8},
                               {"\xFE\xFF", CharacterEncoding::Utf16BE},
                               {"\xFF\xFE", CharacterEncoding::Utf16LE}};

// Characters of two or more bytes that the UTF-8 reading found, U+FFFD not counted.
qsizetype multiByteCharacters(const QString &text)
{
    qsizetype count = 0;
    for (const QChar c : text)
        count += c.unicode() >= 0x80 && !c.isLowSurrogate() && c != QChar::ReplacementCharacter ? 1 : 0;
    return count;
}

DecodedText decoded(DecodedBytes bytes, FileEncoding encoding)
{
    DecodedText result;
    result.text = std::move(bytes.text);
    result.encoding = encoding;
    result.malformed = bytes.replacements > 0;
    return result;
}

// The program's own rule for UTF-8 and undeclared files: UTF-8 when the bytes are UTF-8 but for a few stray
// bytes, else Windows-1253.
DecodedText utf8OrWindows1253(const QByteArray &bytes)
{
    DecodedBytes utf8 = decodeBytes(CharacterEncoding::Utf8, bytes);
    if (utf8.replacements == 0 || multiByteCharacters(utf8.text) > utf8.replacements)
        return decoded(std::move(utf8), {CharacterEncoding::Utf8, false});
    return decoded(decodeBytes(CharacterEncoding::Windows1253, bytes),
                   {CharacterEncoding::Windows1253, false});
}

// The declaration a text makes, read from the bytes its first characters would be written as.
std::optional<CharacterEncoding> declaredInText(const QString &text)
{
    return prescanEncoding(QStringView(text).left(prescanLength).toUtf8().left(prescanLength));
}

} // namespace

QString withCrLfBreaks(const QString &text)
{
    QString result;
    result.reserve(text.size() + text.size() / 16);
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text.at(i);
        if (c == u'\r') {
            result += QLatin1String("\r\n");
            if (i + 1 < n && text.at(i + 1) == u'\n')
                ++i;
        } else if (c == u'\n') {
            result += QLatin1String("\r\n");
        } else {
            result += c;
        }
    }
    return result;
}

DecodedText decodeText(const QByteArray &bytes)
{
    for (const Mark &mark : byteOrderMarks) {
        if (!bytes.startsWith(mark.bytes))
            continue;
        DecodedText result =
            decoded(decodeBytes(mark.encoding, QByteArrayView(bytes).sliced(mark.bytes.size())),
                    {mark.encoding, true});
        if (result.text.contains(QChar(0))) {
            result.binary = true;
            result.text.clear();
        }
        return result;
    }
    if (bytes.contains('\0')) {
        DecodedText result;
        result.binary = true;
        return result;
    }
    const std::optional<CharacterEncoding> declared =
        prescanEncoding(QByteArrayView(bytes).first(qMin(bytes.size(), prescanLength)));
    if (!declared || *declared == CharacterEncoding::Utf8 || *declared == CharacterEncoding::Replacement ||
        !canDecode(*declared))
        return utf8OrWindows1253(bytes);
    return decoded(decodeBytes(*declared, bytes), {*declared, false});
}

EncodedText encodeText(const QString &text)
{
    QString body = withCrLfBreaks(text);
    const qsizetype nulCharacters = body.count(QChar(0));
    body.remove(QChar(0));
    CharacterEncoding wanted = declaredInText(body).value_or(CharacterEncoding::Windows1253);
    if (wanted == CharacterEncoding::Replacement)
        wanted = CharacterEncoding::Windows1253;
    // The bytes must read back as exactly this text; otherwise UTF-8 behind its mark is written.
    if (const std::optional<QByteArray> bytes = encodeCharacters(wanted, body)) {
        const DecodedText back = decodeText(*bytes);
        if (!back.binary && !back.malformed && back.text == body)
            return {*bytes, {wanted, false}, nulCharacters};
    }
    return {
        QByteArrayLiteral("\xEF\xBB\xBF") + body.toUtf8(), {CharacterEncoding::Utf8, true}, nulCharacters};
}
