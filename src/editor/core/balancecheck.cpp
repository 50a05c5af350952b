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

// Texts as sequences of pieces: every "<" and every ">" is a piece of its own, and so is every stretch of
// other characters between them, numbered by its letters. A text that begins with "<" and ends with ">"
// (every text the check looks for, as every tag text has that shape) occurs in another text exactly where its
// pieces occur among the other's pieces: each of its stretches is bounded by brackets on both sides, so it is
// a whole stretch wherever the text occurs. Searching pieces instead of characters makes a long tag text cost
// the number of its brackets, which in a pasted script is a small part of its length.
class Pieces
{
public:
    static constexpr int LessThan = 0;
    static constexpr int GreaterThan = 1;

    // The pieces of a text, which must outlive this object (its stretches are kept as views).
    QVector<int> of(const QString &text)
    {
        engineWork().characters += text.size();
        QVector<int> pieces;
        const QStringView view(text);
        qsizetype stretch = 0;
        for (qsizetype i = 0; i <= view.size(); ++i) {
            const bool end = i == view.size();
            if (!end && view[i] != u'<' && view[i] != u'>')
                continue;
            if (i > stretch) {
                ++engineWork().candidates;
                const QStringView letters = view.mid(stretch, i - stretch);
                auto number = m_numbers.constFind(letters);
                if (number == m_numbers.constEnd())
                    number = m_numbers.insert(letters, int(m_numbers.size()) + 2);
                pieces.append(number.value());
            }
            if (!end)
                pieces.append(view[i] == u'<' ? LessThan : GreaterThan);
            stretch = i + 1;
        }
        return pieces;
    }

private:
    QHash<QStringView, int> m_numbers; // the stretches met, numbered from 2 on
};

// How many of the tallied entries hold each of a set of texts (exact, case-sensitive substring; the empty
// text is held by nothing), all texts given as pieces. The texts are searched for all at once (Aho-Corasick):
// each entry is read once, and each text it holds is met once per entry, so the cost grows with the entries'
// and texts' pieces and the number of holdings, never with the number of entries times the number of texts.
class Containment
{
public:
    explicit Containment(const QVector<QVector<int>> &texts)
    {
        m_nodes.append(Node());
        m_ends.reserve(texts.size());
        for (const QVector<int> &text : texts) {
            int node = 0;
            for (const int piece : text) {
                ++engineWork().candidates;
                const int child = childOf(node, piece);
                if (child >= 0) {
                    node = child;
                    continue;
                }
                const int made = int(m_nodes.size());
                m_nodes.append(Node{false, 0, -1, m_nodes.at(node).depth + 1});
                m_parents.append({node, piece});
                Node &parent = m_nodes[node];
                if (parent.firstChild < 0) {
                    parent.firstChild = made;
                    parent.firstPiece = piece;
                } else {
                    m_otherChildren.insert(edge(node, piece), made);
                    parent.moreChildren = true;
                }
                node = made;
            }
            // The empty text ends at the root, which stands for no text.
            m_nodes[node].textEnds = node > 0;
            m_ends.append(node);
        }
        linkSuffixes();
    }

    // Per text, the summed counts of the entries that hold it; `entries` are the tallied entries as pieces.
    QVector<int> holdings(const QVector<QVector<int>> &entries, const QVector<int> &entryCounts)
    {
        QVector<int> nodeCounts(m_nodes.size(), 0);
        QVector<int> seenBy(m_nodes.size(), -1);
        for (qsizetype i = 0; i < entries.size() && m_nodes.size() > 1; ++i) {
            int node = 0;
            for (const int piece : entries.at(i)) {
                node = next(node, piece);
                // The texts that end here: this node's and those of its shorter suffixes, each counted once
                // per entry. A node already seen in this entry had its shorter suffixes seen with it.
                for (int found = m_nodes.at(node).textEnds ? node : m_nodes.at(node).textSuffix;
                     found > 0 && seenBy.at(found) != i; found = m_nodes.at(found).textSuffix) {
                    ++engineWork().candidates;
                    seenBy[found] = int(i);
                    nodeCounts[found] += entryCounts.at(i);
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
    // Long texts make long chains of nodes with one child each: the first child of a node is kept in the
    // node, next to it in memory, and only further children in a table.
    struct Node
    {
        bool textEnds = false; // a text ends here
        int suffix = 0;        // the node of the longest proper suffix that is a node
        int textSuffix = -1;   // the node of the longest proper suffix at which a text ends, or -1
        int depth = 0;
        int firstChild = -1;
        int firstPiece = -1;
        bool moreChildren = false; // children besides the first, in m_otherChildren
    };
    static quint64 edge(int node, int piece) { return (quint64(node) << 32) | quint32(piece); }

    // The child of a node by a piece, or -1.
    int childOf(int node, int piece) const
    {
        const Node &parent = m_nodes.at(node);
        if (parent.firstPiece == piece)
            return parent.firstChild;
        if (!parent.moreChildren)
            return -1;
        return m_otherChildren.value(edge(node, piece), -1);
    }

    int next(int node, int piece) const
    {
        for (;;) {
            ++engineWork().candidates;
            const int child = childOf(node, piece);
            if (child >= 0)
                return child;
            if (node == 0)
                return 0;
            node = m_nodes.at(node).suffix;
        }
    }

    // Suffix links, breadth first: nodes in order of depth (counted into place), each from its parent's.
    void linkSuffixes()
    {
        int deepest = 0;
        for (const Node &node : m_nodes)
            deepest = std::max(deepest, node.depth);
        QVector<int> firstOfDepth(deepest + 2, 0);
        for (int node = 1; node < m_nodes.size(); ++node)
            ++firstOfDepth[m_nodes.at(node).depth + 1];
        for (int depth = 1; depth <= deepest + 1; ++depth)
            firstOfDepth[depth] += firstOfDepth.at(depth - 1);
        QVector<int> byDepth(m_nodes.size() - 1);
        for (int node = 1; node < m_nodes.size(); ++node)
            byDepth[firstOfDepth[m_nodes.at(node).depth]++] = node;
        for (const int node : byDepth) {
            const auto [parent, piece] = m_parents.at(node - 1);
            Node &linked = m_nodes[node];
            linked.suffix = parent == 0 ? 0 : next(m_nodes.at(parent).suffix, piece);
            const Node &suffix = m_nodes.at(linked.suffix);
            linked.textSuffix = suffix.textEnds ? linked.suffix : suffix.textSuffix;
        }
    }

    QVector<int> m_ends; // per text, the node where it ends
    QVector<Node> m_nodes;
    QHash<quint64, int> m_otherChildren;
    QVector<QPair<int, int>> m_parents; // per node after the root: its parent and its piece
};

// The markers of an exemption list by their first character (all are ASCII), so that an entry is read once,
// each position tried only against the markers that begin with its character.
class ExemptionMarkers
{
public:
    explicit ExemptionMarkers(const QStringList &markers)
    {
        for (const QString &marker : markers)
            m_byFirst[marker.front().unicode()].append(marker);
    }

    bool exempts(const QString &entry) const
    {
        if (entry.isEmpty())
            return true;
        const QStringView text(entry);
        for (qsizetype at = 0; at < text.size(); ++at) {
            const char16_t c = text[at].unicode();
            if (c >= 128)
                continue;
            for (const QString &marker : m_byFirst[c]) {
                if (text.mid(at).startsWith(marker))
                    return true;
            }
        }
        return false;
    }

private:
    QStringList m_byFirst[128];
};

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
    QStringList closingAsOpening;
    QStringList closingAsOpeningWithSpace;
    for (const QString &entry : closing.entries) {
        const QString asOpening = u'<' + entry.mid(2);
        closingAsOpening.append(asOpening);
        closingAsOpeningWithSpace.append(asOpening.chopped(1) + u' ');
    }
    QStringList openingForms;
    for (const QString &tag : closing.entries)
        openingForms.append(openingFormOf(tag));

    // An exempt entry is never reported, whatever its counts, so it is not looked for at all.
    static const ExemptionMarkers openingMarkers(OpeningExemptions);
    static const ExemptionMarkers closingMarkers(ClosingExemptions);
    QVector<bool> openingExempt;
    for (const QString &tag : opening.entries)
        openingExempt.append(openingMarkers.exempts(tag));
    QVector<bool> closingExempt;
    for (const QString &tag : closing.entries)
        closingExempt.append(closingMarkers.exempts(tag));

    Pieces pieces;
    const auto piecesOf = [&pieces](const QStringList &texts) {
        QVector<QVector<int>> result;
        result.reserve(texts.size());
        for (const QString &text : texts)
            result.append(pieces.of(text));
        return result;
    };
    const auto withoutExempt = [](QVector<QVector<int>> texts, const QVector<bool> &exempt) {
        for (qsizetype i = 0; i < texts.size(); ++i) {
            if (exempt.at(i))
                texts[i].clear();
        }
        return texts;
    };
    const QVector<QVector<int>> openingPieces = piecesOf(opening.entries);
    const QVector<QVector<int>> closingPieces = piecesOf(closing.entries);
    // The texts looked for in the opening entries: each distinct opening entry, then the opening form of each
    // distinct closing entry.
    QVector<QVector<int>> openingSearches = withoutExempt(openingPieces, openingExempt);
    openingSearches.append(withoutExempt(piecesOf(openingForms), closingExempt));
    Containment inOpeningEntries(openingSearches);
    const QVector<int> inOpening = inOpeningEntries.holdings(openingPieces, opening.counts);
    const QVector<int> inClosingAsOpening =
        inOpeningEntries.holdings(piecesOf(closingAsOpening), closing.counts);
    const QVector<int> inClosingAsOpeningWithSpace =
        inOpeningEntries.holdings(piecesOf(closingAsOpeningWithSpace), closing.counts);
    const QVector<int> inClosing =
        Containment(withoutExempt(closingPieces, closingExempt)).holdings(closingPieces, closing.counts);

    for (qsizetype i = 0; i < opening.entries.size(); ++i) {
        const QString &tag = opening.entries.at(i);
        const int openings = inOpening.at(i);
        const int closings = inClosingAsOpening.at(i) + inClosingAsOpeningWithSpace.at(i);
        if (closings == openings || openingExempt.at(i))
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
        if (closings == openings || closingExempt.at(i))
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
