#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QStringView>
#include <QVector>

// The text with every UTF-16 unit case-folded on its own: two texts match ignoring letter case when their
// folded forms are equal.
QString foldedCase(QStringView text);

// Where search texts occur in a document whose folded content does not change: found once per distinct folded
// text (a key), forward, ignoring letter case, never overlapping (the next search starts after the previous
// occurrence), within one line (a search text holds no line break). Painting only rewrites letter case and the
// re-indentation only touches leading blanks, which no search text reaches, so the occurrences stay valid for a
// whole refresh.
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

    // The key of a search text; its occurrences are found the first time it is asked for. An empty text has
    // no occurrences.
    int keyOf(QStringView text);
    int keyLength(int key) const { return m_keyLengths.at(key); }
    const QVector<Occurrence> &occurrences(int key) const { return m_occurrences.at(key); }
    int keyCount() const { return int(m_occurrences.size()); }

    // Records, for every character, which of the keys known so far cover it. Keys added later are not covered.
    void buildCoverage();
    // The covers of one character, as a range of the recorded covers.
    const Cover *coversBegin(int line, int column) const;
    const Cover *coversEnd(int line, int column) const;

private:
    int positionOf(int line, int column) const { return m_lineOffsets.at(line) + column; }

    QStringList m_foldedLines;
    QVector<int> m_lineOffsets;  // position of each line's first character in the lines laid end to end
    QHash<QString, int> m_keys;
    QVector<int> m_keyLengths;
    QVector<QVector<Occurrence>> m_occurrences;
    QVector<int> m_coverOffsets;  // per position, where its covers begin in m_covers (one extra at the end)
    QVector<Cover> m_covers;
};
