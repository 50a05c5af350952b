#include "editor/core/occurrenceindex.h"

#include "editor/core/enginework.h"
#include "editor/core/polynomialhash.h"

#include <QtEndian>

#include <algorithm>
#include <cstring>

QString foldedCase(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    QChar *out = folded.data();
    for (qsizetype i = 0; i < text.size(); ++i) {
        // Latin capitals fold to their small letters, the rest of ASCII to itself; only other letters ask
        // the Unicode tables.
        const char16_t c = text.at(i).unicode();
        if (c < 0x80)
            out[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c);
        else
            out[i] = QChar(c).toCaseFolded();
    }
    return folded;
}

namespace {

QStringList foldedLines(const QStringList &lines)
{
    QStringList folded;
    folded.reserve(lines.size());
    for (const QString &line : lines)
        folded.append(foldedCase(line));
    return folded;
}

QVector<int> lineOffsets(const QStringList &lines)
{
    QVector<int> offsets;
    offsets.reserve(lines.size() + 1);
    int offset = 0;
    for (const QString &line : lines) {
        offsets.append(offset);
        offset += int(line.size());
    }
    offsets.append(offset);
    return offsets;
}

} // namespace

OccurrenceIndex::OccurrenceIndex(const QStringList &lines)
    : m_lineOffsets(lineOffsets(lines)), m_lines(lines), m_foldedLines(foldedLines(lines)),
      m_hashes(lines, m_foldedLines)
{
    engineWork().characters += positionCount();
    // "<" and ">" fold to themselves: the lines are searched for them as they stand.
    for (int line = 0; line < lines.size(); ++line) {
        const QStringView text = lines.at(line);
        // One pass from the end of the line finds, for every "<", the next ">": the "<" is grouped by the
        // text between them.
        engineWork().characters += text.size();
        QVector<Occurrence> starts;
        QVector<TextKey> heads;
        qsizetype gt = -1;
        for (qsizetype at = text.size() - 1; at >= 0; --at) {
            if (text.at(at) == u'>') {
                gt = at;
            } else if (text.at(at) == u'<' && gt >= 0) {
                const int length = int(gt - at + 1);
                starts.append({line, int(at)});
                heads.append(keyAt(line, int(at), length));
            }
        }
        for (qsizetype i = starts.size() - 1; i >= 0; --i)
            m_starts[heads.at(i)].append(starts.at(i));
    }
}

OccurrenceIndex::TextKey OccurrenceIndex::keyAt(int line, int column, int length) const
{
    if (length <= TextKey::ShortText)
        return {QStringView(m_foldedLines.at(line)).mid(column, length), 0, length};
    return {QStringView(), m_hashes.folded(line, column, length), length};
}

OccurrenceIndex::TextKey OccurrenceIndex::keyOfText(QStringView folded)
{
    const int length = int(folded.size());
    if (length <= TextKey::ShortText)
        return {folded, 0, length};
    return {QStringView(), PolynomialHash::ofText(folded), length};
}

int OccurrenceIndex::keyOf(QStringView text)
{
    const QString folded = foldedCase(text);
    engineWork().characters += folded.size();
    const auto known = m_keys.constFind(keyOfText(folded));
    if (known != m_keys.constEnd())
        return known.value();
    // The key keeps viewing its text, so the text is kept.
    m_ownTexts.append(folded);
    const QStringView own = m_ownTexts.constLast();
    return addKey(keyOfText(own), keyOfText(own.left(own.indexOf(u'>') + 1)));
}

int OccurrenceIndex::keyOfSpan(int line, int column, int length, int headLength)
{
    // Folding works character by character, so the folded span is part of the folded line.
    const TextKey text = keyAt(line, column, length);
    const auto known = m_keys.constFind(text);
    if (known != m_keys.constEnd())
        return known.value();
    return addKey(text, keyAt(line, column, headLength));
}

QVector<OccurrenceIndex::Occurrence> OccurrenceIndex::startsFollowedBy(TextKey head, QChar next)
{
    auto groups = m_startsByNext.find(head);
    if (groups == m_startsByNext.end()) {
        groups = m_startsByNext.insert(head, {});
        for (const Occurrence &start : m_starts.value(head)) {
            ++engineWork().candidates;
            const QString &line = m_foldedLines.at(start.line);
            if (start.column + head.length < line.size())
                (*groups)[line.at(start.column + head.length).unicode()].append(start);
        }
    }
    return groups->value(next.unicode());
}

int OccurrenceIndex::addKey(TextKey text, TextKey head)
{
    Q_ASSERT(head.length > 0 && head.length <= text.length);
    const auto known = m_keys.constFind(text);
    if (known != m_keys.constEnd())
        return known.value();
    // The starts with the key's head, in document order; after an occurrence the search goes on from its end,
    // and a start too near the end of its line to hold the key ends the search on that line.
    QVector<Occurrence> found;
    // A short text longer than its head is looked for only where its next letter follows the head.
    const QVector<Occurrence> starts = text.length > head.length && text.length <= TextKey::ShortText
                                           ? startsFollowedBy(head, text.text.at(head.length))
                                           : m_starts.value(head);
    const auto firstFrom = [&starts](qsizetype from, int line, int column) {
        return std::lower_bound(starts.cbegin() + from, starts.cend(), Occurrence{line, column},
                                [](const Occurrence &a, const Occurrence &b) {
                                    return a.line < b.line || (a.line == b.line && a.column < b.column);
                                }) -
               starts.cbegin();
    };
    for (qsizetype i = 0; i < starts.size();) {
        const Occurrence start = starts.at(i);
        ++engineWork().candidates;
        const int lineLength = m_lineOffsets.at(start.line + 1) - m_lineOffsets.at(start.line);
        if (start.column + text.length > lineLength) {
            i = firstFrom(i, start.line + 1, 0);
        } else if (keyAt(start.line, start.column, text.length) == text) {
            found.append(start);
            // The next start is mostly past the occurrence already; otherwise the starts it covers are
            // skipped in one search.
            const Occurrence next = i + 1 < starts.size() ? starts.at(i + 1) : Occurrence{};
            if (i + 1 < starts.size() &&
                (next.line > start.line || next.column >= start.column + text.length))
                ++i;
            else
                i = firstFrom(i, start.line, start.column + text.length);
        } else {
            ++i;
        }
    }
    const int key = int(m_occurrences.size());
    m_keys.insert(text, key);
    m_keyLengths.append(text.length);
    m_occurrences.append(found);
    return key;
}

QVector<QVector<OccurrenceIndex::Occurrence>> OccurrenceIndex::coveringOccurrences(
    const std::function<bool(int key, const Occurrence &occurrence)> &covers) const
{
    QVector<QVector<Occurrence>> accepted(keyCount());
    for (int key = 0; key < keyCount(); ++key) {
        engineWork().candidates += m_occurrences.at(key).size();
        for (const Occurrence &occurrence : m_occurrences.at(key)) {
            if (covers(key, occurrence))
                accepted[key].append(occurrence);
        }
    }
    return accepted;
}

void OccurrenceIndex::buildCoverage(const std::function<bool(int key, const Occurrence &occurrence)> &covers,
                                    const QBitArray &marked)
{
    const QVector<QVector<Occurrence>> accepted = coveringOccurrences(covers);
    const int positions = m_lineOffsets.constLast();
    // The marks in words of 64, how many come before each word, and from every word the first word at or
    // after it with a mark: occurrences are walked over their marked characters only, in one jump over any
    // stretch without marks.
    const int words = positions / 64 + 1;
    engineWork().covers += words;
    m_markedWords.fill(0, words + 1);
    if (positions > 0) // an empty mark set has no bits to copy
        std::memcpy(m_markedWords.data(), marked.bits(), (qsizetype(positions) + 7) / 8);
    for (quint64 &word : m_markedWords)
        word = qFromLittleEndian(word);
    m_markedBefore.resize(words + 1);
    QVector<int> nextMarkedWord(words + 1, words);
    int count = 0;
    for (int word = 0; word <= words; ++word) {
        m_markedBefore[word] = count;
        count += qPopulationCount(m_markedWords.at(word));
    }
    for (int word = words - 1; word >= 0; --word)
        nextMarkedWord[word] = m_markedWords.at(word) ? word : nextMarkedWord.at(word + 1);
    // The first marked position at or after a position, or `positions` when none is.
    const auto nextMarked = [&](int position) {
        int word = position / 64;
        quint64 bits = m_markedWords.at(word) >> (position % 64);
        if (bits)
            return position + int(qCountTrailingZeroBits(bits));
        word = nextMarkedWord.at(word + 1);
        return word >= words ? positions : word * 64 + int(qCountTrailingZeroBits(m_markedWords.at(word)));
    };
    const auto rankOf = [this](int position) {
        const quint64 below = (quint64(1) << (position % 64)) - 1;
        return m_markedBefore.at(position / 64) +
               int(qPopulationCount(m_markedWords.at(position / 64) & below));
    };
    // Visits the marked characters of every accepted occurrence, by their rank among the marked ones.
    const auto forEachMarked = [&](const auto &visit) {
        for (int key = 0; key < keyCount(); ++key) {
            const int length = m_keyLengths.at(key);
            for (const Occurrence &occurrence : accepted.at(key)) {
                const int first = positionOf(occurrence.line, occurrence.column);
                const int end = first + length;
                ++engineWork().covers;
                // Inside an occurrence the marked characters follow each other in rank: only the first one's
                // rank is counted.
                int position = nextMarked(first);
                for (int rank = position < end ? rankOf(position) : 0; position < end;
                     position = nextMarked(position + 1), ++rank, ++engineWork().covers)
                    visit(key, occurrence, rank);
            }
        }
    };

    // The covers of each marked character are counted two places on, so that after the sums each one's entry
    // tells where its covers begin one place on; filling them moves it on to where they end, which is where
    // the next one's begin.
    m_coverOffsets.fill(0, count + 2);
    int *offsets = m_coverOffsets.data();
    forEachMarked([&](int, const Occurrence &, int rank) { ++offsets[rank + 2]; });
    for (int rank = 0; rank < count; ++rank)
        offsets[rank + 2] += offsets[rank + 1];
    m_covers.resize(offsets[count + 1]);
    Cover *coverAt = m_covers.data();
    forEachMarked([&](int key, const Occurrence &occurrence, int rank) {
        coverAt[offsets[rank + 1]++] = {key, occurrence.column};
    });
}
