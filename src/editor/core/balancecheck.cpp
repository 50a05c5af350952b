#include "editor/core/balancecheck.h"

#include "editor/core/charlook.h"
#include "editor/core/containmentcount.h"
#include "editor/core/enginework.h"

#include <QHash>
#include <QStringBuilder>

#include <algorithm>
#include <array>

namespace {

// The markers of an exemption list by their first character (all of them ASCII), so that an entry of any
// length is read once.
class ExemptionMarkers
{
public:
    explicit ExemptionMarkers(const QStringList &markers)
    {
        for (const QString &marker : markers)
            m_byFirstCharacter[marker.front().unicode()].append(marker);
    }

    bool exempts(const QString &entry) const
    {
        if (entry.isEmpty())
            return true;
        const QStringView text(entry);
        engineWork().characters += text.size();
        for (qsizetype at = 0; at < text.size(); ++at) {
            const char16_t c = text[at].unicode();
            if (c >= m_byFirstCharacter.size())
                continue;
            for (const QString &marker : m_byFirstCharacter[c]) {
                if (text.mid(at).startsWith(marker))
                    return true;
            }
        }
        return false;
    }

private:
    std::array<QStringList, 128> m_byFirstCharacter;
};

// Entries whose counts may differ without a warning: void elements, comments, declarations, empty pairs.
// The two lists differ on purpose, as the pupils' warnings always have: only the opening pass knows "! --"
// and "image", only the closing pass "img"; a pupil's "<IMG>" is exempt in both through "IMG".
const ExemptionMarkers OpeningExemptions(
    {QStringLiteral("charset"), QStringLiteral("HR"), QStringLiteral("BR"), QStringLiteral("! --"),
     QStringLiteral("SOURCE"), QStringLiteral("IMG"), QStringLiteral("INPUT"), QStringLiteral("META"),
     QStringLiteral("hr"), QStringLiteral("br"), QStringLiteral("--"), QStringLiteral("<!>"),
     QStringLiteral("source"), QStringLiteral("image"), QStringLiteral("input"), QStringLiteral("audio/"),
     QStringLiteral("video/"), QStringLiteral("meta"), QStringLiteral("<>")});
const ExemptionMarkers ClosingExemptions(
    {QStringLiteral("charset"), QStringLiteral("HR"), QStringLiteral("BR"), QStringLiteral("--"),
     QStringLiteral("SOURCE"), QStringLiteral("IMG"), QStringLiteral("INPUT"), QStringLiteral("META"),
     QStringLiteral("hr"), QStringLiteral("br"), QStringLiteral("<!>"), QStringLiteral("source"),
     QStringLiteral("img"), QStringLiteral("input"), QStringLiteral("audio/"), QStringLiteral("video/"),
     QStringLiteral("meta"), QStringLiteral("<>")});

// The warnings' words are the program's own, kept letter for letter (teachers' worksheets quote them): the
// misplaced accent of "λίγοτερο" and the double space of the closing pass's "περισσότερο  κατά", which tells
// the two passes apart in the message pane.
const QString FewerWords = QStringLiteral(" έχει εισαχθεί λίγοτερο κατά ");
const QString MoreOpeningWords = QStringLiteral(" έχει εισαχθεί περισσότερο κατά ");
const QString MoreClosingWords = QStringLiteral(" έχει εισαχθεί περισσότερο  κατά ");

// The tag as a warning quotes it: a long one (a one-line script cut at its "<" and ">") only begins, so that
// the pupil's other warnings stay in sight and the message pane stays small.
QStringView quotedTag(const QString &tag, bool *shortened)
{
    *shortened = tag.size() > QuotedTagLength;
    if (!*shortened)
        return tag;
    qsizetype length = QuotedTagLength;
    // A character made of two code units is quoted whole or not at all.
    if (tag.at(length - 1).isHighSurrogate())
        --length;
    return QStringView(tag).left(length);
}

QString warningText(const QString &tag, const QString &words, int difference)
{
    bool shortened = false;
    const QStringView quoted = quotedTag(tag, &shortened);
    return QStringLiteral("# Προειδοποίηση: Η ετικέτα ") % quoted %
           (shortened ? QStringView(u"…") : QStringView()) % words % QString::number(difference) %
           QStringLiteral(" φορές");
}

// Ascending by UTF-16 code units; a prefix comes before the longer text, so the empty text comes first.
bool precedes(const QString &a, const QString &b)
{
    // constData(), unlike utf16(), gives even an empty text without allocating a buffer for it.
    const auto units = [](const QString &text) {
        return reinterpret_cast<const char16_t *>(text.constData());
    };
    return std::lexicographical_compare(units(a), units(a) + a.size(), units(b), units(b) + b.size());
}

// The distinct entries of a list plus the one empty entry the check always counts in, in ascending order,
// each with how often it occurs; the empty entry comes first. Entries are counted by their text first, so
// only the distinct ones are sorted.
struct Tally
{
    QStringList entries;
    QVector<int> counts;
};

Tally tallied(const QStringList &collected)
{
    QHash<QString, int> counts;
    counts.insert(QString(), 1);
    for (const QString &entry : collected) {
        engineWork().characters += entry.size();
        ++engineWork().candidates;
        ++counts[entry];
    }
    Tally tally;
    tally.entries = counts.keys();
    std::sort(tally.entries.begin(), tally.entries.end(), [](const QString &a, const QString &b) {
        ++engineWork().candidates;
        return precedes(a, b);
    });
    tally.counts.reserve(tally.entries.size());
    for (const QString &entry : tally.entries)
        tally.counts.append(counts.value(entry));
    return tally;
}

// The opening form of a closing entry, used by the closing pass: without a space, the entry from its third
// character on; with one, from its second character up to the first space, closed with ">". An empty result
// means no opening entry can match.
QString openingFormOf(const QString &closing)
{
    const qsizetype space = closing.indexOf(u' ');
    const QString form =
        space < 0 ? closing.mid(2) : closing.mid(1, std::max<qsizetype>(space - 1, 0)) + u'>';
    if (form == u" " || form == u"<")
        return QString();
    return u'<' + form;
}

} // namespace

BalanceReport checkBalance(const TagCollector &collected)
{
    BalanceReport report;
    const Tally opening = tallied(collected.opening());
    const Tally closing = tallied(collected.closing());

    // Every closing entry in two opening shapes: "<" + the entry from its third character on (F), and F
    // without its last character followed by a space (G).
    Tally closingAsOpening{{}, closing.counts};
    Tally closingAsOpeningWithSpace{{}, closing.counts};
    for (const QString &entry : closing.entries) {
        const QString asOpening = u'<' + entry.mid(2);
        closingAsOpening.entries.append(asOpening);
        closingAsOpeningWithSpace.entries.append(asOpening.chopped(1) + u' ');
    }

    // The texts looked for in the opening entries: each distinct opening entry, then the opening form of each
    // distinct closing entry.
    QStringList openingSearches = opening.entries;
    for (const QString &tag : closing.entries)
        openingSearches.append(openingFormOf(tag));
    ContainmentCount inOpeningEntries(openingSearches);
    const QVector<int> inOpening = inOpeningEntries.holdings(opening.entries, opening.counts);
    const QVector<int> inClosingAsOpening =
        inOpeningEntries.holdings(closingAsOpening.entries, closingAsOpening.counts);
    const QVector<int> inClosingAsOpeningWithSpace =
        inOpeningEntries.holdings(closingAsOpeningWithSpace.entries, closingAsOpeningWithSpace.counts);
    const QVector<int> inClosing =
        ContainmentCount(closing.entries).holdings(closing.entries, closing.counts);

    for (qsizetype i = 0; i < opening.entries.size(); ++i) {
        const QString &tag = opening.entries.at(i);
        const int openings = inOpening.at(i);
        const int closings = inClosingAsOpening.at(i) + inClosingAsOpeningWithSpace.at(i);
        if (closings == openings || OpeningExemptions.exempts(tag))
            continue;
        if (closings > openings) {
            report.warnings.append({warningText(tag, FewerWords, closings - openings), WarningColour});
        } else {
            report.warnings.append({warningText(tag, MoreOpeningWords, openings - closings), WarningColour});
        }
        report.highlights.append(tag);
    }

    for (qsizetype i = 0; i < closing.entries.size(); ++i) {
        const QString &tag = closing.entries.at(i);
        const int openings = inOpening.at(opening.entries.size() + i);
        const int closings = inClosing.at(i);
        if (closings == openings || ClosingExemptions.exempts(tag))
            continue;
        if (closings > openings) {
            report.warnings.append(
                {warningText(tag, MoreClosingWords, closings - openings), ClosingWarningColour});
        } else {
            report.warnings.append({warningText(tag, FewerWords, openings - closings), ClosingWarningColour});
        }
        report.highlights.append(tag);
    }
    return report;
}
