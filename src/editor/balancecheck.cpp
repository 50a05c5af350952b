#include "editor/balancecheck.h"

#include "editor/charlook.h"
#include "editor/enginework.h"

#include <QHash>
#include <QSet>

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
    // constData(), unlike utf16(), gives even an empty text without allocating a buffer for it.
    const auto units = [](const QString &text) {
        return reinterpret_cast<const char16_t *>(text.constData());
    };
    return std::lexicographical_compare(units(a), units(a) + a.size(), units(b), units(b) + b.size());
}

// The collected entries plus the one empty entry the check always sorts in, in ascending order.
QStringList sortedWithEmptyEntry(const QStringList &entries)
{
    QStringList sorted = entries;
    sorted.append(QString());
    for (const QString &entry : sorted)
        engineWork().characters += entry.size();
    std::sort(sorted.begin(), sorted.end(), [](const QString &a, const QString &b) {
        ++engineWork().candidates;
        return precedes(a, b);
    });
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

// Whether a text is shaped like one tag: a "<", characters other than "<" and ">", then a ">".
bool isTagShaped(QStringView text)
{
    if (text.size() < 2 || text.front() != u'<' || text.back() != u'>')
        return false;
    const QStringView inner = text.mid(1, text.size() - 2);
    return !inner.contains(u'<') && !inner.contains(u'>');
}

// Whether a text holds two "<" or two ">": only such a text can hold a text that starts with "<", ends with
// ">" and is not shaped like one tag.
bool isRich(QStringView text)
{
    return text.count(u'<') >= 2 || text.count(u'>') >= 2;
}

// How many of the tallied entries hold a text (exact, case-sensitive substring; the empty text is held by
// nothing), in time that grows with the entries' length, not with their number times the texts asked about.
// A tag-shaped text occurs in an entry exactly where a "<" is followed by a ">" with neither in between, so
// each entry is cut once into those pieces and the pieces are counted; other texts are looked for in the few
// entries that can hold them.
class Containment
{
public:
    explicit Containment(const Tally &tally) : m_tally(tally)
    {
        for (qsizetype i = 0; i < tally.entries.size(); ++i) {
            const QString &entry = tally.entries.at(i);
            engineWork().characters += entry.size();
            QSet<QStringView> pieces;
            qsizetype lt = -1;
            for (qsizetype at = 0; at < entry.size(); ++at) {
                if (entry.at(at) == u'<') {
                    lt = at;
                } else if (entry.at(at) == u'>' && lt >= 0) {
                    pieces.insert(QStringView(entry).mid(lt, at - lt + 1));
                    lt = -1;
                }
            }
            for (const QStringView piece : pieces)
                m_pieceCounts[piece.toString()] += tally.counts.at(i);
            if (isRich(entry))
                m_rich.append(i);
        }
    }

    int holding(const QString &part) const
    {
        if (part.isEmpty())
            return 0;
        if (isTagShaped(part))
            return m_pieceCounts.value(part);
        int count = 0;
        const auto add = [&](qsizetype i) {
            ++engineWork().candidates;
            if (m_tally.entries.at(i).contains(part))
                count += m_tally.counts.at(i);
        };
        if (isRich(part)) {
            for (const qsizetype i : m_rich)
                add(i);
        } else {
            for (qsizetype i = 0; i < m_tally.entries.size(); ++i)
                add(i);
        }
        return count;
    }

private:
    const Tally &m_tally;
    QHash<QString, int> m_pieceCounts;
    QVector<qsizetype> m_rich;
};

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

    const Containment inOpening(opening);
    const Containment inClosing(closing);
    const Containment inClosingAsOpening(closingAsOpening);
    const Containment inClosingAsOpeningWithSpace(closingAsOpeningWithSpace);

    for (const QString &tag : opening.entries) {
        const int openings = inOpening.holding(tag);
        const int closings = inClosingAsOpening.holding(tag) + inClosingAsOpeningWithSpace.holding(tag);
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
        const int openings = inOpening.holding(openingForm);
        const int closings = inClosing.holding(tag);
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
