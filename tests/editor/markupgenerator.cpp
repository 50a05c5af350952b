#include "markupgenerator.h"

MarkupGenerator::MarkupGenerator(quint32 seed) : m_random(seed) {}

bool MarkupGenerator::chance(int percent)
{
    return below(100) < percent;
}

int MarkupGenerator::below(int bound)
{
    return int(m_random.bounded(bound));
}

QString MarkupGenerator::pick(std::initializer_list<const char *> choices)
{
    return QString::fromUtf8(*(choices.begin() + below(int(choices.size()))));
}

QString MarkupGenerator::anyCase(const QString &name)
{
    QString result = name;
    for (QChar &c : result)
        if (chance(30))
            c = c.isUpper() ? c.toLower() : c.toUpper();
    return result;
}

QString MarkupGenerator::blank()
{
    return pick({" ", " ", "  ", "\n", "\t", "\f", " \n "});
}

QString MarkupGenerator::generate(const Settings &settings)
{
    QString document;
    for (int i = 0; i < settings.pieces; ++i) {
        document += piece(settings);
        if (chance(15))
            document += u'\n';
        else if (settings.foreign)
            document += u' ';
    }
    return document;
}

QString MarkupGenerator::piece(const Settings &settings)
{
    const int kind = below(100);
    if (kind < 30)
        return text();
    if (kind < 55)
        return startTag(settings);
    if (kind < 72)
        return endTag(settings);
    if (kind < 80)
        return comment();
    if (kind < 84)
        return pick({"<!DOCTYPE html>", "<!doctype HTML PUBLIC \"a>b\">", "<!x <b> >", "<?php echo '<b>' ?>",
                     "<? <i> ?>", "</ b>", "</>", "</3>", "<!>", "<!-x->"});
    if (kind < 88)
        return pick({"<![CDATA[ <p>x</p> <P>X</P> ]]>", "<![CDATA[<b>]]]>", "<![cdata[ <i>x</i> ]]>",
                     "<![CDATA[ <b>x</b>"});
    if (kind < 95 && !settings.foreign && chance(20))
        return pick({"</scripts>", "</titlex>", "</TITLE ", "</SCRIPT/"});
    if (kind < 95)
        return pick({"<!--", "-->", "--", "-", "<script>", "</script>", "<SCRIPT ", "<scripts>", "</title",
                     "</textarea>", "</style>", "</xmp>", "</iframe>", "</noembed>", "</noframes>", "<", ">",
                     "<b", "</"});
    return pick({"<", ">", "< b>", "<<b>", "<1>", "<\u03B1>", "a<b", "=", "\"", "'", "/", "&lt;"});
}

QString MarkupGenerator::tagName(const Settings &settings)
{
    if (settings.foreign && chance(35))
        return anyCase(
            pick({"svg",      "math",  "foreignObject",  "desc",   "title",      "mi",  "mo",   "mn",
                  "ms",       "mtext", "annotation-xml", "mglyph", "malignmark", "g",   "path", "circle",
                  "text",     "svg",   "math",           "font",   "p",          "div", "br",   "style",
                  "textarea", "script"}));
    if (chance(25))
        return anyCase(pick({"title", "textarea", "style", "xmp", "iframe", "noembed", "noframes", "script",
                             "script", "plaintext"}));
    return anyCase(
        pick({"p",        "b",       "i",      "div",   "span", "a",     "table", "tr",   "td",    "th",
              "ul",       "li",      "h1",     "font",  "img",  "br",    "input", "html", "head",  "body",
              "template", "caption", "object", "x-foo", "b2",   "blink", "image", "pre",  "center"}));
}

QString MarkupGenerator::attributes()
{
    QString result;
    const int count = below(4);
    for (int i = 0; i < count; ++i) {
        result += chance(85) ? blank() : QString();
        result +=
            anyCase(pick({"class", "id", "style", "href", "color", "face", "size", "encoding", "onclick",
                          "data-x", "xlink:href", "=x", "a\"b", "a'b", "a<b", "definitionURL", "viewBox"}));
        if (chance(25))
            continue;
        result += chance(20) ? blank() : QString();
        result += u'=';
        result += chance(20) ? blank() : QString();
        result += pick({"\"text/html\"", "'application/xhtml+xml'", "x", "Red", "\"a>b <i>x</i>\"", "'<B>\"'",
                        "a/b", "a\"b", "a'b", "a<b", "=", "\"\"", "''", "\"Text/HTML\"", "\"two\nlines\""});
    }
    return result;
}

QString MarkupGenerator::startTag(const Settings &settings)
{
    QString tag = u'<' + tagName(settings) + attributes();
    if (chance(10))
        tag += chance(50) ? QStringLiteral("/") : blank() + u'/';
    return tag + u'>';
}

QString MarkupGenerator::endTag(const Settings &settings)
{
    QString name = tagName(settings);
    const QString folded = name.toLower();
    if (settings.foreign && (folded == u"p" || folded == u"br"))
        name = QStringLiteral("span");
    if (settings.foreign && (folded == u"x-foo" || folded == u"b2" || folded == u"g" || folded == u"path" ||
                             folded == u"circle" || folded == u"text"))
        name = QStringLiteral("div");
    if (!settings.foreign && chance(10))
        name = anyCase(pick({"p", "br"}));
    QString tag = QStringLiteral("</") + name;
    if (!settings.foreign && chance(10))
        tag += attributes();
    return tag + u'>';
}

QString MarkupGenerator::comment()
{
    return pick({"<!-- <b>x</b> -->", "<!-->", "<!--->", "<!---->", "<!-- <I> --!>", "<!-- <B> --!->",
                 "<!-- <!-- <b> -->", "<!--<i>--", "<!-- - -- <b> --->", "<!--!> <b> -->"});
}

QString MarkupGenerator::text()
{
    return pick({"word", "Word", "\u039B\u03AD\u03BE\u03B7", "\u03C3\u03BF\u03C5", "a < b", "1<2", "x>y",
                 "&amp;", " ", "  ", "Text", "<\u03A3>", "tail", "TITLE", "b"});
}
