#pragma once

#include <QBitArray>
#include <QHash>
#include <QStringList>
#include <QVector>

// How many of a list of weighted texts hold each of a set of searched texts (exact, case-sensitive substring;
// the empty text is held by nothing), every text that holds a searched text counted once with its weight.
//
// A searched text can only occur where a text has its first character, and, when it holds a ">", the text
// from there up to the next ">" must equal the searched text's own up to its first ">" (its head). So each
// text is read once, its prefixes hashed as it goes, and at each such place one lookup by hash finds the
// searched texts with that head; a searched text longer than its head is then compared by the hash of the
// stretch it would cover. The cost is the texts' length plus one lookup per place and per searched text found
// there, however long or overlapping the searched texts are (a one-line script cut into tag texts that all
// run to its end costs no more per character than short tags). Searched texts without a ">" (never a tag text
// of a document, whose tag texts all end with one) are looked for at each place once per distinct length.
class ContainmentCount
{
public:
    explicit ContainmentCount(const QStringList &searched);

    // Per searched text, in the order given, the summed weights of the texts that hold it.
    QVector<int> holdings(const QStringList &texts, const QVector<int> &weights);

private:
    // A text told by its hash and length.
    struct Key
    {
        quint64 hash = 0;
        int length = 0;
        friend bool operator==(const Key &a, const Key &b)
        {
            return a.hash == b.hash && a.length == b.length;
        }
        friend size_t qHash(const Key &key, size_t seed = 0)
        {
            return qHashMulti(seed, key.hash, key.length);
        }
    };
    // Reads one text: its prefix hashes and, per character, where the next ">" stands.
    void read(const QString &text);
    Key keyAt(int start, int length) const;
    bool beginsSearchedText(QChar c) const { return m_firstCharacters.testBit(c.unicode()); }

    int m_searchedCount = 0;
    QVector<Key> m_keys; // per searched text
    // The searched texts that hold a ">", by the key of their head.
    QHash<Key, QVector<int>> m_byHead;
    // The searched texts without a ">", by their key, and their distinct lengths in ascending order.
    QHash<Key, QVector<int>> m_withoutGreaterThan;
    QVector<int> m_lengthsWithoutGreaterThan;
    QBitArray m_firstCharacters;

    // Working space for the text being read.
    QVector<quint64> m_prefixHashes;
    QVector<int> m_nextGreaterThan;
    QVector<quint64> m_powers; // the base to the power of every length read so far
};
