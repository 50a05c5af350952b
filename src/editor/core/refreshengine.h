#pragma once

#include "editor/core/balancecheck.h"
#include "editor/core/charlook.h"
#include "editor/core/enginework.h"

#include <QStringList>
#include <QVector>

// How a refresh re-indents lines before scanning them.
enum class Reindent
{
    None,     // lines keep their indentation
    Standard, // a line below a line that begins with "<" gets three leading spaces, unless it begins with "<"
    Template, // every line loses its leading blanks; lines that do not begin with "<" get three spaces
};

// The steps in which the refresh cycle and its variants differ.
struct RefreshOptions
{
    Reindent reindent = Reindent::Standard;
    // The graphical environment switch `CheckBox1` is ticked: tag texts are painted in the tag colour.
    bool paintTags = true;
    // Tag texts that contain "<>" are not painted (the switch and start-up variants paint them too).
    bool skipEmptyPairTags = true;
    // Tag texts are handed to the balance check's collector.
    bool collect = true;
    // The balance check runs after the line walk.
    bool balanceCheck = true;
};

// A line and column in the refreshed document.
struct LinePosition
{
    int line = -1;
    int column = -1;
};

// The refreshed document. Characters not covered by a look run have the base look.
struct RefreshResult
{
    // The lines after re-indentation and letter-case rewrites.
    QStringList lines;
    // Whether the text still ends with a line break (the template rule can fill the empty last line).
    bool endsWithLineBreak = false;
    // Per line, the painted runs: sorted, non-overlapping, adjacent runs of one colour merged.
    QVector<QVector<LookRun>> looks;
    // The "<" characters met by the line walk.
    int tagCount = 0;
    // The balance check's findings; empty when the check did not run.
    BalanceReport report;
    // Where the balance check's last highlight left the caret: right after the last occurrence it painted.
    // Line -1 when the highlighting painted nothing.
    LinePosition highlightCaret;
    // The work the run took.
    EngineWork work;
};

// One run of the refresh cycle over a document, from the base attributes through the line walk (from the last
// line to the first: re-indentation, tag scan, tag painting with letter-case rewrite, collection) to the
// balance check and its highlighting. `lines` are the lines the walk sees: without the empty line that
// follows a final line break, which `endsWithLineBreak` tells about. The result equals that of painting tag
// by tag, at a cost that grows with the document's length times the number of distinct tag texts.
RefreshResult runRefresh(const QStringList &lines, const RefreshOptions &options,
                         bool endsWithLineBreak = false);
