#include "editor/refreshengine.h"

#include "editor/occurrenceindex.h"
#include "editor/paintledger.h"
#include "editor/reindent.h"
#include "editor/tagcollector.h"
#include "editor/tagscan.h"

namespace {

// The lines as the re-indentation of the walk leaves them. Each line is rewritten at most once, when the walk
// reaches it, and whether a line begins with "<" never changes, so the outcome is known before the walk.
QStringList reindentedLines(const QStringList &lines, Reindent reindent, bool endsWithLineBreak)
{
    switch (reindent) {
    case Reindent::None:
        return lines;
    case Reindent::Template:
        return templateReindented(lines, endsWithLineBreak);
    case Reindent::Standard:
        break;
    }
    QStringList result;
    result.reserve(lines.size());
    for (int i = 0; i < lines.size(); ++i)
        result.append(i == 0 ? lines.at(i) : standardReindented(lines.at(i - 1), lines.at(i)));
    return result;
}

// Whether the walk writes line i while re-indenting it. The standard rule writes every line it applies to,
// even when the line already has its three spaces, so the line's looks start afresh whatever an earlier
// refresh left; the template rule writes only lines whose text it changes.
bool rewritten(const QStringList &lines, const QStringList &reindented, int i, Reindent reindent)
{
    switch (reindent) {
    case Reindent::None:
        return false;
    case Reindent::Template:
        return reindented.at(i) != lines.at(i);
    case Reindent::Standard:
        break;
    }
    return i >= 1 && beginsWithLt(lines.at(i - 1)) && !beginsWithLt(lines.at(i));
}

// The tag texts the walk paints: not empty, and without "<>" unless empty pairs are painted too.
bool isPainted(QStringView tagText, const RefreshOptions &options)
{
    return options.paintTags && !tagText.isEmpty() &&
           !(options.skipEmptyPairTags && tagText.contains(QStringLiteral("<>")));
}

} // namespace

RefreshResult runRefresh(const QStringList &lines, const RefreshOptions &options, bool endsWithLineBreak)
{
    const QStringList reindented = reindentedLines(lines, options.reindent, endsWithLineBreak);
    OccurrenceIndex index(reindented);
    PaintLedger ledger(reindented, index);

    // The spans of every line and the key each painted span paints with (-1: not painted). The positions of
    // "<" and ">" never change during the walk, so the spans are those of the re-indented line.
    QVector<QVector<TagSpan>> spans(lines.size());
    QVector<QVector<int>> keys(lines.size());
    for (int line = 0; line < lines.size(); ++line) {
        spans[line] = scanTags(reindented.at(line));
        for (const TagSpan &span : spans.at(line)) {
            const QStringView text = tagText(reindented.at(line), span);
            keys[line].append(isPainted(text, options) ? index.keyOf(text) : -1);
        }
    }
    index.buildCoverage();

    RefreshResult result;
    TagCollector collector;
    for (int line = int(lines.size()) - 1; line >= 0; --line) {
        if (rewritten(lines, reindented, line, options.reindent))
            ledger.rewriteLine(line);
        for (int tag = 0; tag < spans.at(line).size(); ++tag) {
            ++result.tagCount;
            const int key = keys.at(line).at(tag);
            if (key < 0 && !options.collect)
                continue;
            // The tag text is read as the line stands now: earlier paints may have rewritten its letters.
            const QString text = ledger.currentText(line, spans.at(line).at(tag));
            if (key >= 0)
                ledger.paint(key, text, TagColour);
            if (options.collect)
                collector.add(text);
        }
    }

    if (options.balanceCheck) {
        result.report = checkBalance(collector);
        for (const QString &highlight : result.report.highlights) {
            const int key = index.keyOf(highlight);
            ledger.paint(key, highlight, WarningColour);
            const QVector<OccurrenceIndex::Occurrence> &occurrences = index.occurrences(key);
            if (!occurrences.isEmpty())
                result.highlightCaret = {occurrences.constLast().line,
                                         occurrences.constLast().column + int(highlight.size())};
        }
    }

    PaintLedger::Composition composition = ledger.compose();
    result.lines = composition.lines;
    result.looks = composition.looks;
    result.endsWithLineBreak = endsWithLineBreak && reindented.size() == lines.size();
    return result;
}
