#include "editor/core/tagscan.h"

#include "editor/core/enginework.h"

QVector<TagSpan> scanTags(QStringView line)
{
    QVector<TagSpan> spans;
    QVector<qsizetype> greaterThans;
    appendTagScan(line, spans, greaterThans);
    return spans;
}

void appendTagScan(QStringView line, QVector<TagSpan> &spans, QVector<qsizetype> &gts)
{
    qsizetype lt = line.indexOf(u'<');
    engineWork().characters += lt < 0 ? line.size() : lt + 1;
    if (lt < 0)
        return;
    // The ">" cursor visits the line's ">" in order, then finds none (-1), then starts over at the first one:
    // the positions are found once, so a line of many "<" and few ">" costs no more than its length.
    gts.clear();
    engineWork().characters += line.size();
    for (qsizetype gt = line.indexOf(u'>'); gt >= 0; gt = line.indexOf(u'>', gt + 1))
        gts.append(gt);
    qsizetype next = 0; // index into gts; gts.size() stands for "none found"
    while (lt >= 0) {
        const qsizetype gt = next < gts.size() ? gts.at(next) : -1;
        const qsizetype length = gt >= lt ? gt - lt + 1 : 0;
        spans.append({int(lt), int(length)});
        const qsizetype previous = lt;
        lt = line.indexOf(u'<', lt + 1);
        engineWork().characters += (lt < 0 ? line.size() : lt) - previous;
        next = gts.isEmpty() ? 0 : (next + 1) % (gts.size() + 1);
    }
}

bool beginsWithLt(QStringView line)
{
    return !line.isEmpty() && line.front() == u'<';
}
