#pragma once

#include "editor/core/stretchhashes.h"

#include <QBitArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>
#include <functional>

// The text with every UTF-16 unit case-folded on its own: two texts match ignoring letter case when their
// folded forms are equal.
QString foldedCase(QStringView text);

// Whether no other UTF-16 unit folds as this one does, as for ASCII characters that are not letters ("<",
// "/", digits, blanks). Painting gives a character only letters that fold as its own, so such a character
// keeps its letter through every paint.
inline bool foldsAlone(QChar c)
{
    const char16_t unit = c.unicode();
    return unit < 0x80 && !((unit | 0x20) >= u'a' && (unit | 0x20) <= u'z');
}

// Where tag texts occur in a document whose folded content does not change: found once per distinct folded
// text (a key), forward, ignoring letter case, never overlapping (the next search starts after the previous
// occurrence), within one line (a tag text holds no line break). Painting only rewrites letter case and the
// re-indentation only touches leading blanks, which no tag text reaches, so the occurrences stay valid for a
// whole refresh. Search texts are tag texts: they begin with "<" and hold a ">", so an occurrence can only
// start at a "<" whose text up to the next ">" equals the search text's; the "<" positions are grouped by
// that text. Texts are told apart by their hashes, so a long tag text costs no more to look up than a short
// one.
class OccurrenceIndex
{
public:
    struct Occurrence
    {
        int line = 0;
        int column = 0;
    };
    // A key occurrence over one character: the key and the column where that occurrence starts.
    struct Cover
    {
        int key = 0;
        int start = 0;
    };

    explicit OccurrenceIndex(const QStringList &lines);

    // The key of a tag text (it begins with "<" and holds a ">"); its occurrences are found the first time it
    // is asked for.
    int keyOf(QStringView text);
    // The key of the tag text at a line and column, as keyOf gives it, without copying the text; `headLength`
    // is the length of its text up to its first ">".
    int keyOfSpan(int line, int column, int length, int headLength);
    const QVector<Occurrence> &occurrences(int key) const { return m_occurrences.at(key); }
    int keyCount() const { return int(m_occurrences.size()); }
    // The length of a key's text.
    int keyLength(int key) const { return m_keyLengths.at(key); }

    // Records, for every character marked in `positions`, which of the keys known so far cover it, with the
    // occurrences `covers` accepts. Keys added later are not covered; unmarked characters have no covers.
    void buildCoverage(const std::function<bool(int key, const Occurrence &occurrence)> &covers,
                       const QBitArray &positions);
    // A character's position in the lines laid end to end, and the number of positions.
    int positionOf(int line, int column) const { return m_lineOffsets.at(line) + column; }
    int positionCount() const { return m_lineOffsets.constLast(); }
    // The covers of one character, as a range of the recorded covers.
    struct CoverRange
    {
        const Cover *first = nullptr;
        const Cover *last = nullptr; // one past the last cover
        const Cover *begin() const { return first; }
        const Cover *end() const { return last; }
    };
    CoverRange coversOf(int line, int column) const
    {
        const int position = positionOf(line, column);
        const quint64 word = m_markedWords.at(position / 64);
        const quint64 below = (quint64(1) << (position % 64)) - 1;
        if (!(word >> (position % 64) & 1))
            return {};
        const int rank = m_markedBefore.at(position / 64) + qPopulationCount(word & below);
        return {m_covers.constData() + m_coverOffsets.at(rank),
                m_covers.constData() + m_coverOffsets.at(rank + 1)};
    }

    // Whether the letters of two stretches of the same length read alike, letter case included.
    bool readAlike(const Occurrence &a, const Occurrence &b, int length) const
    {
        if (length <= TextKey::ShortText)
            return QStringView(m_lines.at(a.line)).mid(a.column, length) ==
                   QStringView(m_lines.at(b.line)).mid(b.column, length);
        return m_hashes.raw(a.line, a.column, length) == m_hashes.raw(b.line, b.column, length);
    }

private:
    // A folded text: a short one by its letters, a long one by its hash and length.
    struct TextKey
    {
        // Texts up to this long are compared letter by letter, longer ones by their hashes.
        static constexpr int ShortText = 64;
        QStringView text;
        quint64 hash = 0;
        int length = 0;
        friend bool operator==(const TextKey &a, const TextKey &b)
        {
            return a.length == b.length && (a.length <= ShortText ? a.text == b.text : a.hash == b.hash);
        }
        friend size_t qHash(const TextKey &key, size_t seed = 0)
        {
            return key.length <= ShortText ? qHash(key.text, seed) : qHashMulti(seed, key.hash, key.length);
        }
    };
    // The key of a stretch of a folded line, and of a folded text that outlives the index.
    TextKey keyAt(int line, int column, int length) const;
    static TextKey keyOfText(QStringView folded);
    int addKey(TextKey text, TextKey head);
    QVector<int> m_lineOffsets; // position of each line's first character in the lines laid end to end
    QStringList m_lines;
    QStringList m_foldedLines;
    StretchHashes m_hashes;
    QStringList m_ownTexts; // folded texts asked for that are not stretches of the lines
    // The "<" positions of the document in order, grouped by the folded text from the "<" to the next ">".
    QHash<TextKey, QVector<Occurrence>> m_starts;
    // The same starts per head grouped further by the folded letter after the head, made the first time a
    // short text longer than its head is looked for.
    QHash<TextKey, QHash<char16_t, QVector<Occurrence>>> m_startsByNext;
    QVector<Occurrence> startsFollowedBy(TextKey head, QChar next);
    QHash<TextKey, int> m_keys;
    QVector<int> m_keyLengths;
    QVector<QVector<Occurrence>> m_occurrences;
    // The accepted occurrences per key.
    QVector<QVector<Occurrence>>
    coveringOccurrences(const std::function<bool(int key, const Occurrence &occurrence)> &covers) const;

    // The marked characters, 64 to a word, and per word how many are marked before it: a marked character's
    // rank among them numbers its covers.
    QVector<quint64> m_markedWords;
    QVector<int> m_markedBefore;
    QVector<int> m_coverOffsets; // per marked character and one past the last, where its covers begin
    QVector<Cover> m_covers;
};
