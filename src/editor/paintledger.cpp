#include "editor/paintledger.h"

#include "editor/enginework.h"
#include "editor/markupnames.h"

#include <algorithm>
#include <functional>
#include <numeric>
#include <utility>

PaintLedger::PaintLedger(const QStringList &lines, OccurrenceIndex &index)
    : m_lines(lines), m_index(index), m_rewrittenBefore(lines.size(), 0)
{
    m_lineOffsets.reserve(lines.size() + 1);
    int offset = 0;
    for (const QString &line : lines) {
        m_lineOffsets.append(offset);
        offset += int(line.size());
    }
    m_lineOffsets.append(offset);
}

void PaintLedger::rewriteLine(int line)
{
    m_rewrittenBefore[line] = int(m_paints.size());
}

void PaintLedger::append(Paint paint)
{
    if (paint.key >= m_keyPaints.size())
        m_keyPaints.resize(m_index.keyCount());
    QVector<int> &paints = m_keyPaints[paint.key];
    if (!paints.isEmpty()) {
        const Paint &previous = m_paints.at(paints.constLast());
        const bool sameSource = paint.text.isEmpty() && previous.text.isEmpty() &&
                                previous.line == paint.line && previous.start == paint.start;
        paint.earlierFromElsewhere = sameSource ? previous.earlierFromElsewhere : paints.constLast();
    }
    paints.append(int(m_paints.size()));
    m_paints.append(paint);
}

void PaintLedger::paintFromSpan(int key, int line, TagSpan span, quint32 colour)
{
    append({key, line, span.start, QString(), colour});
}

void PaintLedger::paintWithText(int key, const QString &text, quint32 colour)
{
    append({key, -1, 0, text, colour});
}

PaintLedger::Source PaintLedger::latestPaint(int line, int column, int before) const
{
    Source latest;
    ++engineWork().covers;
    for (auto cover = m_index.coversBegin(line, column); cover != m_index.coversEnd(line, column); ++cover) {
        ++engineWork().covers;
        if (cover->key >= m_keyPaints.size())
            continue;
        const QVector<int> &paints = m_keyPaints.at(cover->key);
        if (paints.isEmpty() || paints.constFirst() >= before)
            continue;
        // Most questions are about the state after the key's latest paint.
        int number = paints.constLast();
        if (number >= before)
            number = *(std::lower_bound(paints.cbegin(), paints.cend(), before) - 1);
        const Paint &paint = m_paints.at(number);
        if (paint.text.isEmpty() && paint.line == line && paint.start == cover->start)
            number = paint.earlierFromElsewhere;
        if (number > latest.paint)
            latest = {number, column - cover->start};
    }
    return latest;
}

qsizetype PaintLedger::LetterMemo::slotOf(qint64 id) const
{
    // Fibonacci hashing spreads the paint number and the offset over the table; collisions step onwards.
    const qsizetype mask = m_ids.size() - 1;
    qsizetype slot = qsizetype((quint64(id) * 0x9E3779B97F4A7C15ull) >> 32) & mask;
    while (m_ids.at(slot) != id && m_ids.at(slot) >= 0)
        slot = (slot + 1) & mask;
    return slot;
}

const QChar *PaintLedger::LetterMemo::find(qint64 id) const
{
    if (m_ids.isEmpty())
        return nullptr;
    const qsizetype slot = slotOf(id);
    return m_ids.at(slot) == id ? m_letters.constData() + slot : nullptr;
}

void PaintLedger::LetterMemo::insert(qint64 id, QChar letter)
{
    if (2 * (m_count + 1) > m_ids.size()) {
        // Kept at most half full: the table doubles and every letter moves to its new slot.
        const QVector<qint64> ids =
            std::exchange(m_ids, QVector<qint64>(qMax<qsizetype>(1024, 2 * m_ids.size()), -1));
        const QVector<QChar> letters = std::exchange(m_letters, QVector<QChar>(m_ids.size()));
        for (qsizetype i = 0; i < ids.size(); ++i) {
            if (ids.at(i) >= 0) {
                const qsizetype slot = slotOf(ids.at(i));
                m_ids[slot] = ids.at(i);
                m_letters[slot] = letters.at(i);
            }
        }
    }
    const qsizetype slot = slotOf(id);
    if (m_ids.at(slot) != id) {
        m_ids[slot] = id;
        ++m_count;
    }
    m_letters[slot] = letter;
}

QChar PaintLedger::paintedLetter(Source source) const
{
    // A paint from a span took the letter its span had then: follow the paints back until a paint with a
    // text of its own, or no paint at all, gives the letter; every step on the way learns it too.
    if (!m_paints.at(source.paint).text.isEmpty())
        return m_paints.at(source.paint).text.at(source.offset);
    QVector<qint64> &steps = m_steps;
    steps.clear();
    QChar letter;
    for (;;) {
        const qint64 id = (qint64(source.paint) << 32) | quint32(source.offset);
        if (const QChar *known = m_letters.find(id)) {
            letter = *known;
            break;
        }
        steps.append(id);
        ++engineWork().paintSteps;
        const Paint &paint = m_paints.at(source.paint);
        if (!paint.text.isEmpty()) {
            letter = paint.text.at(source.offset);
            break;
        }
        const int column = paint.start + source.offset;
        const Source earlier = latestPaint(paint.line, column, source.paint);
        if (earlier.paint < 0) {
            letter = m_lines.at(paint.line).at(column);
            break;
        }
        source = earlier;
    }
    for (const qint64 id : steps)
        m_letters.insert(id, letter);
    return letter;
}

QString PaintLedger::currentText(int line, TagSpan span, int length) const
{
    QString text = m_lines.at(line).mid(span.start, length);
    engineWork().characters += text.size();
    for (int i = 0; i < text.size(); ++i) {
        const Source source = latestPaint(line, span.start + i, int(m_paints.size()));
        if (source.paint >= 0)
            text[i] = paintedLetter(source);
    }
    return text;
}

PaintLedger::Composition PaintLedger::compose() const
{
    const int positions = m_lineOffsets.constLast();
    QVector<Source> sources(positions);
    Composition result{m_lines, QVector<QVector<LookRun>>(m_lines.size())};

    // Applying each key's latest paint once, newest first, to the positions no newer paint has taken leaves
    // every position with its latest paint. Taken positions are skipped in one jump each (`free` leads from a
    // position to the next one not yet taken), so overlapping long tag texts cost the document's length.
    QVector<int> latest;
    for (const QVector<int> &paints : m_keyPaints) {
        if (!paints.isEmpty())
            latest.append(paints.constLast());
    }
    std::sort(latest.begin(), latest.end(), std::greater<int>());
    QVector<int> free(positions + 1);
    std::iota(free.begin(), free.end(), 0);
    const auto nextFree = [&free](int position) {
        int root = position;
        while (free.at(root) != root) {
            root = free.at(root);
            ++engineWork().covers;
        }
        while (free.at(position) != root) {
            const int next = free.at(position);
            free[position] = root;
            position = next;
        }
        return root;
    };
    for (const int number : latest) {
        const Paint &paint = m_paints.at(number);
        const int length = int(m_index.keyLength(paint.key));
        engineWork().candidates += m_index.occurrences(paint.key).size();
        for (const OccurrenceIndex::Occurrence &occurrence : m_index.occurrences(paint.key)) {
            const int first = m_lineOffsets.at(occurrence.line) + occurrence.column;
            for (int position = nextFree(first); position < first + length; position = nextFree(position)) {
                sources[position] = {number, position - first};
                free[position] = position + 1;
            }
        }
    }

    // Paints rewrite the letter case of names only; the page's own words keep their letters.
    const QBitArray names = markupNamePositions(m_lines);
    for (int line = 0; line < m_lines.size(); ++line) {
        engineWork().characters += m_lines.at(line).size();
        QVector<LookRun> &runs = result.looks[line];
        QString &letters = result.lines[line];
        for (int column = 0; column < m_lines.at(line).size(); ++column) {
            const int position = m_lineOffsets.at(line) + column;
            const Source source = sources.at(position);
            if (source.paint < 0)
                continue;
            if (names.testBit(position))
                letters[column] = paintedLetter(source);
            // Painted before the re-indentation rewrote the line: base look.
            if (source.paint < m_rewrittenBefore.at(line))
                continue;
            const quint32 colour = m_paints.at(source.paint).colour;
            if (!runs.isEmpty() && runs.constLast().colour == colour &&
                runs.constLast().start + runs.constLast().length == column) {
                ++runs.last().length;
            } else {
                runs.append({column, 1, colour, true});
            }
        }
    }
    return result;
}
