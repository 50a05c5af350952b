#include "editor/stretchhashes.h"

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
{
    qsizetype total = 0;
    for (const QString &line : lines)
        total += line.size();
    m_powers.reserve(total + 1);
    m_raw.reserve(total + 1);
    m_folded.reserve(total + 1);
    m_powers.append(1);
    m_raw.append(0);
    m_folded.append(0);
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QString &folded = foldedLines.at(i);
        for (qsizetype at = 0; at < line.size(); ++at) {
            m_powers.append(times(m_powers.constLast(), base()));
            m_raw.append(extended(m_raw.constLast(), line.at(at)));
            m_folded.append(extended(m_folded.constLast(), folded.at(at)));
        }
    }
}

quint64 StretchHashes::of(const QVector<quint64> &prefix, int position, int length) const
{
    return plus(prefix.at(position + length), Modulus - times(prefix.at(position), m_powers.at(length)));
}

quint64 StretchHashes::ofText(QStringView text)
{
    quint64 hash = 0;
    for (const QChar c : text)
        hash = extended(hash, c);
    return hash;
}
