// The tag scan of one line against the scan done as written: a "<" cursor and a ">" cursor that each move to
// the next one after themselves, the ">" search starting over at the line's start when none is left.
#include "editor/core/tagscan.h"
#include "fuzzinput.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString line = textOf(data, size);
    const QVector<TagSpan> spans = scanTags(line);

    qsizetype lt = line.indexOf(u'<');
    qsizetype gt = line.indexOf(u'>');
    qsizetype at = 0;
    while (lt >= 0) {
        FUZZ_CHECK(at < spans.size());
        const TagSpan span = spans.at(at++);
        FUZZ_CHECK(span.start == lt);
        FUZZ_CHECK(span.length == (gt >= lt ? gt - lt + 1 : 0));
        lt = line.indexOf(u'<', lt + 1);
        gt = line.indexOf(u'>', gt + 1);
    }
    FUZZ_CHECK(at == spans.size());
    return 0;
}
