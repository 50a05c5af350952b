// The collector and the balance check: every line of the input is one tag text; the check must find what the
// literal check finds (every distinct entry compared with every entry).
#include "editor/core/balancecheck.h"
#include "editor/core/tagcollector.h"
#include "fuzzinput.h"
#include "literalmodel.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size > 4096)
        return 0;
    bool endsWithLineBreak = false;
    TagCollector collector;
    for (const QString &tagText : linesOf(textOf(data, size), &endsWithLineBreak))
        collector.add(tagText);
    const BalanceReport fast = checkBalance(collector);
    const BalanceReport literal = literalBalanceCheck(collector);
    FUZZ_CHECK(fast.warnings == literal.warnings);
    FUZZ_CHECK(fast.highlights == literal.highlights);
    return 0;
}
