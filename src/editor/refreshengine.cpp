#include "editor/refreshengine.h"

#include "editor/occurrenceindex.h"
#include "editor/paintledger.h"
#include "editor/reindent.h"
#include "editor/tagcollector.h"
#include "editor/tagscan.h"

#include <algorithm>

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

// Per key, the spans its paints read their letters from: the first one, and whether there are others.
struct PaintSources
{
    struct Source
    {
        int line = -1;
        int column = -1;
        bool several = false;
    };
    QVector<Source> first;
    // Every span per key.
    QVector<QVector<OccurrenceIndex::Occurrence>> all;
};

PaintSources paintSources(const QVector<QVector<TagSpan>> &spans, const QVector<QVector<int>> &keys,
                          int keyCount)
{
    PaintSources sources{QVector<PaintSources::Source>(keyCount),
                         QVector<QVector<OccurrenceIndex::Occurrence>>(keyCount)};
    for (int line = 0; line < spans.size(); ++line) {
        for (int tag = 0; tag < spans.at(line).size(); ++tag) {
            const int key = keys.at(line).at(tag);
            if (key < 0)
                continue;
            const int column = spans.at(line).at(tag).start;
            PaintSources::Source &source = sources.first[key];
            if (source.line < 0)
                source = {line, column, false};
            else if (source.line != line || source.column != column)
                source.several = true;
            sources.all[key].append({line, column});
        }
    }
    return sources;
}

// The characters whose letters the walk's paints may change. A key whose occurrences and spans all read
// exactly alike writes every occurrence the letters it already has, as long as the letters of its spans do
// not change; so only the occurrences of keys that differ in letter case somewhere, and of keys reading from
// such characters, can change letters. Everywhere else the walk reads the letters as they are, which spares
// following paints through characters that no paint changes.
QBitArray changeablePositions(const QStringList &lines, const OccurrenceIndex &index,
                              const PaintSources &sources)
{
    const int keyCount = index.keyCount();
    QBitArray changeable(index.positionCount());
    QVector<bool> changing(keyCount, false);
    bool anyChanging = false;
    const auto textAt = [&](int key, const OccurrenceIndex::Occurrence &at) {
        return QStringView(lines.at(at.line)).mid(at.column, index.keyLength(key));
    };
    const auto mark = [&](int key) {
        changing[key] = true;
        for (const OccurrenceIndex::Occurrence &occurrence : index.occurrences(key)) {
            const int first = index.positionOf(occurrence.line, occurrence.column);
            for (int i = 0; i < index.keyLength(key); ++i)
                changeable.setBit(first + i);
        }
    };
    for (int key = 0; key < keyCount; ++key) {
        const QVector<OccurrenceIndex::Occurrence> &spansOfKey = sources.all.at(key);
        if (spansOfKey.isEmpty())
            continue;
        const OccurrenceIndex::Occurrence first = spansOfKey.constFirst();
        const QStringView text = textAt(key, first);
        const auto alike = [&](const OccurrenceIndex::Occurrence &at) {
            return (at.line == first.line && at.column == first.column) || textAt(key, at) == text;
        };
        if (!std::all_of(spansOfKey.cbegin(), spansOfKey.cend(), alike) ||
            !std::all_of(index.occurrences(key).cbegin(), index.occurrences(key).cend(), alike)) {
            mark(key);
            anyChanging = true;
        }
    }
    if (!anyChanging)
        return changeable;
    // Keys that read from changeable characters may carry the change further.
    for (bool spread = true; spread;) {
        spread = false;
        for (int key = 0; key < keyCount; ++key) {
            if (changing.at(key))
                continue;
            for (const OccurrenceIndex::Occurrence &at : sources.all.at(key)) {
                const int first = index.positionOf(at.line, at.column);
                bool reads = false;
                for (int i = 0; i < index.keyLength(key) && !reads; ++i)
                    reads = changeable.testBit(first + i);
                if (reads) {
                    mark(key);
                    spread = true;
                    break;
                }
            }
        }
    }
    return changeable;
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
    const PaintSources sources = paintSources(spans, keys, index.keyCount());
    index.buildCoverage(
        [&sources](int key, const OccurrenceIndex::Occurrence &occurrence) {
            // A paint writes the letters of the span it was read from; where that span is the occurrence
            // itself, it writes back the letters already there.
            const PaintSources::Source &source = sources.first.at(key);
            return source.several || source.line != occurrence.line || source.column != occurrence.column;
        },
        changeablePositions(reindented, index, sources));

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
            // Only the letters its entry is made of are read.
            const TagSpan span = spans.at(line).at(tag);
            if (options.collect) {
                const QStringView original = tagText(reindented.at(line), span);
                const int used = TagCollector::lettersUsed(original);
                collector.add(ledger.currentText(line, span, used) + original.mid(used).toString());
            }
            if (key >= 0)
                ledger.paintFromSpan(key, line, span, TagColour);
        }
    }

    if (options.balanceCheck) {
        result.report = checkBalance(collector);
        for (const QString &highlight : result.report.highlights) {
            const int key = index.keyOf(highlight);
            ledger.paintWithText(key, highlight, WarningColour);
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
