#include "editor/balancecheck.h"

#include "editor/charlook.h"

#include <algorithm>

namespace {

// Entries whose counts may differ without a warning: void elements, comments, declarations, empty pairs.
// The two lists differ on purpose, as the pupils' warnings always have: only the opening pass knows "! --"
// and "image", only the closing pass "img"; a pupil's "<IMG>" is exempt in both through "IMG".
const QStringList OpeningExemptions = {
    QStringLiteral("charset"), QStringLiteral("HR"),    QStringLiteral("BR"),    QStringLiteral("! --"),
    QStringLiteral("SOURCE"),  QStringLiteral("IMG"),   QStringLiteral("INPUT"), QStringLiteral("META"),
    QStringLiteral("hr"),      QStringLiteral("br"),    QStringLiteral("--"),    QStringLiteral("<!>"),
    QStringLiteral("source"),  QStringLiteral("image"), QStringLiteral("input"), QStringLiteral("audio/"),
    QStringLiteral("video/"),  QStringLiteral("meta"),  QStringLiteral("<>")};
const QStringList ClosingExemptions = {
    QStringLiteral("charset"), QStringLiteral("HR"),    QStringLiteral("BR"),     QStringLiteral("--"),
    QStringLiteral("SOURCE"),  QStringLiteral("IMG"),   QStringLiteral("INPUT"),  QStringLiteral("META"),
    QStringLiteral("hr"),      QStringLiteral("br"),    QStringLiteral("<!>"),    QStringLiteral("source"),
    QStringLiteral("img"),     QStringLiteral("input"), QStringLiteral("audio/"), QStringLiteral("video/"),
    QStringLiteral("meta"),    QStringLiteral("<>")};

// The warnings' words are the program's own, kept letter for letter (teachers' worksheets quote them): the
// misplaced accent of "λίγοτερο" and the double space of the closing pass's "περισσότερο  κατά", which tells
// the two passes apart in the message pane.
const QString FewerWords = QStringLiteral(" έχει εισαχθεί λίγοτερο κατά ");
const QString MoreOpeningWords = QStringLiteral(" έχει εισαχθεί περισσότερο κατά ");
const QString MoreClosingWords = QStringLiteral(" έχει εισαχθεί περισσότερο  κατά ");

QString warningText(const QString &tag, const QString &words, int difference)
{
    return QStringLiteral("# Προειδοποίηση: Η ετικέτα ") + tag + words + QString::number(difference) +
           QStringLiteral(" φορές");
}

// Ascending by UTF-16 code units; a prefix comes before the longer text, so the empty text comes first.
bool precedes(const QString &a, const QString &b)
{
    return std::lexicographical_compare(a.utf16(), a.utf16() + a.size(), b.utf16(), b.utf16() + b.size());
}

// The collected entries plus the one empty entry the check always sorts in, in ascending order.
QStringList sortedWithEmptyEntry(const QStringList &entries)
{
    QStringList sorted = entries;
    sorted.append(QString());
    std::sort(sorted.begin(), sorted.end(), precedes);
    return sorted;
}

// The distinct entries of a sorted list, each with how often it occurs; the empty entry comes first.
struct Tally
{
    QStringList entries;
    QVector<int> counts;
};

Tally tallied(const QStringList &sorted)
{
    Tally tally;
    for (qsizetype i = 0; i < sorted.size(); ++i) {
        if (i > 0 && sorted.at(i) == sorted.at(i - 1)) {
            ++tally.counts.last();
        } else {
            tally.entries.append(sorted.at(i));
            tally.counts.append(1);
        }
    }
    return tally;
}

// Exact, case-sensitive substring test; the empty text is contained in nothing.
bool holds(const QString &text, const QString &part)
{
    return !part.isEmpty() && text.contains(part);
}

// How many of the tallied entries hold the part.
int countHolding(const Tally &tally, const QString &part)
{
    int count = 0;
    for (qsizetype i = 0; i < tally.entries.size(); ++i) {
        if (holds(tally.entries.at(i), part))
            count += tally.counts.at(i);
    }
    return count;
}

bool isExempt(const QString &entry, const QStringList &exemptions)
{
    return entry.isEmpty() || std::any_of(exemptions.cbegin(), exemptions.cend(),
                                          [&entry](const QString &marker) { return entry.contains(marker); });
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
    const Tally opening = tallied(sortedWithEmptyEntry(collected.opening()));
    const Tally closing = tallied(sortedWithEmptyEntry(collected.closing()));

    // Every closing entry in two opening shapes: "<" + the entry from its third character on (F), and F
    // without its last character followed by a space (G).
    Tally closingAsOpening{{}, closing.counts};
    Tally closingAsOpeningWithSpace{{}, closing.counts};
    for (const QString &entry : closing.entries) {
        const QString asOpening = u'<' + entry.mid(2);
        closingAsOpening.entries.append(asOpening);
        closingAsOpeningWithSpace.entries.append(asOpening.chopped(1) + u' ');
    }

    for (const QString &tag : opening.entries) {
        const int openings = countHolding(opening, tag);
        const int closings =
            countHolding(closingAsOpening, tag) + countHolding(closingAsOpeningWithSpace, tag);
        if (closings == openings || isExempt(tag, OpeningExemptions))
            continue;
        if (closings > openings) {
            report.warnings.append({warningText(tag, FewerWords, closings - openings), WarningColour});
        } else {
            report.warnings.append({warningText(tag, MoreOpeningWords, openings - closings), WarningColour});
        }
        report.highlights.append(tag);
    }

    for (const QString &tag : closing.entries) {
        const QString openingForm = openingFormOf(tag);
        const int openings = countHolding(opening, openingForm);
        const int closings = countHolding(closing, tag);
        if (closings == openings || isExempt(tag, ClosingExemptions))
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
