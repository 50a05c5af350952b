#include "editor/core/balancecheck.h"

#include "editor/core/charlook.h"
#include "editor/core/enginework.h"

#include <QHash>
#include <QStringBuilder>

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

// How many of the tallied entries hold each of a set of texts (exact, case-sensitive substring; the empty
// text is held by nothing). The texts are searched for all at once (Aho-Corasick): each entry is read once,
// and each text it holds is met once per entry, so the cost grows with the entries' and texts' length and
// the number of holdings, never with the number of entries times the number of texts.
class Containment
{
public:
    explicit Containment(const QStringList &texts)
    {
        m_nodes.append(Node());
        m_ends.reserve(texts.size());
        for (const QString &text : texts) {
            engineWork().characters += text.size();
            int node = 0;
            for (const QChar c : text) {
                const auto child = m_children.constFind(edge(node, c));
                if (child != m_children.constEnd()) {
                    node = child.value();
                } else {
                    m_children.insert(edge(node, c), int(m_nodes.size()));
                    m_nodes.append(Node{false, 0, -1, m_nodes.at(node).depth + 1});
                    m_order.append(int(m_nodes.size()) - 1);
                    m_parents.append({node, c.unicode()});
                    node = int(m_nodes.size()) - 1;
                }
            }
            // The empty text ends at the root, which stands for no text.
            m_nodes[node].textEnds = node > 0;
            m_ends.append(node);
        }
        linkSuffixes();
    }

    // Per text, the summed counts of the tallied entries that hold it.
    QVector<int> holdings(const Tally &tally)
    {
        QVector<int> nodeCounts(m_nodes.size(), 0);
        QVector<int> seenBy(m_nodes.size(), -1);
        for (qsizetype i = 0; i < tally.entries.size(); ++i) {
            const QString &entry = tally.entries.at(i);
            engineWork().characters += entry.size();
            int node = 0;
            for (const QChar c : entry) {
                node = next(node, c);
                // The texts that end here: this node's and those of its shorter suffixes, each counted once
                // per entry. A node already seen in this entry had its shorter suffixes seen with it.
                for (int found = m_nodes.at(node).textEnds ? node : m_nodes.at(node).textSuffix;
                     found > 0 && seenBy.at(found) != i; found = m_nodes.at(found).textSuffix) {
                    ++engineWork().candidates;
                    seenBy[found] = int(i);
                    nodeCounts[found] += tally.counts.at(i);
                }
            }
        }
        QVector<int> counts;
        counts.reserve(m_ends.size());
        for (const int end : m_ends)
            counts.append(nodeCounts.at(end));
        return counts;
    }

private:
    struct Node
    {
        bool textEnds = false; // a text ends here
        int suffix = 0;        // the node of the longest proper suffix that is a node
        int textSuffix = -1;   // the node of the longest proper suffix at which a text ends, or -1
        int depth = 0;
    };
    static quint64 edge(int node, QChar c) { return (quint64(node) << 16) | c.unicode(); }

    int next(int node, QChar c) const
    {
        for (;;) {
            const auto child = m_children.constFind(edge(node, c));
            if (child != m_children.constEnd())
                return child.value();
            if (node == 0)
                return 0;
            ++engineWork().candidates;
            node = m_nodes.at(node).suffix;
        }
    }

    // Suffix links, breadth first: nodes in order of depth, each from its parent's.
    void linkSuffixes()
    {
        QVector<int> byDepth = m_order;
        std::stable_sort(byDepth.begin(), byDepth.end(),
                         [this](int a, int b) { return m_nodes.at(a).depth < m_nodes.at(b).depth; });
        for (const int node : byDepth) {
            const auto [parent, c] = m_parents.at(node - 1);
            Node &linked = m_nodes[node];
            linked.suffix = parent == 0 ? 0 : next(m_nodes.at(parent).suffix, QChar(c));
            const Node &suffix = m_nodes.at(linked.suffix);
            linked.textSuffix = suffix.textEnds ? linked.suffix : suffix.textSuffix;
        }
    }

    QVector<int> m_ends; // per text, the node where it ends
    QVector<Node> m_nodes;
    QHash<quint64, int> m_children;
    QVector<int> m_order;                    // the nodes after the root, in the order made
    QVector<QPair<int, char16_t>> m_parents; // per node after the root: its parent and its letter
};

bool isExempt(const QString &entry, const QStringList &exemptions)
{
    if (entry.isEmpty())
        return true;
    // A short entry (most are a tag name) is tried position by position against the markers beginning with
    // its character there; a long one is searched for each marker.
    if (entry.size() > 64) {
        return std::any_of(exemptions.cbegin(), exemptions.cend(),
                           [&entry](const QString &marker) { return entry.contains(marker); });
    }
    const QStringView text(entry);
    for (qsizetype at = 0; at < text.size(); ++at) {
        for (const QString &marker : exemptions) {
            if (marker.front() == text[at] && text.mid(at).startsWith(marker))
                return true;
        }
    }
    return false;
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
    Containment inOpeningEntries(openingSearches);
    const QVector<int> inOpening = inOpeningEntries.holdings(opening);
    const QVector<int> inClosingAsOpening = inOpeningEntries.holdings(closingAsOpening);
    const QVector<int> inClosingAsOpeningWithSpace = inOpeningEntries.holdings(closingAsOpeningWithSpace);
    const QVector<int> inClosing = Containment(closing.entries).holdings(closing);

    for (qsizetype i = 0; i < opening.entries.size(); ++i) {
        const QString &tag = opening.entries.at(i);
        const int openings = inOpening.at(i);
        const int closings = inClosingAsOpening.at(i) + inClosingAsOpeningWithSpace.at(i);
        if (closings == openings || isExempt(tag, OpeningExemptions))
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
