#include "editor/core/stretchhashes.h"

#include <QRandomGenerator>

namespace {

constexpr quint64 Modulus = (quint64(1) << 61) - 1;

quint64 reduced(quint64 value)
{
    value = (value & Modulus) + (value >> 61);
    return value >= Modulus ? value - Modulus : value;
}

quint64 times(quint64 a, quint64 b)
{
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b;
    return reduced(reduced(quint64(product & Modulus)) + quint64(product >> 61));
}

quint64 plus(quint64 a, quint64 b)
{
    return reduced(a + b);
}

quint64 base()
{
    static const quint64 drawn = 256 + QRandomGenerator::global()->bounded(Modulus - 512);
    return drawn;
}

// The hash of the text followed by one more character.
quint64 extended(quint64 hash, QChar c)
{
    return plus(times(hash, base()), c.unicode() + 1);
}

} // namespace

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
        for (const QChar c : text)
            prefix.append(extended(prefix.constLast(), c));
    }
    while (m_powers.size() <= length)
        m_powers.append(times(m_powers.constLast(), base()));
    return plus(prefix.at(column + length), Modulus - times(prefix.at(column), m_powers.at(length)));
}

quint64 StretchHashes::ofText(QStringView text)
{
    quint64 hash = 0;
    for (const QChar c : text)
        hash = extended(hash, c);
    return hash;
}
