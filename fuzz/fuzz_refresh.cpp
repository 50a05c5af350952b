// The refresh engine against the literal model, which paints tag by tag as the cycle is written: the first
// byte picks the variant, the rest is the document. Documents stay small, as the literal model is slow.
#include "editor/core/refreshengine.h"
#include "fuzzinput.h"
#include "literalmodel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 1 || size > 1500)
        return 0;
    const uint8_t choice = data[0];
    RefreshOptions options;
    options.reindent = Reindent(choice % 3);
    options.paintTags = choice & 0x04;
    options.skipEmptyPairTags = choice & 0x08;
    options.collect = choice & 0x10;
    options.balanceCheck = options.collect && (choice & 0x20);

    bool endsWithLineBreak = false;
    const QStringList lines = linesOf(textOf(data + 1, size - 1), &endsWithLineBreak);
    const RefreshResult fast = runRefresh(lines, options, endsWithLineBreak);
    const RefreshResult literal = runLiteralRefresh(lines, options, endsWithLineBreak);

    FUZZ_CHECK(fast.lines == literal.lines);
    FUZZ_CHECK(fast.endsWithLineBreak == literal.endsWithLineBreak);
    FUZZ_CHECK(fast.looks == literal.looks);
    FUZZ_CHECK(fast.tagCount == literal.tagCount);
    FUZZ_CHECK(fast.report.warnings == literal.report.warnings);
    FUZZ_CHECK(fast.report.highlights == literal.report.highlights);
    FUZZ_CHECK(fast.highlightCaret.line == literal.highlightCaret.line);
    FUZZ_CHECK(fast.highlightCaret.column == literal.highlightCaret.column);
    return 0;
}
