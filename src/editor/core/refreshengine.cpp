#include "editor/core/refreshengine.h"

#include "editor/core/occurrenceindex.h"
#include "editor/core/paintledger.h"
#include "editor/core/reindent.h"
#include "editor/core/tagcollector.h"
#include "editor/core/tagscan.h"

#include <QHash>

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

// Where the characters that decide about a tag text stand in one line, so that a tag text of any length is
// judged in constant time: how many "<>" and "//" pairs start before each column, and the next "/", " " and
// ">" at or after it. One set of marks is read line after line, keeping its room.
class LineMarks
{
public:
    void read(QStringView line)
    {
        pairCounts(line, u'<', u'>', m_emptyPairs);
        pairCounts(line, u'/', u'/', m_doubleSlashes);
        nextOf(line, u'/', m_nextSlash);
        nextOf(line, u' ', m_nextSpace);
        nextOf(line, u'>', m_nextGreaterThan);
    }

    // The length of a tag text's head: its text up to its first ">".
    int headLength(TagSpan span) const { return m_nextGreaterThan.at(span.start) - span.start + 1; }

    // Whether the tag text holds "<>".
    bool holdsEmptyPair(TagSpan span) const { return holds(m_emptyPairs, span); }

    // What the collector makes of the tag text (as TagCollector::shapeOf).
    TagCollector::Shape shapeOf(TagSpan span) const
    {
        const int end = span.start + span.length;
        if (span.length == 0)
            return {true, 0, false};
        const bool closingHead = m_nextSlash.at(span.start) == span.start + 1;
        const bool opening = !closingHead || holds(m_doubleSlashes, span);
        const int space = opening ? m_nextSpace.at(span.start) : end;
        return {opening, qMin(space, end) - span.start, space < end};
    }

private:
    static void pairCounts(QStringView line, QChar first, QChar second, QVector<int> &counts)
    {
        counts.resize(line.size() + 1);
        int *count = counts.data();
        count[0] = 0;
        for (qsizetype i = 0; i < line.size(); ++i)
            count[i + 1] = count[i] + (line[i] == first && i + 1 < line.size() && line[i + 1] == second);
    }
    static void nextOf(QStringView line, QChar c, QVector<int> &nextAt)
    {
        nextAt.resize(line.size() + 1);
        int *next = nextAt.data();
        next[line.size()] = int(line.size());
        for (qsizetype i = line.size() - 1; i >= 0; --i)
            next[i] = line[i] == c ? int(i) : next[i + 1];
    }
    // Whether a pair starts inside the span and ends inside it.
    static bool holds(const QVector<int> &counts, TagSpan span)
    {
        return span.length >= 2 && counts.at(span.start + span.length - 1) > counts.at(span.start);
    }

    QVector<int> m_emptyPairs;
    QVector<int> m_doubleSlashes;
    QVector<int> m_nextSlash;
    QVector<int> m_nextSpace;
    QVector<int> m_nextGreaterThan;
};

// The tags of every line, laid end to end: the spans of line i are those from firstOf[i] to firstOf[i + 1],
// with the key each painted span paints with (-1: not painted) and what the collector makes of it.
struct DocumentTags
{
    QVector<int> firstOf;
    QVector<TagSpan> spans;
    QVector<int> keys;
    QVector<TagCollector::Shape> shapes;
};

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

PaintSources paintSources(const DocumentTags &tags, int keyCount)
{
    PaintSources sources{QVector<PaintSources::Source>(keyCount),
                         QVector<QVector<OccurrenceIndex::Occurrence>>(keyCount)};
    for (int line = 0; line + 1 < tags.firstOf.size(); ++line) {
        for (int tag = tags.firstOf.at(line); tag < tags.firstOf.at(line + 1); ++tag) {
            const int key = tags.keys.at(tag);
            if (key < 0)
                continue;
            const int column = tags.spans.at(tag).start;
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
// such characters, can change letters, and of those only the ones that do not fold alone. Everywhere else the
// walk reads the letters as they are, which spares following paints through characters that no paint changes.
QBitArray changeablePositions(const QStringList &lines, const OccurrenceIndex &index,
                              const PaintSources &sources)
{
    const int keyCount = index.keyCount();
    QBitArray changeable(index.positionCount());
    QVector<bool> changing(keyCount, false);
    bool anyChanging = false;
    const auto mark = [&](int key) {
        changing[key] = true;
        for (const OccurrenceIndex::Occurrence &occurrence : index.occurrences(key)) {
            const int first = index.positionOf(occurrence.line, occurrence.column);
            const QString &line = lines.at(occurrence.line);
            engineWork().covers += index.keyLength(key);
            for (int i = 0; i < index.keyLength(key); ++i) {
                if (!foldsAlone(line.at(occurrence.column + i)))
                    changeable.setBit(first + i);
            }
        }
    };
    for (int key = 0; key < keyCount; ++key) {
        const QVector<OccurrenceIndex::Occurrence> &spansOfKey = sources.all.at(key);
        if (spansOfKey.isEmpty())
            continue;
        const OccurrenceIndex::Occurrence first = spansOfKey.constFirst();
        const auto alike = [&](const OccurrenceIndex::Occurrence &at) {
            ++engineWork().candidates;
            return (at.line == first.line && at.column == first.column) ||
                   index.readAlike(at, first, index.keyLength(key));
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
                for (int i = 0; i < index.keyLength(key) && !reads; ++i, ++engineWork().covers)
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
    engineWork() = EngineWork();
    const QStringList reindented = reindentedLines(lines, options.reindent, endsWithLineBreak);
    OccurrenceIndex index(reindented);
    PaintLedger ledger(reindented, index);

    // The spans of every line and the key each painted span paints with. The positions of "<" and ">" never
    // change during the walk, so the spans are those of the re-indented line.
    DocumentTags tags;
    tags.firstOf.reserve(lines.size() + 1);
    LineMarks marks;
    QVector<qsizetype> greaterThans;
    for (int line = 0; line < lines.size(); ++line) {
        const int first = int(tags.spans.size());
        tags.firstOf.append(first);
        appendTagScan(reindented.at(line), tags.spans, greaterThans);
        if (tags.spans.size() == first)
            continue;
        marks.read(reindented.at(line));
        engineWork().characters += reindented.at(line).size();
        for (int tag = first; tag < tags.spans.size(); ++tag) {
            const TagSpan span = tags.spans.at(tag);
            // Painted: not empty, and without "<>" unless empty pairs are painted too.
            const bool painted = options.paintTags && span.length > 0 &&
                                 !(options.skipEmptyPairTags && marks.holdsEmptyPair(span));
            tags.keys.append(painted ? index.keyOfSpan(line, span.start, span.length, marks.headLength(span))
                                     : -1);
            tags.shapes.append(marks.shapeOf(span));
        }
    }
    tags.firstOf.append(int(tags.spans.size()));
    ledger.reserve(int(tags.spans.size()));
    {
        const PaintSources sources = paintSources(tags, index.keyCount());
        index.buildCoverage(
            [&sources](int key, const OccurrenceIndex::Occurrence &occurrence) {
                // A paint writes the letters of the span it was read from; where that span is the occurrence
                // itself, it writes back the letters already there.
                const PaintSources::Source &source = sources.first.at(key);
                return source.several || source.line != occurrence.line || source.column != occurrence.column;
            },
            changeablePositions(reindented, index, sources));
    }

    // What each step no longer needs is let go before the next one, which then reuses its memory.
    RefreshResult result;
    TagCollector collector;
    QHash<QString, int> keysOfEntries;
    for (int line = int(lines.size()) - 1; line >= 0; --line) {
        if (rewritten(lines, reindented, line, options.reindent))
            ledger.rewriteLine(line);
        for (int tag = tags.firstOf.at(line); tag < tags.firstOf.at(line + 1); ++tag) {
            ++result.tagCount;
            const int key = tags.keys.at(tag);
            if (key < 0 && !options.collect)
                continue;
            // The tag text is read as the line stands now: earlier paints may have rewritten its letters.
            // Only the letters its entry is made of are read.
            const TagSpan span = tags.spans.at(tag);
            if (options.collect) {
                const TagCollector::Shape shape = tags.shapes.at(tag);
                const QString entry = collector.add(shape, ledger.currentText(line, span, shape.used));
                // An entry of the whole tag text differs from it in letter case at most, so it has the span's
                // key: a warning about it paints with that key without reading the entry again.
                if (key >= 0 && !shape.cut && !entry.isEmpty())
                    keysOfEntries.insert(entry, key);
            }
            if (key >= 0)
                ledger.paintFromSpan(key, line, span, TagColour);
        }
    }
    tags = DocumentTags();

    if (options.balanceCheck) {
        result.report = checkBalance(collector);
        collector = TagCollector();
        for (const QString &highlight : result.report.highlights) {
            const auto known = keysOfEntries.constFind(highlight);
            const int key = known != keysOfEntries.constEnd() ? known.value() : index.keyOf(highlight);
            ledger.paintWithText(key, highlight, WarningColour);
            const QVector<OccurrenceIndex::Occurrence> &occurrences = index.occurrences(key);
            if (!occurrences.isEmpty())
                result.highlightCaret = {occurrences.constLast().line,
                                         occurrences.constLast().column + int(highlight.size())};
        }
    }
    keysOfEntries = QHash<QString, int>();

    PaintLedger::Composition composition = ledger.compose();
    result.lines = composition.lines;
    result.looks = composition.looks;
    result.endsWithLineBreak = endsWithLineBreak && reindented.size() == lines.size();
    result.work = engineWork();
    return result;
}
