#pragma once

#include "editor/core/charlook.h"
#include "editor/core/occurrenceindex.h"
#include "editor/core/tagscan.h"

#include <QBitArray>
#include <QHash>
#include <QString>
#include <QStringList>
#include <QVector>

// The paints of one refresh, kept as a list of events instead of per character. A paint gives every
// occurrence of its key a colour (bold) and the letters of the painted text (in the document, only where they
// are markup names). A character shows the look of the latest paint among the keys that cover it; its look
// falls back to the base look when its line was re-indented after that paint.
//
// The walk paints a tag text with the letters its span has at that moment, which earlier paints may have
// rewritten. Those letters are not copied at every paint (a long tag text would cost its length each time):
// a paint remembers its span, and a letter is found when it is needed by following the paints back in time,
// each letter of each paint found once.
class PaintLedger
{
public:
    // `lines` are the document's lines after re-indentation, in their letters before any paint.
    PaintLedger(const QStringList &lines, OccurrenceIndex &index);

    // The line is rewritten by the re-indentation now: its characters return to the base look.
    void rewriteLine(int line);
    // Makes room for this many paints.
    void reserve(int paints);
    // Paints every occurrence of the key with the colour and the letters the span of that line has now.
    void paintFromSpan(int key, int line, TagSpan span, quint32 colour);
    // Paints every occurrence of the key with the colour and the letters of the text.
    void paintWithText(int key, const QString &text, quint32 colour);
    // The letters of the first `length` characters of a span as the walk reads them now: every painted letter
    // counts here, names or not, so the walk's findings do not depend on which letters the document keeps.
    QString currentText(int line, TagSpan span, int length) const;

    // The document after all paints: every line's letters (markup names in the case of their latest paint,
    // every other letter as it was) and its painted runs.
    struct Composition
    {
        QStringList lines;
        QVector<QVector<LookRun>> looks;
    };
    Composition compose() const;

private:
    struct Paint
    {
        int key = 0;
        int line = 0; // the span the letters come from (paints from a span)
        int start = 0;
        int text = -1; // the letters, in m_texts (paints with a text)
        quint32 colour = BaseColour;
        // The key's latest earlier paint whose letters came from elsewhere, or -1.
        int earlierFromElsewhere = -1;
    };
    void append(Paint paint);
    struct Source
    {
        int paint = -1;
        int offset = 0;
    };
    // The latest paint before paint number `before` that covers a character and may have changed its letter,
    // and the character's offset in the occurrence painted. A paint whose letters came from the very
    // occurrence it covers the character with wrote back the letter the character already had, so it is
    // passed over.
    Source latestPaint(int line, int column, int before) const;
    // The letter a paint gave the character at an offset of its occurrences.
    QChar paintedLetter(Source source) const;

    // An occurrence of a painted key, with its key's latest paint.
    struct Painted
    {
        int paint = 0;
        int column = 0;
        int length = 0;
    };
    // The occurrences of every painted key, line by line: those of line i are `painted` from `firstOfLine[i]`
    // up to `firstOfLine[i + 1]`.
    struct PaintedByLine
    {
        QVector<int> firstOfLine;
        QVector<Painted> painted;
    };
    PaintedByLine latestPaintsByLine() const;
    // Which paint each column of one line shows; its room is kept from line to line.
    class LineSources;
    // Gives a line's columns the letters of their paints where they are markup names (`names` holds the
    // document's name positions), and the colours of the paints made after the line's re-indentation.
    void applyLineSources(int line, const Source *sources, const QBitArray &names, QString &letters,
                          QVector<LookRun> &runs) const;

    const QStringList &m_lines;
    OccurrenceIndex &m_index;
    QVector<int> m_lineOffsets;
    QVector<Paint> m_paints;           // in the order painted
    QStringList m_texts;               // the letters of the paints with a text
    QVector<QVector<int>> m_keyPaints; // per key, the numbers of its paints in ascending order
    QVector<int> m_rewrittenBefore;    // per line, the number of paints made before it was rewritten
    // Letters found so far, per paint and offset (one number, never negative): a table of open addressing,
    // as every letter the walk reads asks it once or more.
    class LetterMemo
    {
    public:
        // The letter found for the id, or null.
        const QChar *find(qint64 id) const;
        void insert(qint64 id, QChar letter);

    private:
        qsizetype slotOf(qint64 id) const;
        QVector<qint64> m_ids; // -1: a free slot
        QVector<QChar> m_letters;
        qsizetype m_count = 0;
    };
    mutable LetterMemo m_letters;
    mutable QVector<qint64> m_steps; // working space of paintedLetter
};
