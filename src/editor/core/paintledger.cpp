#include "editor/core/paintledger.h"

#include "editor/core/enginework.h"
#include "editor/core/markupnames.h"

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
        const bool sameSource = paint.text < 0 && previous.text < 0 && previous.line == paint.line &&
                                previous.start == paint.start;
        paint.earlierFromElsewhere = sameSource ? previous.earlierFromElsewhere : paints.constLast();
    }
    paints.append(int(m_paints.size()));
    m_paints.append(paint);
}

void PaintLedger::reserve(int paints)
{
    m_paints.reserve(paints);
}

void PaintLedger::paintFromSpan(int key, int line, TagSpan span, quint32 colour)
{
    append({key, line, span.start, -1, colour});
}

void PaintLedger::paintWithText(int key, const QString &text, quint32 colour)
{
    m_texts.append(text);
    append({key, -1, 0, int(m_texts.size()) - 1, colour});
}

PaintLedger::Source PaintLedger::latestPaint(int line, int column, int before) const
{
    Source latest;
    ++engineWork().covers;
    for (const OccurrenceIndex::Cover &cover : m_index.coversOf(line, column)) {
        ++engineWork().covers;
        if (cover.key >= m_keyPaints.size())
            continue;
        const QVector<int> &paints = m_keyPaints.at(cover.key);
        if (paints.isEmpty() || paints.constFirst() >= before)
            continue;
        // Most questions are about the state after the key's latest paint.
        int number = paints.constLast();
        if (number >= before)
            number = *(std::lower_bound(paints.cbegin(), paints.cend(), before) - 1);
        const Paint &paint = m_paints.at(number);
        if (paint.text < 0 && paint.line == line && paint.start == cover.start)
            number = paint.earlierFromElsewhere;
        if (number > latest.paint)
            latest = {number, column - cover.start};
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
    if (4 * (m_count + 1) > 3 * m_ids.size()) {
        // Kept at most three quarters full: the table doubles and every letter moves to its new slot.
        const qsizetype size = qMax<qsizetype>(1024, 2 * m_ids.size());
        const QVector<qint64> ids = std::exchange(m_ids, QVector<qint64>(size, -1));
        const QVector<QChar> letters = std::exchange(m_letters, QVector<QChar>(size));
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
    if (m_paints.at(source.paint).text >= 0)
        return m_texts.at(m_paints.at(source.paint).text).at(source.offset);
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
        if (paint.text >= 0) {
            letter = m_texts.at(paint.text).at(source.offset);
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
        if (foldsAlone(text.at(i)))
            continue;
        const Source source = latestPaint(line, span.start + i, int(m_paints.size()));
        if (source.paint >= 0)
            text[i] = paintedLetter(source);
    }
    return text;
}

PaintLedger::PaintedByLine PaintLedger::latestPaintsByLine() const
{
    // Counted line by line first, then placed, so that the whole document needs one array.
    PaintedByLine result{QVector<int>(m_lines.size() + 1, 0), {}};
    QVector<int> &firstOfLine = result.firstOfLine;
    for (int key = 0; key < m_keyPaints.size(); ++key) {
        if (m_keyPaints.at(key).isEmpty())
            continue;
        engineWork().candidates += m_index.occurrences(key).size();
        for (const OccurrenceIndex::Occurrence &occurrence : m_index.occurrences(key))
            ++firstOfLine[occurrence.line + 1];
    }
    for (int line = 0; line < m_lines.size(); ++line)
        firstOfLine[line + 1] += firstOfLine.at(line);
    result.painted.resize(firstOfLine.constLast());
    QVector<int> filled(firstOfLine.cbegin(), firstOfLine.cend() - 1);
    for (int key = 0; key < m_keyPaints.size(); ++key) {
        if (m_keyPaints.at(key).isEmpty())
            continue;
        const int paint = m_keyPaints.at(key).constLast();
        for (const OccurrenceIndex::Occurrence &occurrence : m_index.occurrences(key))
            result.painted[filled[occurrence.line]++] = {paint, occurrence.column, m_index.keyLength(key)};
    }
    return result;
}

class PaintLedger::LineSources
{
public:
    // The paint each column of a line of this length shows, and the column's offset in the occurrence
    // painted, from the line's occurrences (which are sorted here, newest paint first). Applying the line's
    // latest paints once, newest first, to the columns no newer paint has taken leaves every column with its
    // latest paint. Taken columns are skipped in one jump each (`m_free` leads from a column to the next one
    // not yet taken), so overlapping long tag texts cost the line's length.
    const Source *sourcesOf(Painted *begin, Painted *end, int length)
    {
        std::sort(begin, end, [](const Painted &a, const Painted &b) {
            ++engineWork().candidates;
            return a.paint > b.paint;
        });
        m_sources.fill(Source(), length);
        m_freeAt.resize(length + 1);
        std::iota(m_freeAt.begin(), m_freeAt.end(), 0);
        m_free = m_freeAt.data();
        Source *sourceAt = m_sources.data();
        for (auto occurrence = begin; occurrence != end; ++occurrence) {
            const int first = occurrence->column;
            for (int column = nextFree(first); column < first + occurrence->length;
                 column = nextFree(column)) {
                sourceAt[column] = {occurrence->paint, column - first};
                m_free[column] = column + 1;
            }
        }
        return sourceAt;
    }

private:
    // The first column at or after this one that no paint has taken; the path followed is shortened so that
    // the next question jumps straight there.
    int nextFree(int column)
    {
        int root = column;
        while (m_free[root] != root) {
            root = m_free[root];
            ++engineWork().covers;
        }
        while (m_free[column] != root) {
            const int next = m_free[column];
            m_free[column] = root;
            column = next;
        }
        return root;
    }

    QVector<Source> m_sources;
    QVector<int> m_freeAt;
    int *m_free = nullptr;
};

void PaintLedger::applyLineSources(int line, const Source *sources, const QBitArray &names, QString &letters,
                                   QVector<LookRun> &runs) const
{
    const int rewrittenBefore = m_rewrittenBefore.at(line);
    const int lineOffset = m_lineOffsets.at(line);
    const int length = int(m_lines.at(line).size());
    for (int column = 0; column < length; ++column) {
        const Source source = sources[column];
        if (source.paint < 0)
            continue;
        if (names.testBit(lineOffset + column)) {
            const QChar letter = paintedLetter(source);
            if (letter != letters.at(column))
                letters[column] = letter;
        }
        // Painted before the re-indentation rewrote the line: base look.
        if (source.paint < rewrittenBefore)
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

PaintLedger::Composition PaintLedger::compose() const
{
    Composition result{m_lines, QVector<QVector<LookRun>>(m_lines.size())};
    PaintedByLine byLine = latestPaintsByLine();
    // Paints rewrite the letter case of names only; the page's own words keep their letters. A line whose
    // letters all stay keeps sharing its text.
    const QBitArray names = markupNamePositions(m_lines);
    LineSources lineSources;
    for (int line = 0; line < m_lines.size(); ++line) {
        const int length = int(m_lines.at(line).size());
        engineWork().characters += length;
        const int first = byLine.firstOfLine.at(line);
        const int end = byLine.firstOfLine.at(line + 1);
        if (first == end)
            continue;
        Painted *painted = byLine.painted.data();
        const Source *sources = lineSources.sourcesOf(painted + first, painted + end, length);
        applyLineSources(line, sources, names, result.lines[line], result.looks[line]);
    }
    return result;
}
