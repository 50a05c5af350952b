#include "literalmodel.h"

#include "editor/core/balancecheck.h"
#include "editor/core/markupnames.h"
#include "editor/core/tagcollector.h"

#include <algorithm>

LiteralModel::LiteralModel(const QStringList &lines, bool endsWithLineBreak)
    : m_text(lines.join(u'\n') + (endsWithLineBreak ? QStringLiteral("\n") : QString())), m_shown(m_text)
{
    m_looks.resize(m_text.size());
}

int LiteralModel::physicalLineCount() const
{
    return int(m_text.count(u'\n')) + 1;
}

int LiteralModel::lineCount() const
{
    const int count = physicalLineCount();
    return m_text.isEmpty() || m_text.endsWith(u'\n') ? count - 1 : count;
}

int LiteralModel::lineStart(int index) const
{
    int start = 0;
    for (int line = 0; line < index; ++line)
        start = int(m_text.indexOf(u'\n', start)) + 1;
    return start;
}

QString LiteralModel::line(int index) const
{
    if (index < 0 || index >= physicalLineCount())
        return QString();
    const int start = lineStart(index);
    const qsizetype end = m_text.indexOf(u'\n', start);
    return m_text.mid(start, end < 0 ? -1 : end - start);
}

void LiteralModel::rewriteLine(int index, const std::function<QString(const QString &)> &rule, bool always)
{
    if (index < 0 || index >= physicalLineCount())
        return;
    const QString old = line(index);
    const QString text = rule(old);
    if (!always && text == old)
        return;
    const int start = lineStart(index);
    const QString shown = rule(m_shown.mid(start, old.size()));
    replace(m_shown, start, int(old.size()), shown);
    replace(m_text, start, int(old.size()), text);
}

void LiteralModel::replace(QString &text, int start, int length, const QString &replacement)
{
    // The looks follow the text the walk reads (both texts always have the same length).
    if (&text == &m_shown) {
        m_shown.replace(start, length, replacement);
        return;
    }
    // The new text takes the look of the first replaced character, or of the character before an empty range.
    Look look;
    if (length > 0)
        look = m_looks.at(start);
    else if (start > 0)
        look = m_looks.at(start - 1);
    m_text.replace(start, length, replacement);
    m_looks.remove(start, length);
    m_looks.insert(start, replacement.size(), look);
}

void LiteralModel::setWholeTextBase()
{
    m_looks.fill(Look());
}

int LiteralModel::findText(const QString &search, int start) const
{
    if (search.isEmpty())
        return -1;
    for (int position = start; position + search.size() <= m_text.size(); ++position) {
        int matched = 0;
        while (matched < search.size() &&
               m_text.at(position + matched).toCaseFolded() == search.at(matched).toCaseFolded())
            ++matched;
        if (matched == search.size())
            return position;
    }
    return -1;
}

void LiteralModel::recolourEveryOccurrence(const QString &search, quint32 colour)
{
    // Painting changes letter case only, which does not change where the names are.
    const QBitArray names = markupNamePositions(m_shown.split(u'\n'));
    int position = findText(search, 0);
    while (position != -1) {
        const int line = int(QStringView(m_text).left(position).count(u'\n'));
        for (int i = position; i < position + search.size(); ++i) {
            m_looks[i] = Look{colour, true};
            m_text[i] = search.at(i - position);
            if (names.testBit(i - line))
                m_shown[i] = search.at(i - position);
        }
        m_lastReplacementEnd = position + int(search.size());
        position = findText(search, position + int(search.size()));
    }
}

int LiteralModel::takeLastReplacementEnd()
{
    const int end = m_lastReplacementEnd;
    m_lastReplacementEnd = -1;
    return end;
}

QStringList LiteralModel::lines() const
{
    if (m_shown.isEmpty())
        return {};
    QStringList result = m_shown.split(u'\n');
    if (endsWithLineBreak())
        result.removeLast();
    return result;
}

bool LiteralModel::endsWithLineBreak() const
{
    return m_text.endsWith(u'\n');
}

QVector<QVector<LookRun>> LiteralModel::looks() const
{
    QVector<QVector<LookRun>> result;
    QVector<LookRun> runs;
    int column = 0;
    for (int position = 0; position < m_text.size(); ++position, ++column) {
        if (m_text.at(position) == u'\n') {
            result.append(runs);
            runs.clear();
            column = -1;
            continue;
        }
        const Look look = m_looks.at(position);
        if (look == Look())
            continue;
        if (!runs.isEmpty() && runs.constLast().start + runs.constLast().length == column &&
            runs.constLast().colour == look.colour && runs.constLast().bold == look.bold)
            ++runs.last().length;
        else
            runs.append({column, 1, look.colour, look.bold});
    }
    if (!m_text.isEmpty() && !endsWithLineBreak())
        result.append(runs);
    return result;
}

LinePosition LiteralModel::linePositionOf(int position) const
{
    const QStringView before = QStringView(m_text).left(position);
    const int line = int(before.count(u'\n'));
    return {line, int(position - (before.lastIndexOf(u'\n') + 1))};
}

namespace {

// Position (from 1) of the first `c` after position `after` (from 1; 0 searches from the start), or 0.
int positionAfter(const QString &line, QChar c, int after)
{
    return int(line.indexOf(c, after)) + 1;
}

QString withoutLeadingBlanks(const QString &line)
{
    int first = 0;
    while (first < line.size() && line.at(first).unicode() <= 32)
        ++first;
    return line.mid(first);
}

bool beginsWithLessThan(const QString &line)
{
    return line.startsWith(u'<');
}

QString threeSpacesAndStripped(const QString &line)
{
    return QStringLiteral("   ") + withoutLeadingBlanks(line);
}

QString templateStripped(const QString &line)
{
    const QString stripped = withoutLeadingBlanks(line);
    return beginsWithLessThan(stripped) ? stripped : QStringLiteral("   ") + stripped;
}

void reindentLine(LiteralModel &model, int i, Reindent reindent)
{
    if (reindent == Reindent::Standard) {
        // The line is written whenever the rule applies, even with the text it already has.
        if (i >= 1 && beginsWithLessThan(model.line(i - 1)) && !beginsWithLessThan(model.line(i)))
            model.rewriteLine(i, threeSpacesAndStripped, true);
    } else if (reindent == Reindent::Template) {
        model.rewriteLine(i, templateStripped, false);
        if (beginsWithLessThan(model.line(i)) && !beginsWithLessThan(model.line(i + 1)))
            model.rewriteLine(i + 1, threeSpacesAndStripped, false);
    }
}

} // namespace

BalanceReport literalBalanceCheck(const TagCollector &collected)
{
    const auto sorted = [](QStringList entries) {
        entries.append(QString());
        std::sort(entries.begin(), entries.end(), [](const QString &a, const QString &b) {
            return std::lexicographical_compare(a.utf16(), a.utf16() + a.size(), b.utf16(),
                                                b.utf16() + b.size());
        });
        return entries;
    };
    const auto distinct = [](const QStringList &sortedEntries) {
        QStringList result{sortedEntries.at(0)};
        for (int i = 0; i + 1 < sortedEntries.size(); ++i) {
            if (sortedEntries.at(i + 1) != sortedEntries.at(i))
                result.append(sortedEntries.at(i + 1));
        }
        return result;
    };
    const auto contains = [](const QString &text, const QString &part) {
        return !part.isEmpty() && text.contains(part);
    };
    const auto exempt = [](const QString &entry, const QStringList &markers) {
        if (entry.isEmpty())
            return true;
        for (const QString &marker : markers) {
            if (entry.contains(marker))
                return true;
        }
        return false;
    };
    const QStringList openingMarkers = {"charset", "HR",     "BR",     "! --", "SOURCE", "IMG",    "INPUT",
                                        "META",    "hr",     "br",     "--",   "<!>",    "source", "image",
                                        "input",   "audio/", "video/", "meta", "<>"};
    const QStringList closingMarkers = {"charset", "HR",    "BR",     "--",     "SOURCE", "IMG",
                                        "INPUT",   "META",  "hr",     "br",     "<!>",    "source",
                                        "img",     "input", "audio/", "video/", "meta",   "<>"};
    // A warning quotes at most QuotedTagLength code units of its tag, then "…"; a character of two code units
    // is never cut in half.
    const auto warning = [](const QString &tag, const char *words, int difference) {
        QString quoted = tag;
        if (quoted.size() > QuotedTagLength) {
            quoted.truncate(QuotedTagLength);
            if (quoted.back().isHighSurrogate())
                quoted.chop(1);
            quoted += QStringLiteral("…");
        }
        return QStringLiteral("# Προειδοποίηση: Η ετικέτα ") + quoted + QString::fromUtf8(words) +
               QString::number(difference) + QStringLiteral(" φορές");
    };

    const QStringList opening = sorted(collected.opening());
    const QStringList closing = sorted(collected.closing());
    BalanceReport report;
    for (const QString &tag : distinct(opening)) {
        int openings = 0;
        for (const QString &entry : opening)
            openings += contains(entry, tag);
        int closings = 0;
        for (const QString &entry : closing) {
            const QString f = u'<' + entry.mid(2);
            const QString g = f.left(f.size() - 1) + u' ';
            closings += contains(f, tag);
            closings += contains(g, tag);
        }
        if (closings == openings || exempt(tag, openingMarkers))
            continue;
        if (closings > openings)
            report.warnings.append({warning(tag, " έχει εισαχθεί λίγοτερο κατά ", closings - openings), 215});
        else
            report.warnings.append(
                {warning(tag, " έχει εισαχθεί περισσότερο κατά ", openings - closings), 215});
        report.highlights.append(tag);
    }
    for (const QString &tag : distinct(closing)) {
        const qsizetype space = tag.indexOf(u' ');
        QString form = space < 0 ? tag.mid(2) : tag.mid(1, space - 1) + u'>';
        form = form == u" " || form == u"<" ? QString() : u'<' + form;
        int openings = 0;
        for (const QString &entry : opening)
            openings += contains(entry, form);
        int closings = 0;
        for (const QString &entry : closing)
            closings += contains(entry, tag);
        if (closings == openings || exempt(tag, closingMarkers))
            continue;
        if (closings > openings)
            report.warnings.append(
                {warning(tag, " έχει εισαχθεί περισσότερο  κατά ", closings - openings), 168});
        else
            report.warnings.append({warning(tag, " έχει εισαχθεί λίγοτερο κατά ", openings - closings), 168});
        report.highlights.append(tag);
    }
    return report;
}

RefreshResult runLiteralRefresh(const QStringList &lines, const RefreshOptions &options,
                                bool endsWithLineBreak)
{
    LiteralModel model(lines, endsWithLineBreak);
    RefreshResult result;
    TagCollector collector;

    model.setWholeTextBase();
    for (int i = model.lineCount() - 1; i >= 0; --i) {
        reindentLine(model, i, options.reindent);
        int gt = positionAfter(model.line(i), u'>', 0);
        int lt = positionAfter(model.line(i), u'<', 0);
        while (lt != 0) {
            ++result.tagCount;
            const int length = gt - lt + 1;
            const QString tagText = length > 0 ? model.line(i).mid(lt - 1, length) : QString();
            if (options.paintTags && !(options.skipEmptyPairTags && tagText.contains(QStringLiteral("<>"))))
                model.recolourEveryOccurrence(tagText, TagColour);
            if (options.collect)
                collector.add(tagText);
            lt = positionAfter(model.line(i), u'<', lt);
            gt = positionAfter(model.line(i), u'>', gt);
        }
    }

    model.takeLastReplacementEnd();
    if (options.balanceCheck) {
        result.report = literalBalanceCheck(collector);
        for (const QString &highlight : result.report.highlights)
            model.recolourEveryOccurrence(highlight, WarningColour);
        const int caret = model.takeLastReplacementEnd();
        if (caret >= 0)
            result.highlightCaret = model.linePositionOf(caret);
    }

    result.lines = model.lines();
    result.endsWithLineBreak = model.endsWithLineBreak();
    result.looks = model.looks();
    return result;
}
