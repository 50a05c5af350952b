#include "literalcycle.h"

#include "colouring.h"
#include "editor/codepane.h"
#include "editor/core/charlook.h"
#include "editor/core/reindent.h"
#include "editor/core/tagcollector.h"
#include "editor/core/tagscan.h"

namespace {

// Writes line i the way the rich-text control's line property does: the line is replaced even when it already
// holds the text.
void writeLine(CodePane *pane, int i, const QString &text)
{
    pane->setSelectionStart(pane->lineIndex(i));
    pane->setSelectionLength(int(pane->line(i).size()));
    pane->setSelectedText(text);
}

} // namespace

RefreshResult runLiteralCycle(CodePane *pane, const RefreshOptions &options)
{
    const int lineNumber = caretLine(pane);
    const int columnBefore = caretColumn(pane);
    const QString caretLineBefore = pane->line(lineNumber);
    TextLook base;
    base.font = pane->font();
    base.font.setPointSize(11);
    base.font.setBold(false);
    setLookOfEveryOccurrence(pane, pane->text(), base);

    RefreshResult result;
    TagCollector collector;
    for (int i = pane->lineCount() - 1; i >= 0; --i) {
        if (options.reindent == Reindent::Standard && i >= 1 && beginsWithLt(pane->line(i - 1)) &&
            !beginsWithLt(pane->line(i)))
            writeLine(pane, i, reindentedLine(pane->line(i)));
        for (const TagSpan &span : scanTags(pane->line(i))) {
            ++result.tagCount;
            const QString tagText = pane->line(i).mid(span.start, span.length);
            if (options.paintTags && !(options.skipEmptyPairTags && tagText.contains(QLatin1String("<>"))))
                recolourEveryOccurrence(pane, tagText, TagColour);
            if (options.collect)
                collector.add(tagText);
        }
    }
    if (options.balanceCheck) {
        result.report = checkBalance(collector);
        for (const QString &tag : result.report.highlights)
            recolourEveryOccurrence(pane, tag, WarningColour);
    }
    moveCaretTo(pane, lineNumber, columnAfterReindent(caretLineBefore, pane->line(lineNumber), columnBefore));
    return result;
}
