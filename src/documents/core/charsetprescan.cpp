#include "documents/core/charsetprescan.h"

#include <QByteArray>
#include <QSet>

namespace {

bool isSpace(char c)
{
    return c == '\t' || c == '\n' || c == '\f' || c == '\r' || c == ' ';
}

bool isAsciiLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

char asciiLower(char c)
{
    return c >= 'A' && c <= 'Z' ? char(c + 0x20) : c;
}

// The encoding that a meta element's `content` value names after "charset=", as in
// "text/html; charset=ISO-8859-7".
std::optional<CharacterEncoding> encodingFromContent(QByteArrayView content)
{
    qsizetype position = 0;
    while (true) {
        const qsizetype found = QByteArrayView(content).sliced(position).indexOf("charset");
        // The search ignores ASCII letter case: the value arrives lower-cased.
        if (found < 0)
            return std::nullopt;
        position += found + 7;
        while (position < content.size() && isSpace(content[position]))
            ++position;
        if (position >= content.size() || content[position] != '=')
            continue;
        ++position;
        while (position < content.size() && isSpace(content[position]))
            ++position;
        if (position >= content.size())
            return std::nullopt;
        const char first = content[position];
        if (first == '"' || first == '\'') {
            const qsizetype end = content.sliced(position + 1).indexOf(first);
            if (end < 0)
                return std::nullopt;
            return encodingForLabel(content.sliced(position + 1, end));
        }
        qsizetype end = position;
        while (end < content.size() && !isSpace(content[end]) && content[end] != ';')
            ++end;
        return encodingForLabel(content.sliced(position, end - position));
    }
}

// The encoding an XML declaration at the very start names: `<?xml … encoding="…"`.
std::optional<CharacterEncoding> encodingFromXmlDeclaration(QByteArrayView bytes)
{
    if (!bytes.startsWith("<?xml"))
        return std::nullopt;
    const qsizetype declarationEnd = bytes.indexOf('>');
    if (declarationEnd < 0)
        return std::nullopt;
    const qsizetype word = bytes.sliced(0, declarationEnd).indexOf("encoding");
    if (word < 0)
        return std::nullopt;
    qsizetype position = word + 8;
    while (position < declarationEnd && uchar(bytes[position]) <= 0x20)
        ++position;
    if (position >= declarationEnd || bytes[position] != '=')
        return std::nullopt;
    ++position;
    while (position < declarationEnd && uchar(bytes[position]) <= 0x20)
        ++position;
    if (position >= declarationEnd)
        return std::nullopt;
    const char quote = bytes[position];
    if (quote != '"' && quote != '\'')
        return std::nullopt;
    ++position;
    const qsizetype end = bytes.sliced(0, declarationEnd).indexOf(quote, position);
    if (end < 0)
        return std::nullopt;
    const QByteArrayView label = bytes.sliced(position, end - position);
    for (const char c : label)
        if (uchar(c) <= 0x20)
            return std::nullopt;
    const std::optional<CharacterEncoding> encoding = encodingForLabel(label);
    if (encoding == CharacterEncoding::Utf16BE || encoding == CharacterEncoding::Utf16LE)
        return CharacterEncoding::Utf8;
    return encoding;
}

// The pre-scan's reader. Running out of bytes anywhere ends the scan without a finding.
class Prescan
{
public:
    explicit Prescan(QByteArrayView bytes) : m_bytes(bytes) {}

    std::optional<CharacterEncoding> run()
    {
        if (m_bytes.startsWith(QByteArrayView("<\0?\0x\0", 6)))
            return CharacterEncoding::Utf16LE;
        if (m_bytes.startsWith(QByteArrayView("\0<\0?\0x", 6)))
            return CharacterEncoding::Utf16BE;
        while (m_position < m_bytes.size()) {
            if (startsHere("<!--")) {
                // To the first ">" after two dashes; the dashes of "<!--" count.
                const qsizetype end = m_bytes.indexOf("-->", m_position + 2);
                if (end < 0)
                    return std::nullopt;
                m_position = end + 2;
            } else if (atMetaStart()) {
                m_position += 5;
                if (const std::optional<CharacterEncoding> found = meta())
                    return found;
                if (m_position >= m_bytes.size())
                    return std::nullopt;
            } else if (byte(0) == '<' &&
                       (isAsciiLetter(byte(1)) || (byte(1) == '/' && isAsciiLetter(byte(2))))) {
                while (m_position < m_bytes.size() && !isSpace(byte(0)) && byte(0) != '>')
                    ++m_position;
                while (attribute()) {
                }
                if (m_position >= m_bytes.size())
                    return std::nullopt;
            } else if (startsHere("<!") || startsHere("</") || startsHere("<?")) {
                const qsizetype end = m_bytes.indexOf('>', m_position + 1);
                if (end < 0)
                    return std::nullopt;
                m_position = end;
            }
            ++m_position;
        }
        return std::nullopt;
    }

private:
    struct Attribute
    {
        QByteArray name;
        QByteArray value;
    };

    char byte(qsizetype ahead) const
    {
        return m_position + ahead < m_bytes.size() ? m_bytes[m_position + ahead] : '\0';
    }

    bool startsHere(const char *what) const { return m_bytes.sliced(m_position).startsWith(what); }

    bool atMetaStart() const
    {
        return byte(0) == '<' && asciiLower(byte(1)) == 'm' && asciiLower(byte(2)) == 'e' &&
               asciiLower(byte(3)) == 't' && asciiLower(byte(4)) == 'a' && m_position + 5 < m_bytes.size() &&
               (isSpace(byte(5)) || byte(5) == '/');
    }

    // The attributes of a meta element, up to its end; the encoding it declares, if it declares one.
    std::optional<CharacterEncoding> meta()
    {
        QSet<QByteArray> seen;
        bool gotPragma = false;
        std::optional<bool> needPragma;
        std::optional<CharacterEncoding> charset;
        bool charsetFailed = false;
        while (const std::optional<Attribute> attribute = this->attribute()) {
            if (seen.contains(attribute->name))
                continue;
            seen.insert(attribute->name);
            if (attribute->name == "http-equiv") {
                if (attribute->value == "content-type")
                    gotPragma = true;
            } else if (attribute->name == "content") {
                const std::optional<CharacterEncoding> found = encodingFromContent(attribute->value);
                if (found && !charset && !charsetFailed) {
                    charset = found;
                    needPragma = true;
                }
            } else if (attribute->name == "charset") {
                charset = encodingForLabel(attribute->value);
                charsetFailed = !charset;
                needPragma = false;
            }
        }
        if (m_position >= m_bytes.size() || !needPragma || (*needPragma && !gotPragma) || !charset)
            return std::nullopt;
        if (charset == CharacterEncoding::Utf16BE || charset == CharacterEncoding::Utf16LE)
            return CharacterEncoding::Utf8;
        if (charset == CharacterEncoding::XUserDefined)
            return CharacterEncoding::Windows1252;
        return charset;
    }

    // One attribute of a tag, names and values lower-cased; nothing at the tag's ">" or the end of the bytes.
    std::optional<Attribute> attribute()
    {
        const qsizetype n = m_bytes.size();
        while (m_position < n && (isSpace(byte(0)) || byte(0) == '/'))
            ++m_position;
        if (m_position >= n || byte(0) == '>')
            return std::nullopt;
        Attribute attribute;
        // The name: a first "=" belongs to it.
        while (true) {
            if (m_position >= n)
                return std::nullopt;
            const char c = byte(0);
            if (c == '=' && !attribute.name.isEmpty()) {
                ++m_position;
                return value(std::move(attribute));
            }
            if (isSpace(c))
                break;
            if (c == '/' || c == '>')
                return attribute;
            attribute.name += asciiLower(c);
            ++m_position;
        }
        while (m_position < n && isSpace(byte(0)))
            ++m_position;
        if (m_position >= n)
            return std::nullopt;
        if (byte(0) != '=')
            return attribute;
        ++m_position;
        return value(std::move(attribute));
    }

    // The value of an attribute, after its "=".
    std::optional<Attribute> value(Attribute attribute)
    {
        const qsizetype n = m_bytes.size();
        while (m_position < n && isSpace(byte(0)))
            ++m_position;
        if (m_position >= n)
            return std::nullopt;
        const char first = byte(0);
        if (first == '"' || first == '\'') {
            while (true) {
                ++m_position;
                if (m_position >= n)
                    return std::nullopt;
                if (byte(0) == first) {
                    ++m_position;
                    return attribute;
                }
                attribute.value += asciiLower(byte(0));
            }
        }
        if (first == '>')
            return attribute;
        attribute.value += asciiLower(first);
        while (true) {
            ++m_position;
            if (m_position >= n)
                return std::nullopt;
            if (isSpace(byte(0)) || byte(0) == '>')
                return attribute;
            attribute.value += asciiLower(byte(0));
        }
    }

    QByteArrayView m_bytes;
    qsizetype m_position = 0;
};

} // namespace

std::optional<CharacterEncoding> prescanEncoding(QByteArrayView bytes)
{
    if (const std::optional<CharacterEncoding> declared = Prescan(bytes).run())
        return declared;
    return encodingFromXmlDeclaration(bytes);
}
