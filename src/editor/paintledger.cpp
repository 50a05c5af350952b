#include "editor/paintledger.h"

#include "editor/markupnames.h"

#include <algorithm>
#include <numeric>

PaintLedger::PaintLedger(const QStringList &lines, OccurrenceIndex &index)
    : m_lines(lines), m_index(index), m_rewriteTimes(lines.size(), -1)
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
    m_rewriteTimes[line] = ++m_clock;
}

void PaintLedger::paint(int key, const QString &text, quint32 colour)
{
    if (key >= m_paints.size())
        m_paints.resize(m_index.keyCount());
    m_paints[key] = {++m_clock, text, colour};
}

QString PaintLedger::currentText(int line, TagSpan span) const
{
    QString text = m_lines.at(line).mid(span.start, span.length);
    for (int i = 0; i < span.length; ++i) {
        const int column = span.start + i;
        int latest = -1;
        for (auto cover = m_index.coversBegin(line, column); cover != m_index.coversEnd(line, column);
             ++cover) {
            if (cover->key >= m_paints.size())
                continue;
            const KeyPaint &paint = m_paints.at(cover->key);
            if (paint.time > latest) {
                latest = paint.time;
                text[i] = paint.text.at(column - cover->start);
            }
        }
    }
    return text;
}

PaintLedger::Composition PaintLedger::compose() const
{
    const int positions = m_lineOffsets.constLast();
    QVector<int> times(positions, -1);
    QVector<quint32> colours(positions, BaseColour);
    Composition result{m_lines, QVector<QVector<LookRun>>(m_lines.size())};
    // Paints rewrite the letter case of names only; the page's own words keep their letters.
    const QBitArray names = markupNamePositions(m_lines);

    // Applying each key's latest paint once, oldest first, leaves every position with its latest paint.
    QVector<int> painted(m_paints.size());
    std::iota(painted.begin(), painted.end(), 0);
    painted.erase(
        std::remove_if(painted.begin(), painted.end(), [this](int key) { return m_paints.at(key).time < 0; }),
        painted.end());
    std::sort(painted.begin(), painted.end(),
              [this](int a, int b) { return m_paints.at(a).time < m_paints.at(b).time; });
    for (const int key : painted) {
        const KeyPaint &paint = m_paints.at(key);
        for (const OccurrenceIndex::Occurrence &occurrence : m_index.occurrences(key)) {
            const int first = m_lineOffsets.at(occurrence.line) + occurrence.column;
            QString &letters = result.lines[occurrence.line];
            for (int i = 0; i < paint.text.size(); ++i) {
                times[first + i] = paint.time;
                colours[first + i] = paint.colour;
                if (names.testBit(first + i))
                    letters[occurrence.column + i] = paint.text.at(i);
            }
        }
    }

    for (int line = 0; line < m_lines.size(); ++line) {
        QVector<LookRun> &runs = result.looks[line];
        for (int column = 0; column < m_lines.at(line).size(); ++column) {
            const int position = m_lineOffsets.at(line) + column;
            // Unpainted, or painted before the re-indentation rewrote the line: base look.
            if (times.at(position) <= m_rewriteTimes.at(line))
                continue;
            const quint32 colour = colours.at(position);
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
