#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

// One tag text cut from a line: `length` characters from column `start` (0-based). A length of 0 is an
// empty tag text: the "<" had no ">" paired after it.
struct TagSpan
{
    int start = 0;
    int length = 0;

    friend bool operator==(const TagSpan &a, const TagSpan &b)
    {
        return a.start == b.start && a.length == b.length;
    }
};

// The tag scan of one line: one span per "<", from left to right. The k-th "<" is paired with the k-th ">"
// found by a cursor that moves to the next ">" after itself for every "<"; when the ">" characters have run
// out the cursor starts over at the line's first ">". A "<" whose paired ">" stands before it (or is missing)
// gives an empty tag text.
QVector<TagSpan> scanTags(QStringView line);
// The same scan, its spans appended to `spans`; `greaterThans` is working space that keeps its capacity from
// line to line.
void appendTagScan(QStringView line, QVector<TagSpan> &spans, QVector<qsizetype> &greaterThans);

// The text of a span in its line.
inline QStringView tagText(QStringView line, TagSpan span)
{
    return line.mid(span.start, span.length);
}

// Whether the first character of the line is "<" (an empty line begins with nothing).
bool beginsWithLt(QStringView line);
