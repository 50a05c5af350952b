#pragma once

#include <QStringList>
#include <QStringView>
#include <QVector>

// Polynomial hashes of every prefix of a document's lines laid end to end, both of the letters as they stand
// and of their case folding, so that any stretch of a line is hashed in constant time however long it is.
// Texts with equal hashes are taken to be equal: the hashes are taken modulo the prime 2^61 - 1 with a base
// drawn at random once per run, so two different texts of length n share a hash with a chance of at most
// n in 2^61, whatever the texts.
class StretchHashes
{
public:
    // `lines` and `foldedLines` have the same lengths line by line.
    StretchHashes(const QStringList &lines, const QStringList &foldedLines);

    // The hash of `length` characters from a position (the lines laid end to end).
    quint64 raw(int position, int length) const { return of(m_raw, position, length); }
    quint64 folded(int position, int length) const { return of(m_folded, position, length); }
    // The hash of a text, as the stretches are hashed.
    static quint64 ofText(QStringView text);

private:
    quint64 of(const QVector<quint64> &prefix, int position, int length) const;

    QVector<quint64> m_powers; // the base to the power of every length
    QVector<quint64> m_raw;    // per position, the hash of everything before it
    QVector<quint64> m_folded;
};
