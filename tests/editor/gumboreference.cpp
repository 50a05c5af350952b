#include "gumboreference.h"

#include <gumbo.h>

#include <QVector>

#include <memory>

namespace {

// Where each UTF-8 byte of the text stands in the text's UTF-16 characters.
QVector<qsizetype> characterOfEachByte(const QString &text)
{
    QVector<qsizetype> characters;
    characters.reserve(text.size() * 2);
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text.at(i).unicode();
        int bytes = 1;
        if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            characters.insert(characters.size(), 4, i);
            ++i;
            continue;
        }
        if (c >= 0x800)
            bytes = 3;
        else if (c >= 0x80)
            bytes = 2;
        characters.insert(characters.size(), bytes, i);
    }
    return characters;
}

class Reader
{
public:
    explicit Reader(const QString &text)
        : m_bytes(text.toUtf8()), m_characters(characterOfEachByte(text)), m_letters(text.size())
    {
    }

    GumboReading read()
    {
        const std::unique_ptr<GumboOutput, void (*)(GumboOutput *)> output(
            gumbo_parse_with_options(&kGumboDefaultOptions, m_bytes.constData(), size_t(m_bytes.size())),
            [](GumboOutput *o) { gumbo_destroy_output(&kGumboDefaultOptions, o); });
        const GumboDocument &document = output->document->v.document;
        m_tree += "doctype:";
        if (document.has_doctype) {
            m_tree += document.name;
            m_tree += '|';
            m_tree += document.public_identifier;
            m_tree += '|';
            m_tree += document.system_identifier;
        }
        m_tree += '\n';
        for (unsigned int i = 0; i < document.children.length; ++i)
            node(static_cast<const GumboNode *>(document.children.data[i]), 0);
        return {m_letters, m_tree};
    }

private:
    qsizetype offsetOf(const char *data) const { return data - m_bytes.constData(); }

    // Marks the letters of a name that starts at `data` and runs to a blank, "/" or ">".
    void markName(const char *data, const char *end)
    {
        for (const char *p = data; p < end; ++p) {
            const char c = *p;
            if (c == '\t' || c == '\n' || c == '\f' || c == ' ' || c == '/' || c == '>')
                return;
            if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
                m_letters.setBit(m_characters.at(offsetOf(p)));
        }
    }

    bool inText(const GumboStringPiece &piece) const
    {
        return piece.length > 0 && piece.data >= m_bytes.constData() &&
               piece.data + piece.length <= m_bytes.constData() + m_bytes.size();
    }

    void markTag(const GumboStringPiece &tag)
    {
        if (!inText(tag) || tag.length < 2 || tag.data[0] != '<')
            return;
        const char *name = tag.data + (tag.data[1] == '/' ? 2 : 1);
        markName(name, tag.data + tag.length);
    }

    void node(const GumboNode *node, int depth)
    {
        m_tree += QByteArray(depth, ' ');
        switch (node->type) {
        case GUMBO_NODE_ELEMENT:
        case GUMBO_NODE_TEMPLATE:
            element(node->v.element, depth);
            return;
        case GUMBO_NODE_TEXT:
        case GUMBO_NODE_WHITESPACE:
            m_tree += "text:";
            break;
        case GUMBO_NODE_CDATA:
            m_tree += "cdata:";
            break;
        case GUMBO_NODE_COMMENT:
            m_tree += "comment:";
            break;
        case GUMBO_NODE_DOCUMENT:
            break;
        }
        m_tree += node->v.text.text;
        m_tree += '\n';
    }

    void element(const GumboElement &element, int depth)
    {
        static const char *const spaces[] = {"html", "svg", "math"};
        m_tree += spaces[element.tag_namespace];
        m_tree += ':';
        if (element.tag == GUMBO_TAG_UNKNOWN) {
            GumboStringPiece name = element.original_tag;
            gumbo_tag_from_original_text(&name);
            m_tree += QByteArray(name.data, int(name.length)).toLower();
        } else {
            m_tree += gumbo_normalized_tagname(element.tag);
        }
        markTag(element.original_tag);
        markTag(element.original_end_tag);
        for (unsigned int i = 0; i < element.attributes.length; ++i) {
            const auto *attribute = static_cast<const GumboAttribute *>(element.attributes.data[i]);
            m_tree += ' ';
            m_tree += QByteArray::number(int(attribute->attr_namespace));
            m_tree += ':';
            m_tree += attribute->name;
            m_tree += "=\"";
            m_tree += attribute->value;
            m_tree += '"';
            const GumboStringPiece &name = attribute->original_name;
            if (inText(name)) {
                for (size_t k = 0; k < name.length; ++k) {
                    const char c = name.data[k];
                    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'))
                        m_letters.setBit(m_characters.at(offsetOf(name.data + k)));
                }
            }
        }
        m_tree += '\n';
        for (unsigned int i = 0; i < element.children.length; ++i)
            node(static_cast<const GumboNode *>(element.children.data[i]), depth + 1);
    }

    const QByteArray m_bytes;
    const QVector<qsizetype> m_characters;
    QBitArray m_letters;
    QByteArray m_tree;
};

} // namespace

GumboReading readWithGumbo(const QString &text)
{
    return Reader(text).read();
}
