#include "editor/core/stretchhashes.h"

#include "editor/core/polynomialhash.h"

using namespace PolynomialHash;

StretchHashes::StretchHashes(const QStringList &lines, const QStringList &foldedLines)
    : m_lines(lines), m_foldedLines(foldedLines), m_powers{1}
{
}

quint64 StretchHashes::of(QVector<QVector<quint64>> &prefixes, const QStringList &lines, int line, int column,
                          int length) const
{
    // The lines' tables are made when a stretch is first asked for: most documents never ask.
    if (prefixes.isEmpty())
        prefixes.resize(lines.size());
    QVector<quint64> &prefix = prefixes[line];
    if (prefix.isEmpty()) {
        const QString &text = lines.at(line);
        prefix.reserve(text.size() + 1);
        prefix.append(0);
        const quint64 withBase = base();
        for (const QChar c : text)
            prefix.append(extended(prefix.constLast(), c, withBase));
    }
    while (m_powers.size() <= length)
        m_powers.append(times(m_powers.constLast(), base()));
    return ofStretch(prefix.at(column), prefix.at(column + length), m_powers.at(length));
}
