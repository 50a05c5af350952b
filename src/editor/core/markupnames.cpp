#include "editor/core/markupnames.h"

#include <QHash>
#include <QSet>
#include <QVector>

namespace {

bool isBlank(QChar c)
{
    return c.unicode() <= 32;
}

// A letter whose case folding is a letter a to z: the letters whose case a tokenizer ignores, and the few
// others that a letter-case change can turn them into (the Kelvin sign, the long s).
bool foldsToAsciiLetter(QChar c)
{
    const char16_t f = c.toCaseFolded().unicode();
    return f >= u'a' && f <= u'z';
}

// How an element's content is read.
enum class Content
{
    Markup,
    EscapableText, // title, textarea: text up to the element's end tag
    RawText,       // style and the like: the same, for elements whose text is never markup
    ScriptText,    // script: raw text whose "<!--" sections may hide an end tag
    PlainText      // plaintext: text to the end of the document
};

Content contentOf(const QString &name)
{
    static const QHash<QString, Content> contents = {
        {QStringLiteral("title"), Content::EscapableText},
        {QStringLiteral("textarea"), Content::EscapableText},
        {QStringLiteral("style"), Content::RawText},
        {QStringLiteral("xmp"), Content::RawText},
        {QStringLiteral("iframe"), Content::RawText},
        {QStringLiteral("noembed"), Content::RawText},
        {QStringLiteral("noframes"), Content::RawText},
        {QStringLiteral("noscript"), Content::RawText},
        {QStringLiteral("script"), Content::ScriptText},
        {QStringLiteral("plaintext"), Content::PlainText},
    };
    return contents.value(name, Content::Markup);
}

bool isOneOf(const QString &name, std::initializer_list<const char16_t *> names)
{
    for (const char16_t *candidate : names)
        if (name == QStringView(candidate))
            return true;
    return false;
}

// HTML elements that hold no content, so they never stay open.
bool isVoid(const QString &name)
{
    static const QSet<QString> names = {
        QStringLiteral("area"),    QStringLiteral("base"),   QStringLiteral("basefont"),
        QStringLiteral("bgsound"), QStringLiteral("br"),     QStringLiteral("col"),
        QStringLiteral("embed"),   QStringLiteral("frame"),  QStringLiteral("hr"),
        QStringLiteral("image"),   QStringLiteral("img"),    QStringLiteral("input"),
        QStringLiteral("keygen"),  QStringLiteral("link"),   QStringLiteral("meta"),
        QStringLiteral("param"),   QStringLiteral("source"), QStringLiteral("track"),
        QStringLiteral("wbr"),     QStringLiteral("html"),   QStringLiteral("head"),
        QStringLiteral("body"),
    };
    return names.contains(name);
}

// Start tags that end SVG and MathML content and are read as HTML.
bool breaksOutOfForeignContent(const QString &name, const QStringList &attributes)
{
    static const QSet<QString> names = {
        QStringLiteral("b"),       QStringLiteral("big"),  QStringLiteral("blockquote"),
        QStringLiteral("body"),    QStringLiteral("br"),   QStringLiteral("center"),
        QStringLiteral("code"),    QStringLiteral("dd"),   QStringLiteral("div"),
        QStringLiteral("dl"),      QStringLiteral("dt"),   QStringLiteral("em"),
        QStringLiteral("embed"),   QStringLiteral("h1"),   QStringLiteral("h2"),
        QStringLiteral("h3"),      QStringLiteral("h4"),   QStringLiteral("h5"),
        QStringLiteral("h6"),      QStringLiteral("head"), QStringLiteral("hr"),
        QStringLiteral("i"),       QStringLiteral("img"),  QStringLiteral("li"),
        QStringLiteral("listing"), QStringLiteral("menu"), QStringLiteral("meta"),
        QStringLiteral("nobr"),    QStringLiteral("ol"),   QStringLiteral("p"),
        QStringLiteral("pre"),     QStringLiteral("ruby"), QStringLiteral("s"),
        QStringLiteral("small"),   QStringLiteral("span"), QStringLiteral("strong"),
        QStringLiteral("strike"),  QStringLiteral("sub"),  QStringLiteral("sup"),
        QStringLiteral("table"),   QStringLiteral("tt"),   QStringLiteral("u"),
        QStringLiteral("ul"),      QStringLiteral("var"),
    };
    if (names.contains(name))
        return true;
    if (name != u"font")
        return false;
    for (const QString &attribute : attributes)
        if (isOneOf(attribute, {u"color", u"face", u"size"}))
            return true;
    return false;
}

enum class Space
{
    Html,
    Svg,
    MathMl
};

struct Element
{
    QString name;
    Space space = Space::Html;
    bool htmlIntegrationPoint = false;       // its start tags are read as HTML
    bool mathMlTextIntegrationPoint = false; // the same, but for mglyph and malignmark
    bool annotationXml = false;              // an svg start tag in it is read as HTML
    bool scopeBoundary = false;              // end tags of most elements below it do not reach past it
    bool tableScopeBoundary = false;         // end tags of table parts do not reach past it
};

// The open elements, as far as they decide how tags are read: which are SVG or MathML, and how far an end tag
// reaches. Every step costs the same whatever the depth, so no document makes the scan slower than its
// length.
class OpenElements
{
public:
    bool isEmpty() const { return m_elements.isEmpty(); }
    const Element &current() const { return m_elements.constLast(); }
    bool inForeignContent() const { return !isEmpty() && current().space != Space::Html; }

    void push(const Element &element)
    {
        const int index = int(m_elements.size());
        m_elements.append(element);
        indicesOf(element)[element.name].append(index);
        if (element.space == Space::Html)
            m_html.append(index);
        if (element.scopeBoundary)
            m_scope.append(index);
        if (element.tableScopeBoundary)
            m_tableScope.append(index);
    }

    // Closes the element at `index` and every element opened after it.
    void popTo(int index)
    {
        while (m_elements.size() > index) {
            const int top = int(m_elements.size()) - 1;
            const Element &element = m_elements.constLast();
            QHash<QString, QVector<int>> &indices = indicesOf(element);
            QVector<int> &named = indices[element.name];
            named.removeLast();
            if (named.isEmpty())
                indices.remove(element.name);
            for (QVector<int> *list : {&m_html, &m_scope, &m_tableScope})
                if (!list->isEmpty() && list->constLast() == top)
                    list->removeLast();
            m_elements.removeLast();
        }
    }

    // Closes the SVG and MathML elements above the nearest HTML element or integration point.
    void closeForeignElements()
    {
        int index = int(m_elements.size());
        while (index > 0) {
            const Element &element = m_elements.at(index - 1);
            if (element.space == Space::Html || element.htmlIntegrationPoint ||
                element.mathMlTextIntegrationPoint)
                break;
            --index;
        }
        popTo(index);
    }

    // The latest open element of that name, HTML or foreign; -1 when there is none.
    int latest(const QString &name, bool html) const
    {
        const QHash<QString, QVector<int>> &indices = html ? m_htmlIndices : m_foreignIndices;
        const auto found = indices.constFind(name);
        return found == indices.cend() ? -1 : found->constLast();
    }

    int latestHtml() const { return m_html.isEmpty() ? -1 : m_html.constLast(); }
    int latestScopeBoundary() const { return m_scope.isEmpty() ? -1 : m_scope.constLast(); }
    int latestTableScopeBoundary() const { return m_tableScope.isEmpty() ? -1 : m_tableScope.constLast(); }

private:
    QHash<QString, QVector<int>> &indicesOf(const Element &element)
    {
        return element.space == Space::Html ? m_htmlIndices : m_foreignIndices;
    }

    QVector<Element> m_elements;
    QHash<QString, QVector<int>> m_htmlIndices;
    QHash<QString, QVector<int>> m_foreignIndices;
    QVector<int> m_html;
    QVector<int> m_scope;
    QVector<int> m_tableScope;
};

struct Tag
{
    bool end = false;
    bool selfClosing = false;
    QString name;           // case-folded
    QStringList attributes; // their names, case-folded
    QString encoding;       // the value of an "encoding" attribute
};

// The tokenizer of a browser, reduced to what tells names apart from everything else, with the part of tree
// building that decides how content is read: raw text elements and SVG and MathML content.
class NameScanner
{
public:
    explicit NameScanner(const QStringList &lines) : m_text(lines.join(u'\n')), m_names(m_text.size()) {}

    QBitArray scan()
    {
        const qsizetype n = m_text.size();
        while (m_at < n) {
            m_at = m_text.indexOf(u'<', m_at);
            if (m_at < 0)
                break;
            markup();
        }
        // The positions without the line breaks.
        QBitArray result(m_text.size() - m_text.count(u'\n'));
        qsizetype position = 0;
        for (qsizetype i = 0; i < n; ++i) {
            if (m_text.at(i) == u'\n')
                continue;
            if (m_names.testBit(i))
                result.setBit(position);
            ++position;
        }
        return result;
    }

private:
    QChar at(qsizetype i) const { return i < m_text.size() ? m_text.at(i) : QChar(); }

    bool startsWithAt(qsizetype i, QStringView s, Qt::CaseSensitivity cs = Qt::CaseSensitive) const
    {
        return QStringView(m_text).mid(i).startsWith(s, cs);
    }

    void skipPast(QChar c)
    {
        const qsizetype found = m_text.indexOf(c, m_at);
        m_at = found < 0 ? m_text.size() : found + 1;
    }

    // At a "<": a tag, a comment, a declaration, a CDATA section, or a "<" that is text.
    void markup()
    {
        const QChar next = at(m_at + 1);
        if (foldsToAsciiLetter(next)) {
            tag(false);
        } else if (next == u'/') {
            if (foldsToAsciiLetter(at(m_at + 2))) {
                tag(true);
            } else if (at(m_at + 2) == u'>') {
                m_at += 3;
            } else {
                m_at += 2;
                if (m_at < m_text.size())
                    skipPast(u'>');
            }
        } else if (next == u'!') {
            if (startsWithAt(m_at, u"<!--")) {
                comment();
            } else if (m_elements.inForeignContent() && startsWithAt(m_at, u"<![CDATA[")) {
                const qsizetype end = m_text.indexOf(u"]]>", m_at + 9);
                m_at = end < 0 ? m_text.size() : end + 3;
            } else {
                skipPast(u'>');
            }
        } else if (next == u'?') {
            skipPast(u'>');
        } else {
            ++m_at;
        }
    }

    // A comment ends at the first "-->" (whose dashes may be those of "<!--") or "--!>" after "<!--".
    void comment()
    {
        const qsizetype start = m_at;
        const qsizetype n = m_text.size();
        for (qsizetype i = start + 2; i + 2 < n; ++i) {
            if (m_text.at(i) != u'-' || m_text.at(i + 1) != u'-')
                continue;
            if (m_text.at(i + 2) == u'>') {
                m_at = i + 3;
                return;
            }
            if (i >= start + 4 && m_text.at(i + 2) == u'!' && at(i + 3) == u'>') {
                m_at = i + 4;
                return;
            }
        }
        m_at = n;
    }

    // Marks a name's letter and adds its folding to the name.
    void nameCharacter(QString &name)
    {
        const QChar c = m_text.at(m_at);
        if (foldsToAsciiLetter(c))
            m_names.setBit(m_at);
        name += c.toCaseFolded();
        ++m_at;
    }

    bool endsName(QChar c) const { return isBlank(c) || c == u'/' || c == u'>'; }

    // A start or end tag from its "<"; a tag cut off by the end of the text is no tag.
    void tag(bool end)
    {
        const qsizetype n = m_text.size();
        Tag tag;
        tag.end = end;
        m_at += end ? 2 : 1;
        while (m_at < n && !endsName(m_text.at(m_at)))
            nameCharacter(tag.name);
        if (!attributes(tag))
            return;
        if (tag.end)
            endTag(tag);
        else
            startTag(tag);
    }

    // The attributes after the tag name, up to and including the ">" that ends the tag; false when the text
    // ends first.
    bool attributes(Tag &tag)
    {
        const qsizetype n = m_text.size();
        while (m_at < n) {
            const QChar c = m_text.at(m_at);
            if (c == u'>') {
                ++m_at;
                return true;
            }
            if (c == u'/') {
                ++m_at;
                if (at(m_at) == u'>') {
                    tag.selfClosing = true;
                    ++m_at;
                    return true;
                }
                continue;
            }
            if (isBlank(c)) {
                ++m_at;
                continue;
            }
            // An attribute name; a first "=" belongs to it.
            QString name;
            nameCharacter(name);
            while (m_at < n && !endsName(m_text.at(m_at)) && m_text.at(m_at) != u'=')
                nameCharacter(name);
            tag.attributes.append(name);
            qsizetype after = m_at;
            while (after < n && isBlank(m_text.at(after)))
                ++after;
            if (at(after) != u'=')
                continue;
            m_at = after + 1;
            while (m_at < n && isBlank(m_text.at(m_at)))
                ++m_at;
            const qsizetype valueStart = m_at;
            if (!value())
                return false;
            if (name == u"encoding")
                tag.encoding = unquoted(QStringView(m_text).mid(valueStart, m_at - valueStart)).toString();
        }
        return false;
    }

    static QStringView unquoted(QStringView value)
    {
        if (!value.isEmpty() && (value.front() == u'"' || value.front() == u'\''))
            return value.mid(1, value.size() - 2);
        return value;
    }

    // An attribute value: quoted, or running to a blank or ">" (which stays for the tag to read). False when
    // the text ends inside a quoted value.
    bool value()
    {
        const QChar quote = at(m_at);
        if (quote == u'"' || quote == u'\'') {
            const qsizetype end = m_text.indexOf(quote, m_at + 1);
            if (end < 0) {
                m_at = m_text.size();
                return false;
            }
            m_at = end + 1;
            return true;
        }
        while (m_at < m_text.size() && !isBlank(m_text.at(m_at)) && m_text.at(m_at) != u'>')
            ++m_at;
        return true;
    }

    // Whether a start tag is read by HTML's rules rather than by those of the SVG or MathML element it is in.
    bool readAsHtml(const Tag &tag) const
    {
        if (!m_elements.inForeignContent())
            return true;
        const Element &current = m_elements.current();
        if (current.mathMlTextIntegrationPoint && tag.name != u"mglyph" && tag.name != u"malignmark")
            return true;
        if (current.annotationXml && tag.name == u"svg")
            return true;
        return current.htmlIntegrationPoint;
    }

    void startTag(const Tag &tag)
    {
        if (!readAsHtml(tag)) {
            if (breaksOutOfForeignContent(tag.name, tag.attributes)) {
                m_elements.closeForeignElements();
                htmlStartTag(tag);
            } else if (!tag.selfClosing) {
                m_elements.push(foreignElement(tag, m_elements.current().space));
            }
            return;
        }
        htmlStartTag(tag);
    }

    static Element foreignElement(const Tag &tag, Space space)
    {
        Element element;
        element.name = tag.name;
        element.space = space;
        if (space == Space::Svg) {
            element.htmlIntegrationPoint = isOneOf(tag.name, {u"foreignobject", u"desc", u"title"});
        } else {
            element.mathMlTextIntegrationPoint = isOneOf(tag.name, {u"mi", u"mo", u"mn", u"ms", u"mtext"});
            element.annotationXml = tag.name == u"annotation-xml";
            element.htmlIntegrationPoint =
                element.annotationXml &&
                (tag.encoding.compare(QLatin1String("text/html"), Qt::CaseInsensitive) == 0 ||
                 tag.encoding.compare(QLatin1String("application/xhtml+xml"), Qt::CaseInsensitive) == 0);
        }
        element.scopeBoundary =
            element.htmlIntegrationPoint || element.mathMlTextIntegrationPoint || element.annotationXml;
        return element;
    }

    void htmlStartTag(const Tag &tag)
    {
        if (tag.name == u"svg" || tag.name == u"math") {
            if (!tag.selfClosing)
                m_elements.push(foreignElement(tag, tag.name == u"svg" ? Space::Svg : Space::MathMl));
            return;
        }
        const Content content = contentOf(tag.name);
        if (content != Content::Markup) {
            text(content, tag.name);
            return;
        }
        if (isVoid(tag.name))
            return;
        // Table parts outside a table are dropped.
        if (isOneOf(tag.name,
                    {u"caption", u"col", u"colgroup", u"tbody", u"tfoot", u"thead", u"tr", u"td", u"th"}) &&
            m_elements.latest(QStringLiteral("table"), true) < 0)
            return;
        Element element;
        element.name = tag.name;
        element.tableScopeBoundary = isOneOf(tag.name, {u"table", u"template"});
        element.scopeBoundary =
            element.tableScopeBoundary ||
            isOneOf(tag.name, {u"applet", u"caption", u"td", u"th", u"marquee", u"object"});
        m_elements.push(element);
    }

    void endTag(const Tag &tag)
    {
        if (m_elements.inForeignContent()) {
            if (tag.name == u"br" || tag.name == u"p") {
                m_elements.closeForeignElements();
            } else {
                const int foreign = m_elements.latest(tag.name, false);
                if (foreign >= 0 && foreign > m_elements.latestHtml()) {
                    m_elements.popTo(foreign);
                    return;
                }
            }
        }
        // HTML's rules: the end tag closes the latest open element of its name within reach.
        const int open = m_elements.latest(tag.name, true);
        if (open < 0)
            return;
        const bool tablePart =
            isOneOf(tag.name, {u"table", u"tbody", u"thead", u"tfoot", u"tr", u"td", u"th", u"caption"});
        const int boundary =
            tablePart ? m_elements.latestTableScopeBoundary() : m_elements.latestScopeBoundary();
        if (open >= boundary)
            m_elements.popTo(open);
    }

    // Does the text at `i` start with "</", the element's name and a character that ends a tag name?
    bool endTagAt(qsizetype i, const QString &name) const
    {
        if (at(i) != u'<' || at(i + 1) != u'/')
            return false;
        for (qsizetype k = 0; k < name.size(); ++k) {
            const QChar c = at(i + 2 + k);
            if (!foldsToAsciiLetter(c) || c.toCaseFolded() != name.at(k))
                return false;
        }
        const QChar after = at(i + 2 + name.size());
        return !after.isNull() && endsName(after);
    }

    // The content of an element whose text is not markup; the scan goes on at its end tag.
    void text(Content content, const QString &name)
    {
        const qsizetype n = m_text.size();
        if (content == Content::PlainText) {
            m_at = n;
            return;
        }
        if (content == Content::ScriptText) {
            scriptText();
            return;
        }
        while (m_at < n) {
            const qsizetype found = m_text.indexOf(u"</", m_at);
            if (found < 0) {
                m_at = n;
                return;
            }
            if (endTagAt(found, name)) {
                m_at = found;
                return;
            }
            m_at = found + 2;
        }
    }

    // Letters from `m_at` on whose folding is a letter a to z, folded.
    QString letters()
    {
        QString word;
        while (m_at < m_text.size() && foldsToAsciiLetter(m_text.at(m_at)))
            word += m_text.at(m_at++).toCaseFolded();
        return word;
    }

    // Where script content stands: plain text, inside a "<!--" section (escaped), or inside a "<script" tag
    // written within such a section (double escaped). The dash states count the dashes of a closing "-->".
    enum class ScriptState
    {
        Text,
        Escaped,
        EscapedDash,
        EscapedDashDash,
        DoubleEscaped,
        DoubleEscapedDash,
        DoubleEscapedDashDash
    };

    static bool isDoubleEscaped(ScriptState state)
    {
        return state == ScriptState::DoubleEscaped || state == ScriptState::DoubleEscapedDash ||
               state == ScriptState::DoubleEscapedDashDash;
    }

    // Script content: its end tag ends it, except inside a "<!--" section that opened another script tag.
    void scriptText()
    {
        ScriptState state = ScriptState::Text;
        while (m_at < m_text.size()) {
            const QChar c = m_text.at(m_at);
            if (c != u'<') {
                ++m_at;
                state = afterScriptCharacter(state, c);
            } else if (!isDoubleEscaped(state) && endTagAt(m_at, scriptName())) {
                return;
            } else {
                state = afterScriptTagOpen(state);
            }
        }
    }

    // A "<" in script content, at `m_at`: steps past it and what it opens, and returns the state after them.
    ScriptState afterScriptTagOpen(ScriptState state)
    {
        if (state == ScriptState::Text) {
            if (startsWithAt(m_at, u"<!--")) {
                m_at += 4;
                return ScriptState::EscapedDashDash;
            }
            ++m_at;
            return ScriptState::Text;
        }
        ++m_at;
        return isDoubleEscaped(state) ? afterDoubleEscapedTagOpen() : afterEscapedTagOpen();
    }

    // After a "<" inside a "<!--" section: "<script" followed by a blank, "/" or ">" escapes twice.
    ScriptState afterEscapedTagOpen()
    {
        if (at(m_at) == u'/') {
            ++m_at;
            return ScriptState::Escaped;
        }
        return skipScriptName() ? ScriptState::DoubleEscaped : ScriptState::Escaped;
    }

    // After a "<" inside a doubly escaped section: "</script" followed by a blank, "/" or ">" ends the double
    // escape.
    ScriptState afterDoubleEscapedTagOpen()
    {
        if (at(m_at) != u'/')
            return ScriptState::DoubleEscaped;
        ++m_at;
        return skipScriptName() ? ScriptState::Escaped : ScriptState::DoubleEscaped;
    }

    // Reads the letters at `m_at`; true, with the character that ends the name skipped too, when they spell
    // "script" and a blank, "/" or ">" follows them.
    bool skipScriptName()
    {
        if (letters() != scriptName() || m_at >= m_text.size() || !endsName(m_text.at(m_at)))
            return false;
        ++m_at;
        return true;
    }

    // The state after a character other than "<": dashes count towards a "-->", which ends the section.
    static ScriptState afterScriptCharacter(ScriptState state, QChar c)
    {
        switch (state) {
        case ScriptState::Text:
            return ScriptState::Text;
        case ScriptState::Escaped:
        case ScriptState::EscapedDash:
        case ScriptState::EscapedDashDash:
            if (c == u'-')
                return state == ScriptState::Escaped ? ScriptState::EscapedDash
                                                     : ScriptState::EscapedDashDash;
            if (c == u'>' && state == ScriptState::EscapedDashDash)
                return ScriptState::Text;
            return ScriptState::Escaped;
        case ScriptState::DoubleEscaped:
        case ScriptState::DoubleEscapedDash:
        case ScriptState::DoubleEscapedDashDash:
            if (c == u'-')
                return state == ScriptState::DoubleEscaped ? ScriptState::DoubleEscapedDash
                                                           : ScriptState::DoubleEscapedDashDash;
            if (c == u'>' && state == ScriptState::DoubleEscapedDashDash)
                return ScriptState::Text;
            return ScriptState::DoubleEscaped;
        }
        return state;
    }

    static const QString &scriptName()
    {
        static const QString name = QStringLiteral("script");
        return name;
    }

    const QString m_text;
    QBitArray m_names;
    qsizetype m_at = 0;
    OpenElements m_elements;
};

} // namespace

QBitArray markupNamePositions(const QStringList &lines)
{
    return NameScanner(lines).scan();
}
