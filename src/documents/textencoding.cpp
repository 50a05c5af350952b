#include "documents/textencoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {

constexpr qsizetype prescanLength = 1024;

struct CharsetName
{
    const char *name;
    FileEncoding encoding;
};

// Character set labels as pages write them, lower case, with the encoding each stands for.
const CharsetName charsetNames[] = {
    {"utf-8", FileEncoding::Utf8},
    {"utf8", FileEncoding::Utf8},
    {"unicode-1-1-utf-8", FileEncoding::Utf8},
    {"iso-8859-7", FileEncoding::Iso8859_7},
    {"iso8859-7", FileEncoding::Iso8859_7},
    {"iso88597", FileEncoding::Iso8859_7},
    {"iso_8859-7", FileEncoding::Iso8859_7},
    {"iso_8859-7:1987", FileEncoding::Iso8859_7},
    {"iso-ir-126", FileEncoding::Iso8859_7},
    {"greek", FileEncoding::Iso8859_7},
    {"greek8", FileEncoding::Iso8859_7},
    {"elot_928", FileEncoding::Iso8859_7},
    {"ecma-118", FileEncoding::Iso8859_7},
    {"csisolatingreek", FileEncoding::Iso8859_7},
    {"iso-8859-1", FileEncoding::Iso8859_1},
    {"iso8859-1", FileEncoding::Iso8859_1},
    {"iso88591", FileEncoding::Iso8859_1},
    {"iso_8859-1", FileEncoding::Iso8859_1},
    {"iso_8859-1:1987", FileEncoding::Iso8859_1},
    {"iso-ir-100", FileEncoding::Iso8859_1},
    {"latin1", FileEncoding::Iso8859_1},
    {"l1", FileEncoding::Iso8859_1},
    {"csisolatin1", FileEncoding::Iso8859_1},
    {"windows-1253", FileEncoding::Windows1253},
    {"cp1253", FileEncoding::Windows1253},
    {"x-cp1253", FileEncoding::Windows1253},
    {"windows-1252", FileEncoding::Windows1252},
    {"cp1252", FileEncoding::Windows1252},
    {"x-cp1252", FileEncoding::Windows1252},
};

std::optional<FileEncoding> encodingForLabel(QStringView label)
{
    const QString wanted = label.trimmed().toString().toLower();
    for (const CharsetName &entry : charsetNames)
        if (wanted == QLatin1String(entry.name))
            return entry.encoding;
    return std::nullopt;
}

// The converter name of a single-byte encoding.
const char *singleByteName(FileEncoding encoding)
{
    switch (encoding) {
    case FileEncoding::Iso8859_7:
        return "ISO-8859-7";
    case FileEncoding::Iso8859_1:
        return "ISO-8859-1";
    case FileEncoding::Windows1252:
        return "windows-1252";
    default:
        return "windows-1253";
    }
}

bool isSingleByte(FileEncoding encoding)
{
    return encoding == FileEncoding::Iso8859_7 || encoding == FileEncoding::Iso8859_1 ||
           encoding == FileEncoding::Windows1253 || encoding == FileEncoding::Windows1252;
}

bool isSpace(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\f';
}

bool startsWithAt(QStringView text, qsizetype pos, QLatin1String what)
{
    return text.mid(pos, what.size()).compare(what, Qt::CaseInsensitive) == 0;
}

// A small reader over the head of a document that follows the steps of a browser's encoding pre-scan.
class Prescan
{
public:
    explicit Prescan(QStringView text) : m_text(text) {}

    std::optional<FileEncoding> run()
    {
        while (m_pos < m_text.size()) {
            if (startsWithAt(m_text, m_pos, QLatin1String("<!--"))) {
                const qsizetype end = m_text.indexOf(u"-->", m_pos + 2);
                if (end < 0)
                    return std::nullopt;
                m_pos = end + 3;
            } else if (startsWithAt(m_text, m_pos, QLatin1String("<meta")) && m_pos + 5 < m_text.size() &&
                       (isSpace(m_text[m_pos + 5]) || m_text[m_pos + 5] == u'/')) {
                m_pos += 6;
                if (const std::optional<FileEncoding> found = metaElement())
                    return found;
            } else if (m_text[m_pos] == u'<' && m_pos + 1 < m_text.size() &&
                       (m_text[m_pos + 1].isLetter() ||
                        (m_text[m_pos + 1] == u'/' && m_pos + 2 < m_text.size() &&
                         m_text[m_pos + 2].isLetter()))) {
                while (m_pos < m_text.size() && !isSpace(m_text[m_pos]) && m_text[m_pos] != u'>')
                    ++m_pos;
                while (attribute()) {
                }
            } else if (startsWithAt(m_text, m_pos, QLatin1String("<!")) ||
                       startsWithAt(m_text, m_pos, QLatin1String("</")) ||
                       startsWithAt(m_text, m_pos, QLatin1String("<?"))) {
                const qsizetype end = m_text.indexOf(u'>', m_pos);
                if (end < 0)
                    return std::nullopt;
                m_pos = end + 1;
            } else {
                ++m_pos;
            }
        }
        return std::nullopt;
    }

private:
    struct Attribute
    {
        QString name;
        QString value;
    };

    std::optional<FileEncoding> metaElement()
    {
        bool pragma = false;
        std::optional<FileEncoding> charset;
        std::optional<FileEncoding> fromContent;
        while (const std::optional<Attribute> a = attribute()) {
            if (a->name == QLatin1String("http-equiv"))
                pragma = pragma || a->value.compare(QLatin1String("content-type"), Qt::CaseInsensitive) == 0;
            else if (a->name == QLatin1String("charset") && !charset)
                charset = encodingForLabel(a->value);
            else if (a->name == QLatin1String("content") && !fromContent)
                fromContent = charsetFromContent(a->value);
        }
        if (charset)
            return charset;
        return pragma ? fromContent : std::nullopt;
    }

    // Reads one attribute of a tag; nothing at the tag's end (the position then stands after the ">").
    std::optional<Attribute> attribute()
    {
        const qsizetype n = m_text.size();
        while (m_pos < n && (isSpace(m_text[m_pos]) || m_text[m_pos] == u'/'))
            ++m_pos;
        if (m_pos >= n)
            return std::nullopt;
        if (m_text[m_pos] == u'>') {
            ++m_pos;
            return std::nullopt;
        }
        Attribute a;
        while (m_pos < n && m_text[m_pos] != u'=' && !isSpace(m_text[m_pos]) && m_text[m_pos] != u'/' &&
               m_text[m_pos] != u'>')
            a.name += m_text[m_pos++].toLower();
        if (a.name.isEmpty() && m_pos < n && m_text[m_pos] == u'=')
            a.name += m_text[m_pos++];
        while (m_pos < n && isSpace(m_text[m_pos]))
            ++m_pos;
        if (m_pos >= n || m_text[m_pos] != u'=')
            return a;
        ++m_pos;
        while (m_pos < n && isSpace(m_text[m_pos]))
            ++m_pos;
        if (m_pos < n && (m_text[m_pos] == u'"' || m_text[m_pos] == u'\'')) {
            const QChar quote = m_text[m_pos++];
            const qsizetype end = m_text.indexOf(quote, m_pos);
            if (end < 0) {
                m_pos = n;
                return std::nullopt;
            }
            a.value = m_text.mid(m_pos, end - m_pos).toString();
            m_pos = end + 1;
        } else {
            const qsizetype start = m_pos;
            while (m_pos < n && !isSpace(m_text[m_pos]) && m_text[m_pos] != u'>')
                ++m_pos;
            a.value = m_text.mid(start, m_pos - start).toString();
        }
        return a;
    }

    // The character set named by a Content-Type value such as "text/html; charset=ISO-8859-7".
    static std::optional<FileEncoding> charsetFromContent(QStringView content)
    {
        qsizetype pos = 0;
        while ((pos = content.indexOf(QLatin1String("charset"), pos, Qt::CaseInsensitive)) >= 0) {
            pos += 7;
            qsizetype p = pos;
            while (p < content.size() && isSpace(content[p]))
                ++p;
            if (p >= content.size() || content[p] != u'=')
                continue;
            ++p;
            while (p < content.size() && isSpace(content[p]))
                ++p;
            if (p >= content.size())
                return std::nullopt;
            if (content[p] == u'"' || content[p] == u'\'') {
                const qsizetype end = content.indexOf(content[p], p + 1);
                if (end < 0)
                    return std::nullopt;
                return encodingForLabel(content.mid(p + 1, end - p - 1));
            }
            qsizetype end = p;
            while (end < content.size() && !isSpace(content[end]) && content[end] != u';')
                ++end;
            return encodingForLabel(content.mid(p, end - p));
        }
        return std::nullopt;
    }

    QStringView m_text;
    qsizetype m_pos = 0;
};

std::optional<QString> strictUtf8(const QByteArray &bytes)
{
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

} // namespace

std::optional<FileEncoding> declaredEncoding(QStringView head)
{
    return Prescan(head).run();
}

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
    DecodedText result;
    struct Mark
    {
        QByteArrayView bytes;
        FileEncoding encoding;
        QStringConverter::Encoding converter;
    };
    const Mark marks[] = {{"\xEF\xBB\xBF", FileEncoding::Utf8WithMark, QStringConverter::Utf8},
                          {"\xFF\xFE", FileEncoding::Utf16LE, QStringConverter::Utf16LE},
                          {"\xFE\xFF", FileEncoding::Utf16BE, QStringConverter::Utf16BE}};
    for (const Mark &mark : marks) {
        if (!bytes.startsWith(mark.bytes))
            continue;
        QStringDecoder decoder(mark.converter, QStringDecoder::Flag::Stateless);
        result.encoding = mark.encoding;
        result.text = decoder.decode(QByteArrayView(bytes).sliced(mark.bytes.size()));
        result.malformed = decoder.hasError();
        // An odd trailing byte of UTF-16 is not reported by the decoder: count it as malformed too.
        if (mark.converter != QStringConverter::Utf8 && (bytes.size() - mark.bytes.size()) % 2 != 0)
            result.malformed = true;
        if (result.text.contains(QChar(0))) {
            result.binary = true;
            result.text.clear();
        }
        return result;
    }
    if (bytes.contains('\0')) {
        result.binary = true;
        return result;
    }
    const std::optional<FileEncoding> declared =
        declaredEncoding(QString::fromLatin1(bytes.left(prescanLength)));
    if (declared && isSingleByte(*declared)) {
        QStringDecoder decoder(singleByteName(*declared));
        result.encoding = *declared;
        result.text = decoder.decode(bytes);
        return result;
    }
    if (std::optional<QString> utf8 = strictUtf8(bytes)) {
        result.encoding = FileEncoding::Utf8;
        result.text = std::move(*utf8);
        return result;
    }
    QStringDecoder decoder(singleByteName(FileEncoding::Windows1253));
    result.encoding = FileEncoding::Windows1253;
    result.text = decoder.decode(bytes);
    return result;
}

EncodedText encodeText(const QString &text)
{
    const QString body = withCrLfBreaks(text);
    const FileEncoding wanted =
        declaredEncoding(QStringView(body).left(prescanLength)).value_or(FileEncoding::Windows1253);
    EncodedText result;
    result.encoding = wanted;
    if (isSingleByte(wanted)) {
        QStringEncoder encoder(singleByteName(wanted));
        result.bytes = encoder.encode(body);
        if (encoder.hasError())
            result.bytes.clear();
    } else {
        result.bytes = body.toUtf8();
    }
    // The bytes must read back as exactly this text; otherwise UTF-8 behind its mark is written.
    const bool exact = (!result.bytes.isEmpty() || body.isEmpty()) && [&] {
        const DecodedText back = decodeText(result.bytes);
        return !back.binary && back.text == body;
    }();
    if (!exact) {
        result.encoding = FileEncoding::Utf8WithMark;
        result.bytes = QByteArrayLiteral("\xEF\xBB\xBF") + body.toUtf8();
    }
    return result;
}
