#include "editor/core/textkeytable.h"

#include <algorithm>

TextKeyTable::TextKeyTable(const QVector<QPair<TextKey, int>> &filed)
{
    // The numbers grouped by key, each group in the order filed.
    QVector<QPair<TextKey, int>> sorted = filed;
    std::stable_sort(sorted.begin(), sorted.end(), [](const auto &a, const auto &b) {
        return a.first.hash != b.first.hash ? a.first.hash < b.first.hash : a.first.length < b.first.length;
    });
    qsizetype size = 2;
    while (size < 2 * sorted.size())
        size *= 2;
    m_slots.resize(size);
    m_mask = quint64(size - 1);
    m_numbers.reserve(sorted.size());
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        const TextKey &key = sorted.at(i).first;
        if (i == 0 || !(sorted.at(i - 1).first == key)) {
            quint64 slot = key.hash & m_mask;
            while (m_slots.at(slot).count > 0)
                slot = (slot + 1) & m_mask;
            m_slots[slot] = {key, int(m_numbers.size()), 0};
            m_numbers.append(sorted.at(i).second);
            ++m_slots[slot].count;
            continue;
        }
        // The same key as the number before: its slot is the last one filled for that key.
        quint64 slot = key.hash & m_mask;
        while (!(m_slots.at(slot).key == key))
            slot = (slot + 1) & m_mask;
        m_numbers.append(sorted.at(i).second);
        ++m_slots[slot].count;
    }
}

TextKeyTable::Numbers TextKeyTable::find(const TextKey &key) const
{
    for (quint64 slot = key.hash & m_mask;; slot = (slot + 1) & m_mask) {
        const Slot &candidate = m_slots.at(slot);
        if (candidate.count == 0)
            return {};
        if (candidate.key == key) {
            const int *first = m_numbers.constData() + candidate.first;
            return {first, first + candidate.count};
        }
    }
}
