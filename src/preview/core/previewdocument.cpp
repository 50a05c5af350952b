#include "preview/core/previewdocument.h"

#include "core/paragraphseparators.h"

namespace {

const QByteArray utf8Mark("\xEF\xBB\xBF");

bool startsWithByteOrderMark(const QByteArray &bytes)
{
    return bytes.startsWith(utf8Mark) || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

} // namespace

QByteArray previewDocumentFromText(const QString &htmlCode)
{
    QString lines;
    lines.reserve(htmlCode.size() + htmlCode.size() / 16 + 2);
    const qsizetype size = htmlCode.size();
    qsizetype lineStart = 0;
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = htmlCode.at(i);
        if (c != u'\r' && c != u'\n')
            continue;
        lines.append(QStringView(htmlCode).mid(lineStart, i - lineStart));
        lines.append(u"\r\n");
        if (c == u'\r' && i + 1 < size && htmlCode.at(i + 1) == u'\n')
            ++i;
        lineStart = i + 1;
    }
    if (lineStart < size) {
        lines.append(QStringView(htmlCode).mid(lineStart));
        lines.append(u"\r\n");
    }
    return utf8Mark + withParagraphSeparatorsGivenBack(std::move(lines)).toUtf8();
}

QByteArray previewDocumentFromBytes(const QByteArray &bytes)
{
    return startsWithByteOrderMark(bytes) ? bytes : utf8Mark + bytes;
}
