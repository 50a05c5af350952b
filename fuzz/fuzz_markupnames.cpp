// The name lexer against Gumbo, an HTML5 parser of its own: every name letter Gumbo reports is marked, and
// changing the case of every marked letter leaves Gumbo's tree as it was. The lexer's own promises are
// checked too: letter case and blanks at the start of lines change no name. Inputs where the lexer follows
// today's browsers and Gumbo an older or mistaken reading are left out (see `comparable`).
#include "editor/core/markupnames.h"
#include "fuzzinput.h"
#include "gumboreference.h"

#include <gumbo.h>

namespace {

bool containsWord(const QString &text, const char *word)
{
    return text.contains(QLatin1String(word), Qt::CaseInsensitive);
}

// Whether every end tag written in the text is "</name>" with a name Gumbo knows, other than p and br.
bool onlyPlainKnownEndTags(const QString &text)
{
    for (qsizetype at = text.indexOf(QLatin1String("</")); at >= 0;
         at = text.indexOf(QLatin1String("</"), at + 2)) {
        qsizetype end = at + 2;
        while (end < text.size() && text.at(end).isLetterOrNumber() && text.at(end).unicode() < 128)
            ++end;
        if (end == at + 2)
            continue;
        const QByteArray name = text.mid(at + 2, end - at - 2).toLatin1().toLower();
        if (end >= text.size() || text.at(end) != u'>' || name == "p" || name == "br" ||
            gumbo_tagn_enum(name.constData(), unsigned(name.size())) == GUMBO_TAG_UNKNOWN)
            return false;
    }
    return true;
}

// Inputs on which the lexer and Gumbo are meant to agree. The lexer counts every control character as a blank
// and compares names by case folding (so that the refresh's changes never change which letters are names);
// browsers run scripts, so noscript holds text, which Gumbo does not do; Gumbo follows an older reading of
// select and frameset content, of "</p>" and "</br>" in SVG and MathML, and matches neither end tags with
// attributes nor end tags of names it does not know there.
bool comparable(const QString &text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 32 && u != u'\t' && u != u'\n' && u != u'\f') || u == 0x017F || u == 0x212A)
            return false;
    }
    if (containsWord(text, "noscript") || containsWord(text, "select") || containsWord(text, "frameset"))
        return false;
    return !(containsWord(text, "svg") || containsWord(text, "math")) || onlyPlainKnownEndTags(text);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4000)
        return 0;
    bool endsWithLineBreak = false;
    const QStringList lines = linesOf(textOf(data, size), &endsWithLineBreak);
    const QBitArray names = markupNamePositions(lines);

    // Letter case and leading blanks.
    QStringList recased = lines;
    QStringList reindented;
    qsizetype position = 0;
    for (QString &line : recased) {
        for (QChar &c : line)
            if (names.testBit(position++))
                c = c.isUpper() ? c.toLower() : c.toUpper();
    }
    FUZZ_CHECK(markupNamePositions(recased) == names);
    QBitArray expected(names.size() + 3 * lines.size());
    qsizetype from = 0;
    qsizetype to = 0;
    for (const QString &line : lines) {
        qsizetype skipped = 0;
        while (skipped < line.size() && line.at(skipped).unicode() <= 32)
            ++skipped;
        reindented.append(QStringLiteral("   ") + line.mid(skipped));
        to += 3;
        for (qsizetype k = skipped; k < line.size(); ++k)
            expected.setBit(to++, names.testBit(from + k));
        from += line.size();
    }
    expected.resize(to);
    FUZZ_CHECK(markupNamePositions(reindented) == expected);

    // Against Gumbo.
    const QString text = lines.join(u'\n');
    if (!comparable(text))
        return 0;
    const GumboReading reading = readWithGumbo(text);
    QString flipped = text;
    position = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == u'\n')
            continue;
        const bool marked = names.testBit(position++);
        FUZZ_CHECK(marked || !reading.nameLetters.testBit(i));
        if (marked)
            flipped[i] = text.at(i).isUpper() ? text.at(i).toLower() : text.at(i).toUpper();
    }
    FUZZ_CHECK(readWithGumbo(flipped).tree == reading.tree);
    return 0;
}
