#pragma once

#include "editor/core/refreshengine.h"
#include "editor/core/tagcollector.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <functional>

// A plain model of the code pane: the text with "\n" line breaks and one look per character, with the pane
// operations the refresh cycle uses, each done one step at a time. It serves as the reference the fast
// refresh engine is compared with.
//
// It keeps the text twice: the text the walk reads, where every painted occurrence takes the letters of its
// search text, and the text the document shows, where only the letters of markup names (tag and attribute
// names, found afresh on the current text at every paint) do.
class LiteralModel
{
public:
    struct Look
    {
        quint32 colour = BaseColour;
        bool bold = false;
        friend bool operator==(const Look &a, const Look &b)
        {
            return a.colour == b.colour && a.bold == b.bold;
        }
    };

    // A document of these lines, followed by a line break when `endsWithLineBreak`; every character base.
    LiteralModel(const QStringList &lines, bool endsWithLineBreak);

    // `Lines.Count`: the number of lines, an empty last line not counted.
    int lineCount() const;
    // Line i without its line break; empty for a line that does not exist.
    QString line(int index) const;
    // Replaces the text of line i with what `rule` makes of it (in both texts). With `always` false, a line
    // the rule leaves as it is is no edit at all; a line that does not exist stays as it is.
    void rewriteLine(int index, const std::function<QString(const QString &)> &rule, bool always);
    // the base look given to the whole text: every character returns to the base look.
    void setWholeTextBase();
    // Every occurrence of the search text, found forward, ignoring case and without
    // overlap, gets the colour and bold, and its letters are replaced by those of the search text (in the
    // shown text, only the letters of markup names).
    void recolourEveryOccurrence(const QString &search, quint32 colour);

    // Position right after the last occurrence rewritten since the last call, or -1.
    int takeLastReplacementEnd();

    // The lines the document shows.
    QStringList lines() const;
    bool endsWithLineBreak() const;
    QVector<QVector<LookRun>> looks() const;
    LinePosition linePositionOf(int position) const;

private:
    int lineStart(int index) const;
    int physicalLineCount() const;
    int findText(const QString &search, int start) const;
    void replace(QString &text, int start, int length, const QString &replacement);

    QString m_text;
    QString m_shown;
    QVector<Look> m_looks;
    int m_lastReplacementEnd = -1;
};

// The balance check done literally: both lists sorted with their empty entry, reduced to distinct entries,
// and every distinct entry compared with every collected entry by substring tests.
BalanceReport literalBalanceCheck(const TagCollector &collected);

// The refresh cycle done literally, tag by tag, on a LiteralModel: the same contract as runRefresh.
RefreshResult runLiteralRefresh(const QStringList &lines, const RefreshOptions &options,
                                bool endsWithLineBreak = false);
