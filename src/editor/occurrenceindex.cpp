#include "editor/occurrenceindex.h"

#include "editor/enginework.h"

QString foldedCase(QStringView text)
{
    QString folded(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        folded[i] = text.at(i).toCaseFolded();
    return folded;
}

OccurrenceIndex::OccurrenceIndex(const QStringList &lines)
{
    m_foldedLines.reserve(lines.size());
    m_lineOffsets.reserve(lines.size() + 1);
    int offset = 0;
    for (const QString &line : lines) {
        m_foldedLines.append(foldedCase(line));
        engineWork().characters += line.size();
        m_lineOffsets.append(offset);
        offset += int(line.size());
    }
    m_lineOffsets.append(offset);

    for (int line = 0; line < m_foldedLines.size(); ++line) {
        const QStringView text = m_foldedLines.at(line);
        for (qsizetype lt = text.indexOf(u'<'); lt >= 0; lt = text.indexOf(u'<', lt + 1)) {
            const qsizetype gt = text.indexOf(u'>', lt);
            if (gt < 0)
                break;
            // The search and the grouping both read the text from the "<" to the ">".
            engineWork().characters += 2 * (gt - lt + 1);
            m_starts[text.mid(lt, gt - lt + 1)].append({line, int(lt)});
        }
    }
}

int OccurrenceIndex::keyOf(QStringView text)
{
    const QString folded = foldedCase(text);
    const auto known = m_keys.constFind(QStringView(folded));
    if (known != m_keys.constEnd())
        return known.value();
    m_ownTexts.append(folded);
    return addKey(m_ownTexts.constLast());
}

int OccurrenceIndex::keyOfSpan(int line, int column, int length)
{
    // Folding works character by character, so the folded span is part of the folded line.
    const QStringView folded = QStringView(m_foldedLines.at(line)).mid(column, length);
    const auto known = m_keys.constFind(folded);
    if (known != m_keys.constEnd())
        return known.value();
    return addKey(folded);
}

int OccurrenceIndex::addKey(QStringView folded)
{
    Q_ASSERT(folded.startsWith(u'<') && folded.contains(u'>'));
    QVector<Occurrence> found;
    const QVector<Occurrence> starts = m_starts.value(folded.left(folded.indexOf(u'>') + 1));
    engineWork().candidates += starts.size();
    for (const Occurrence &start : starts) {
        const bool overlapsPrevious = !found.isEmpty() && found.constLast().line == start.line &&
                                      start.column < found.constLast().column + folded.size();
        if (!overlapsPrevious &&
            QStringView(m_foldedLines.at(start.line)).mid(start.column).startsWith(folded))
            found.append(start);
    }
    const int key = int(m_occurrences.size());
    m_keys.insert(folded, key);
    m_keyLengths.append(int(folded.size()));
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
    // From every position, the first marked position at or after it: occurrences are walked over their marked
    // characters only.
    engineWork().covers += positions;
    QVector<int> nextMarked(positions + 1, positions);
    for (int position = positions - 1; position >= 0; --position)
        nextMarked[position] = marked.testBit(position) ? position : nextMarked.at(position + 1);
    const auto forEachMarked = [&](const auto &visit) {
        for (int key = 0; key < keyCount(); ++key) {
            for (const Occurrence &occurrence : accepted.at(key)) {
                const int first = positionOf(occurrence.line, occurrence.column);
                const int end = first + m_keyLengths.at(key);
                ++engineWork().covers;
                for (int position = nextMarked.at(first); position < end;
                     position = nextMarked.at(position + 1), ++engineWork().covers)
                    visit(key, occurrence, position);
            }
        }
    };

    m_coverOffsets.fill(0, positions + 1);
    forEachMarked([this](int, const Occurrence &, int position) { ++m_coverOffsets[position + 1]; });
    for (int position = 0; position < positions; ++position)
        m_coverOffsets[position + 1] += m_coverOffsets.at(position);

    m_covers.resize(m_coverOffsets.constLast());
    QVector<int> filled(m_coverOffsets.cbegin(), m_coverOffsets.cend() - 1);
    forEachMarked([this, &filled](int key, const Occurrence &occurrence, int position) {
        m_covers[filled[position]++] = {key, occurrence.column};
    });
}

const OccurrenceIndex::Cover *OccurrenceIndex::coversBegin(int line, int column) const
{
    return m_covers.constData() + m_coverOffsets.at(positionOf(line, column));
}

const OccurrenceIndex::Cover *OccurrenceIndex::coversEnd(int line, int column) const
{
    return m_covers.constData() + m_coverOffsets.at(positionOf(line, column) + 1);
}
