#include "editor/documentlooks.h"

#include "editor/codepane.h"
#include "widgets/bgrcolour.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>

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

// The formats of one pass by look number (0 is the base look), and which look each of the document's format
// indices stands for. Formats are made once per pass and compared once per format index, so lines are
// compared and given their looks by numbers; the document keeps each distinct format once, so a format index
// never changes what it stands for.
class LookFormats
{
public:
    explicit LookFormats(const QTextCharFormat &base) : m_formats{base} {}

    int lookOf(const LookRun &run)
    {
        if (run.colour == BaseColour && !run.bold)
            return 0;
        const quint64 key = quint64(run.colour) | (quint64(run.bold) << 32);
        const auto known = m_looks.constFind(key);
        if (known != m_looks.constEnd())
            return known.value();
        QTextCharFormat painted = m_formats.constFirst();
        painted.merge(paintedLookFormat(run.colour));
        if (!run.bold)
            painted.setFontWeight(QFont::Normal);
        m_formats.append(painted);
        m_looks.insert(key, int(m_formats.size()) - 1);
        return int(m_formats.size()) - 1;
    }

    const QTextCharFormat &format(int look) const { return m_formats.at(look); }

    // The look a fragment has, or -1 when it has none of this pass's looks.
    int lookOf(const QTextFragment &fragment)
    {
        const int index = fragment.charFormatIndex();
        const auto known = m_indexLooks.constFind(index);
        if (known != m_indexLooks.constEnd())
            return known.value();
        const QTextCharFormat format = fragment.charFormat();
        const auto equal = std::find(m_formats.cbegin(), m_formats.cend(), format);
        const int look = equal == m_formats.cend() ? -1 : int(equal - m_formats.cbegin());
        m_indexLooks.insert(index, look);
        return look;
    }

private:
    QVector<QTextCharFormat> m_formats;
    QHash<quint64, int> m_looks;  // painted looks by colour and weight
    QHash<int, int> m_indexLooks; // looks by the document's format index
};

// The looks of a line as stretches of one look each: base between the runs, the painted look on them.
struct Stretch
{
    int start = 0;
    int length = 0;
    int look = 0;
    bool given = false; // the characters have this look already
};

void stretchesOf(int length, const QVector<LookRun> &runs, LookFormats &formats, QVector<Stretch> &stretches)
{
    stretches.clear();
    int at = 0;
    for (const LookRun &run : runs) {
        const int look = formats.lookOf(run);
        if (look == 0)
            continue;
        if (run.start > at)
            stretches.append({at, run.start - at, 0});
        stretches.append({run.start, run.length, look});
        at = run.start + run.length;
    }
    if (at < length)
        stretches.append({at, length - at, 0});
}

// Marks the stretches whose characters already have their look; returns whether all of them have.
bool markGiven(const QTextBlock &block, QVector<Stretch> &stretches, LookFormats &formats)
{
    for (Stretch &stretch : stretches)
        stretch.given = true;
    auto stretch = stretches.begin();
    int at = 0; // position in the line of the current fragment
    bool all = true;
    for (QTextBlock::iterator it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int end = at + fragment.length();
        const int look = formats.lookOf(fragment);
        // Every stretch the fragment overlaps has this fragment's look, or not.
        for (; stretch != stretches.end() && stretch->start < end; ++stretch) {
            if (stretch->look != look) {
                stretch->given = false;
                all = false;
            }
            if (stretch->start + stretch->length > end)
                break;
        }
        at = end;
    }
    // Stretches past the fragments (there are none while the stretches cover the line exactly) lack theirs.
    for (; stretch != stretches.end(); ++stretch) {
        stretch->given = false;
        all = false;
    }
    return all;
}

// Gives a block's characters their looks where they lack them. The block's layout, where it has one, is
// dropped first: it is made again once, when the edit ends, instead of being taken apart again for every
// stretch (which costs a long line dearly). A block without a layout is given none (most lines of a long
// document are never shown, and making a layout only to clear it would cost every painted line).
int giveLooks(QTextCursor &cursor, QTextBlock block, const QVector<Stretch> &stretches,
              const LookFormats &formats)
{
    block.clearLayout();
    const int position = block.position();
    int given = 0;
    for (const Stretch &stretch : stretches) {
        if (stretch.given)
            continue;
        cursor.setPosition(position + stretch.start);
        cursor.setPosition(position + stretch.start + stretch.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(formats.format(stretch.look));
        ++given;
    }
    return given;
}

} // namespace

int applyLooks(CodePane *pane, const QVector<QVector<LookRun>> &looks)
{
    // Only lines whose looks differ are touched, and in them only the stretches that differ, so a refresh
    // that changes little lays out little again.
    QTextDocument *doc = pane->document();
    QTextCursor cursor(doc);
    LookFormats formats(baseLookOf(pane));
    const QVector<LookRun> none;
    QVector<Stretch> stretches;
    int given = 0;
    int i = 0;
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next(), ++i) {
        stretchesOf(block.length() - 1, i < looks.size() ? looks.at(i) : none, formats, stretches);
        if (!markGiven(block, stretches, formats))
            given += giveLooks(cursor, block, stretches, formats);
    }
    return given;
}
