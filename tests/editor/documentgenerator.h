#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

// Seeded pseudo-random HTML sources for the refresh tests and benchmarks: lines of words and tags, with the
// same lines for the same seed and settings.
class DocumentGenerator
{
public:
    struct Settings
    {
        int lineCount = 30;
        int lineLength = 40; // characters per line, about
        int tagsPerLine = 2; // tags per line, on average
        // Also letter-case variants inside tag names, tags with attributes and web addresses ("//"), closing
        // tags with a space or attributes, stray "<" and ">", comments "<! -- x -->", empty pairs "<>", lines
        // without tags, empty lines, tabs and spaces in front, Greek letters.
        bool irregular = true;
    };

    explicit DocumentGenerator(quint32 seed);

    // The lines of one document. The last line is never empty: a text's empty last line is not one of its
    // lines.
    QStringList generate(const Settings &settings);
    // The benchmarks' ordinary document: `lines` lines of about 40 characters and 2 tags each, as one text.
    static QString ordinaryDocument(int lines, quint32 seed);
    // An ordinary document of about `characters` characters.
    static QString ordinaryOfSize(int characters);

    // Documents that are hard on a refresh, for the benchmarks and the cost tests.
    // A one-line script as a pupil pastes it: comparisons, markup in strings, few ">"; about `lessThans` "<".
    static QString oneLineScript(int lessThans);
    // A pasted one-line loop script without blanks: "<script>", then `comparisons` loops
    // "for(i=0;i<k;i++)x();" for k from 0, then "</script>". Its only ">" are the script tags', so every
    // third
    // "<" is paired with the last ">" and cuts a tag text from there to the end of the line.
    static QString oneLineLoopScript(int comparisons);
    // A minified script library of about `characters` characters on one line, with the character mix of a
    // minified jQuery build: identifiers, calls, comparisons both ways, markup in strings, regular
    // expressions, a blank every few dozen characters.
    static QString minifiedLibrary(int characters);
    // One line of "<" without any ">".
    static QString lessThansOnly(int count);
    // One line of "<" closed by one ">": every other "<" is paired with that ">".
    static QString lessThansThenOneGreaterThan(int count);
    // Every tag name different, each opened once and never closed, four to a line.
    static QString distinctTagNames(int count);
    // Every line a different tag opened inside another one ("<i<b17>"), never closed.
    static QString distinctTagsWithinTags(int count);
    // A regular document (tags paired with their ">", no stray characters) of about `characters` characters
    // written on one line.
    static QString oneLongLine(int characters);

private:
    bool chance(int percent);
    int below(int bound);
    QString pick(const QStringList &choices);
    QString lineOf(const Settings &settings);
    QString tag(bool irregular);
    QString tagName(bool irregular);
    QString irregularPiece();
    QString word(bool irregular);
    QString indentation(bool irregular);

    QRandomGenerator m_random;
};
