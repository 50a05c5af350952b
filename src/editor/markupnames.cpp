#include "editor/markupnames.h"

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

bool isAsciiLetter(QChar c)
{
    const char16_t u = c.unicode();
    return (u >= u'a' && u <= u'z') || (u >= u'A' && u <= u'Z');
}

// A lexer of the HTML tokenizer's shape, reduced to what tells names apart from everything else.
class NameScanner
{
public:
    explicit NameScanner(const QStringList &lines) : m_text(lines.join(u'\n'))
    {
        m_names.resize(m_text.size() - qMax<qsizetype>(0, lines.size() - 1));
    }

    QBitArray scan()
    {
        while (m_at < m_text.size()) {
            if (m_text.at(m_at) == u'<')
                markup();
            else
                advance();
        }
        return m_names;
    }

private:
    QChar at(qsizetype i) const { return i < m_text.size() ? m_text.at(i) : QChar(); }
    bool atEnd() const { return m_at >= m_text.size(); }

    // Moves past the current character; `name` marks it as part of a name.
    void advance(bool name = false)
    {
        if (m_text.at(m_at) == u'\n') {
            ++m_breaks;
        } else if (name) {
            m_names.setBit(m_at - m_breaks);
        }
        ++m_at;
    }

    bool startsWithHere(QStringView s) const
    {
        return QStringView(m_text).mid(m_at).startsWith(s, Qt::CaseInsensitive);
    }

    // At a "<": a start or end tag, a comment, a declaration, or a "<" that is only text.
    void markup()
    {
        const QChar next = at(m_at + 1);
        if (isAsciiLetter(next)) {
            advance();
            tag(true);
        } else if (next == u'/' && isAsciiLetter(at(m_at + 2))) {
            advance();
            advance();
            tag(false);
        } else if (startsWithHere(u"<!--")) {
            for (int i = 0; i < 4; ++i)
                advance();
            while (!atEnd() && !startsWithHere(u"-->"))
                advance();
            for (int i = 0; i < 3 && !atEnd(); ++i)
                advance();
        } else if (next == u'!' || next == u'?' || next == u'/') {
            // Declarations, processing instructions and "</" without a name run to the next ">".
            while (!atEnd() && m_text.at(m_at) != u'>')
                advance();
            if (!atEnd())
                advance();
        } else {
            advance();
        }
    }

    // Inside a tag, at the first character of its name.
    void tag(bool startTag)
    {
        QString name;
        while (!atEnd() && !isBlank(m_text.at(m_at)) && m_text.at(m_at) != u'/' && m_text.at(m_at) != u'>') {
            name += m_text.at(m_at).toLower();
            advance(true);
        }
        attributes();
        if (startTag && (name == u"script" || name == u"style"))
            rawText(name);
    }

    // The attributes up to and including the ">" that ends the tag.
    void attributes()
    {
        while (!atEnd()) {
            const QChar c = m_text.at(m_at);
            if (c == u'>') {
                advance();
                return;
            }
            if (isBlank(c) || c == u'/') {
                advance();
                continue;
            }
            // An attribute name, then an optional "=" and value.
            while (!atEnd() && !isBlank(m_text.at(m_at)) && m_text.at(m_at) != u'/' &&
                   m_text.at(m_at) != u'>' && m_text.at(m_at) != u'=')
                advance(true);
            qsizetype after = m_at;
            while (after < m_text.size() && isBlank(m_text.at(after)))
                ++after;
            if (at(after) != u'=')
                continue;
            while (m_at <= after)
                advance();
            while (!atEnd() && isBlank(m_text.at(m_at)))
                advance();
            value();
        }
    }

    // An attribute value: quoted, or running to a blank or ">".
    void value()
    {
        if (atEnd())
            return;
        const QChar quote = m_text.at(m_at);
        if (quote == u'"' || quote == u'\'') {
            advance();
            while (!atEnd() && m_text.at(m_at) != quote)
                advance();
            if (!atEnd())
                advance();
            return;
        }
        while (!atEnd() && !isBlank(m_text.at(m_at)) && m_text.at(m_at) != u'>')
            advance();
    }

    // The content of a script or style element: text up to its end tag.
    void rawText(const QString &name)
    {
        const QString endTag = QStringLiteral("</") + name;
        while (!atEnd()) {
            if (startsWithHere(endTag)) {
                const QChar after = at(m_at + endTag.size());
                if (after.isNull() || isBlank(after) || after == u'/' || after == u'>')
                    return;
            }
            advance();
        }
    }

    const QString m_text;
    QBitArray m_names;
    qsizetype m_at = 0;
    qsizetype m_breaks = 0;
};

} // namespace

QBitArray markupNamePositions(const QStringList &lines)
{
    return NameScanner(lines).scan();
}
