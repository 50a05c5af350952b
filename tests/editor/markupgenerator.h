#pragma once

#include <QRandomGenerator>
#include <QString>

// Seeded pseudo-random documents that exercise every way a browser reads markup: tags in any letter case,
// attributes with every kind of value, comments with their odd endings, declarations, CDATA sections, the
// elements whose content is text, script sections that hide their end tag, SVG and MathML with their
// integration points, stray "<" and ">", line breaks anywhere. The same seed gives the same document.
class MarkupGenerator
{
public:
    struct Settings
    {
        int pieces = 40;
        // SVG and MathML elements. Documents with them leave out what the parser the tests compare with reads
        // otherwise than browsers now do: "</p>" and "</br>" (which now end SVG and MathML content) and end
        // tags of names that parser does not know (it takes any of them to close any open element of a name
        // it does not know), end tags with attributes or blanks (which it never matches with an open SVG or
        // MathML element); their pieces stand apart, so that no such end tag forms where two meet.
        bool foreign = true;
    };

    explicit MarkupGenerator(quint32 seed);

    QString generate(const Settings &settings);

private:
    bool chance(int percent);
    int below(int bound);
    QString pick(std::initializer_list<const char *> choices);
    QString anyCase(const QString &name);
    QString piece(const Settings &settings);
    QString startTag(const Settings &settings);
    QString endTag(const Settings &settings);
    QString tagName(const Settings &settings);
    QString attributes();
    QString comment();
    QString text();
    QString blank();

    QRandomGenerator m_random;
};
