#include "editor/tagscan.h"

QVector<TagSpan> scanTags(QStringView line)
{
    QVector<TagSpan> spans;
    qsizetype lt = line.indexOf(u'<');
    qsizetype gt = line.indexOf(u'>');
    while (lt >= 0) {
        const qsizetype length = gt >= lt ? gt - lt + 1 : 0;
        spans.append({int(lt), int(length)});
        lt = line.indexOf(u'<', lt + 1);
        // With no ">" left (gt == -1) the search starts over at the beginning of the line.
        gt = line.indexOf(u'>', gt + 1);
    }
    return spans;
}

bool beginsWithLt(QStringView line)
{
    return !line.isEmpty() && line.front() == u'<';
}
