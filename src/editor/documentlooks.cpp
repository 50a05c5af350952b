#include "editor/documentlooks.h"

#include "editor/codepane.h"
#include "widgets/bgrcolour.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

QTextCharFormat baseLookFormat()
{
    QTextCharFormat f;
    f.setForeground(QColor(0, 0, 0));
    f.setBackground(QColor(255, 255, 255));
    f.setFontPointSize(11);
    f.setFontWeight(QFont::Normal);
    f.setFontItalic(false);
    f.setFontUnderline(false);
    f.setFontStrikeOut(false);
    return f;
}

QTextCharFormat baseLookOf(const CodePane *pane)
{
    QTextCharFormat f = baseLookFormat();
    f.setFontFamilies(pane->font().families());
    return f;
}

QTextCharFormat paintedLookFormat(quint32 colour)
{
    QTextCharFormat f;
    f.setForeground(colourFromBgr(colour));
    f.setFontWeight(QFont::Bold);
    return f;
}

namespace {

// The looks of a line as stretches of one format each: base between the runs, the painted look on them.
struct Stretch
{
    int start = 0;
    int length = 0;
    QTextCharFormat format;
};

QVector<Stretch> stretchesOf(int length, const QVector<LookRun> &runs, const QTextCharFormat &base)
{
    QVector<Stretch> stretches;
    int at = 0;
    for (const LookRun &run : runs) {
        if (run.colour == BaseColour && !run.bold)
            continue;
        if (run.start > at)
            stretches.append({at, run.start - at, base});
        QTextCharFormat painted = base;
        painted.merge(paintedLookFormat(run.colour));
        if (!run.bold)
            painted.setFontWeight(QFont::Normal);
        stretches.append({run.start, run.length, painted});
        at = run.start + run.length;
    }
    if (at < length)
        stretches.append({at, length - at, base});
    return stretches;
}

// Whether the characters of a block already have these looks.
bool hasLooks(const QTextBlock &block, const QVector<Stretch> &stretches)
{
    auto stretch = stretches.cbegin();
    int used = 0; // characters of the current stretch already matched
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        int left = fragment.length();
        while (left > 0) {
            if (stretch == stretches.cend() || stretch->format != fragment.charFormat())
                return false;
            const int step = qMin(left, stretch->length - used);
            left -= step;
            used += step;
            if (used == stretch->length) {
                ++stretch;
                used = 0;
            }
        }
    }
    return stretch == stretches.cend();
}

// Gives a block's characters their looks. The block's layout is dropped first: it is made again once, when
// the edit ends, instead of being taken apart again for every stretch (which costs a long line dearly).
void giveLooks(QTextCursor &cursor, const QTextBlock &block, const QVector<Stretch> &stretches)
{
    block.layout()->clearLayout();
    for (const Stretch &stretch : stretches) {
        cursor.setPosition(block.position() + stretch.start);
        cursor.setPosition(block.position() + stretch.start + stretch.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(stretch.format);
    }
}

} // namespace

void applyLooks(CodePane *pane, const QVector<QVector<LookRun>> &looks)
{
    // Only lines whose looks differ are touched, so a refresh that changes little lays out little again.
    QTextDocument *doc = pane->document();
    QTextCursor cursor(doc);
    const QTextCharFormat base = baseLookOf(pane);
    const QVector<LookRun> none;
    int i = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next(), ++i) {
        const QVector<Stretch> stretches =
            stretchesOf(block.length() - 1, i < looks.size() ? looks.at(i) : none, base);
        if (!hasLooks(block, stretches))
            giveLooks(cursor, block, stretches);
    }
}
