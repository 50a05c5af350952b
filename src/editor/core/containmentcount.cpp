#include "editor/core/containmentcount.h"

#include "editor/core/enginework.h"
#include "editor/core/polynomialhash.h"

#include <algorithm>

using namespace PolynomialHash;

ContainmentCount::ContainmentCount(const QStringList &searched)
    : m_searchedCount(int(searched.size())), m_firstCharacters(0x10000), m_powers{1}
{
    m_keys.reserve(searched.size());
    const quint64 withBase = base();
    for (int index = 0; index < searched.size(); ++index) {
        const QString &text = searched.at(index);
        engineWork().characters += text.size();
        // One pass gives the hash of the text and of its head, the text up to its first ">".
        quint64 hash = 0;
        int headLength = -1;
        quint64 headHash = 0;
        for (int i = 0; i < text.size(); ++i) {
            hash = extended(hash, text.at(i), withBase);
            if (headLength < 0 && text.at(i) == u'>') {
                headLength = i + 1;
                headHash = hash;
            }
        }
        m_keys.append({hash, int(text.size())});
        if (text.isEmpty())
            continue;
        m_firstCharacters.setBit(text.front().unicode());
        if (headLength >= 0) {
            m_byHead[{headHash, headLength}].append(index);
        } else {
            m_withoutGreaterThan[m_keys.constLast()].append(index);
            m_lengthsWithoutGreaterThan.append(int(text.size()));
        }
    }
    std::sort(m_lengthsWithoutGreaterThan.begin(), m_lengthsWithoutGreaterThan.end());
    m_lengthsWithoutGreaterThan.erase(
        std::unique(m_lengthsWithoutGreaterThan.begin(), m_lengthsWithoutGreaterThan.end()),
        m_lengthsWithoutGreaterThan.end());
}

void ContainmentCount::read(const QString &text)
{
    const int size = int(text.size());
    engineWork().characters += size;
    m_prefixHashes.resize(size + 1);
    m_nextGreaterThan.resize(size + 1);
    const quint64 withBase = base();
    quint64 *prefix = m_prefixHashes.data();
    prefix[0] = 0;
    for (int i = 0; i < size; ++i)
        prefix[i + 1] = extended(prefix[i], text.at(i), withBase);
    m_nextGreaterThan[size] = size;
    for (int i = size - 1; i >= 0; --i)
        m_nextGreaterThan[i] = text.at(i) == u'>' ? i : m_nextGreaterThan.at(i + 1);
    while (m_powers.size() <= size)
        m_powers.append(times(m_powers.constLast(), base()));
}

ContainmentCount::Key ContainmentCount::keyAt(int start, int length) const
{
    return {ofStretch(m_prefixHashes.at(start), m_prefixHashes.at(start + length), m_powers.at(length)),
            length};
}

QVector<int> ContainmentCount::holdings(const QStringList &texts, const QVector<int> &weights)
{
    QVector<int> counts(m_searchedCount, 0);
    QVector<int> seenBy(m_searchedCount, -1);
    // Counts a searched text once per text that holds it.
    const auto found = [&](int searched, int text) {
        ++engineWork().candidates;
        if (seenBy.at(searched) == text)
            return;
        seenBy[searched] = text;
        counts[searched] += weights.at(text);
    };
    for (int index = 0; index < texts.size(); ++index) {
        const QString &text = texts.at(index);
        if (text.isEmpty())
            continue;
        read(text);
        const int size = int(text.size());
        for (int start = 0; start < size; ++start) {
            if (!beginsSearchedText(text.at(start)))
                continue;
            ++engineWork().candidates;
            const int greaterThan = m_nextGreaterThan.at(start);
            if (greaterThan < size) {
                const int headLength = greaterThan - start + 1;
                const auto heads = m_byHead.constFind(keyAt(start, headLength));
                if (heads != m_byHead.constEnd()) {
                    for (const int searched : heads.value()) {
                        const Key &key = m_keys.at(searched);
                        if (key.length == headLength ||
                            (start + key.length <= size && keyAt(start, key.length) == key))
                            found(searched, index);
                    }
                }
            }
            // A searched text without ">" fits before the next ">".
            for (const int length : std::as_const(m_lengthsWithoutGreaterThan)) {
                if (length > greaterThan - start)
                    break;
                const auto same = m_withoutGreaterThan.constFind(keyAt(start, length));
                if (same == m_withoutGreaterThan.constEnd())
                    continue;
                for (const int searched : same.value())
                    found(searched, index);
            }
        }
    }
    return counts;
}
