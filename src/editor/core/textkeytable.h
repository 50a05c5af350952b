#pragma once

#include <QVector>

// A text told by its polynomial hash and its length.
struct TextKey
{
    quint64 hash = 0;
    int length = 0;
    friend bool operator==(const TextKey &a, const TextKey &b)
    {
        return a.hash == b.hash && a.length == b.length;
    }
};

// Numbers filed under text keys, looked up in a table of open addressing. The keys' hashes are already spread
// evenly, so their low bits choose the slot: a lookup costs a few memory reads, in the innermost loop of the
// balance check.
class TextKeyTable
{
public:
    // Files every number under its key; numbers under one key keep their order.
    explicit TextKeyTable(const QVector<QPair<TextKey, int>> &filed = {});

    // The numbers filed under a key, in the order filed (none when the key is unknown).
    struct Numbers
    {
        const int *first = nullptr;
        const int *last = nullptr;
        const int *begin() const { return first; }
        const int *end() const { return last; }
    };
    Numbers find(const TextKey &key) const;

private:
    struct Slot
    {
        TextKey key;
        int first = 0;
        int count = 0; // 0: a free slot
    };
    QVector<Slot> m_slots;
    QVector<int> m_numbers; // the numbers of each key together
    quint64 m_mask = 0;
};
