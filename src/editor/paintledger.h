#pragma once

#include "editor/charlook.h"
#include "editor/occurrenceindex.h"
#include "editor/tagscan.h"

#include <QString>
#include <QStringList>
#include <QVector>

// The paints of one refresh, kept per key instead of per character. A paint gives every occurrence of its key
// a colour (bold) and the letters of the painted text (in the document, only where they are markup names); a
// later paint of the same key overwrites the same occurrences, so only each key's latest paint is kept. A
// character then shows the letters and the look of the latest paint among the keys that cover it; its look
// falls back to the base look when its line was re-indented after that paint.
class PaintLedger
{
public:
    // `lines` are the document's lines after re-indentation, in their letters before any paint.
    PaintLedger(const QStringList &lines, OccurrenceIndex &index);

    // The line is rewritten by the re-indentation now: its characters return to the base look.
    void rewriteLine(int line);
    // Paints every occurrence of the key with the colour and the letters of the text (the key's folded text).
    void paint(int key, const QString &text, quint32 colour);
    // The letters of a span as the walk reads them now, given the paints so far of the keys the index covers:
    // every painted letter counts here, names or not, so the walk's findings do not depend on which letters
    // the document keeps.
    QString currentText(int line, TagSpan span) const;

    // The document after all paints: every line's letters (markup names in the case of their latest paint,
    // every other letter as it was) and its painted runs.
    struct Composition
    {
        QStringList lines;
        QVector<QVector<LookRun>> looks;
    };
    Composition compose() const;

private:
    struct KeyPaint
    {
        int time = -1;
        QString text;
        quint32 colour = BaseColour;
    };
    const QStringList &m_lines;
    OccurrenceIndex &m_index;
    QVector<int> m_lineOffsets;
    QVector<KeyPaint> m_paints;
    QVector<int> m_rewriteTimes;
    int m_clock = 0;
};
