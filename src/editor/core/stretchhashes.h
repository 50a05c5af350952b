#pragma once

#include <QStringList>
#include <QStringView>
#include <QVector>

// Polynomial hashes of every prefix of a document's lines, both of the letters as they stand and of their
// case folding, so that any stretch of a line is hashed in constant time however long it is. A line's hashes
// are made the first time a stretch of it is asked for. Texts with equal hashes are taken to be equal (see
// polynomialhash.h for the chance of a mistake).
class StretchHashes
{
public:
    // `lines` and `foldedLines` have the same lengths line by line.
    StretchHashes(const QStringList &lines, const QStringList &foldedLines);

    // The hash of `length` characters of a line from a column.
    quint64 raw(int line, int column, int length) const { return of(m_raw, m_lines, line, column, length); }
    quint64 folded(int line, int column, int length) const
    {
        return of(m_folded, m_foldedLines, line, column, length);
    }

private:
    quint64 of(QVector<QVector<quint64>> &prefixes, const QStringList &lines, int line, int column,
               int length) const;

    QStringList m_lines;
    QStringList m_foldedLines;
    mutable QVector<quint64> m_powers;       // the base to the power of every length needed so far
    mutable QVector<QVector<quint64>> m_raw; // per line, per column the hash of what stands before it
    mutable QVector<QVector<quint64>> m_folded;
};
