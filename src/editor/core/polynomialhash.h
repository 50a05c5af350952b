#pragma once

#include <QChar>
#include <QRandomGenerator>
#include <QStringView>
#include <QtGlobal>

// Polynomial hashes of texts, modulo the prime 2^61 - 1 with a base drawn at random once per run: two
// different texts of length n share a hash with a chance of at most n in 2^61, whatever the texts. The hash
// of a stretch of a text follows from the hashes of the text's prefixes in constant time, however long the
// stretch.
namespace PolynomialHash {

inline constexpr quint64 Modulus = (quint64(1) << 61) - 1;

// A value below 2^64 brought below the modulus.
inline quint64 reduced(quint64 value)
{
    value = (value & Modulus) + (value >> 61);
    return value >= Modulus ? value - Modulus : value;
}

// a * b + c modulo the modulus, for a and b below it and a small c.
inline quint64 timesPlus(quint64 a, quint64 b, quint64 c)
{
    const unsigned __int128 product = static_cast<unsigned __int128>(a) * b + c;
    // The product is below 2^123: its low 61 bits plus the rest is below 2^63, which one more fold brings
    // below the modulus plus one.
    return reduced((quint64(product) & Modulus) + quint64(product >> 61));
}

inline quint64 times(quint64 a, quint64 b)
{
    return timesPlus(a, b, 0);
}

inline quint64 plus(quint64 a, quint64 b)
{
    return reduced(a + b);
}

inline quint64 base()
{
    static const quint64 drawn = 256 + QRandomGenerator::global()->bounded(Modulus - 512);
    return drawn;
}

// The hash of a text followed by one more character, with the base given (callers in a loop keep it at hand).
inline quint64 extended(quint64 hash, QChar c, quint64 withBase)
{
    return timesPlus(hash, withBase, c.unicode() + 1);
}

inline quint64 extended(quint64 hash, QChar c)
{
    return extended(hash, c, base());
}

// The hash of a whole text.
inline quint64 ofText(QStringView text)
{
    const quint64 withBase = base();
    quint64 hash = 0;
    for (const QChar c : text)
        hash = extended(hash, c, withBase);
    return hash;
}

// The hash of the stretch between two prefixes, given the hashes of both and the base to the power of the
// stretch's length.
inline quint64 ofStretch(quint64 shorterPrefix, quint64 longerPrefix, quint64 powerOfLength)
{
    return plus(longerPrefix, Modulus - times(shorterPrefix, powerOfLength));
}

} // namespace PolynomialHash
