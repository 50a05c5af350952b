#include "assist/core/tagnameassist.h"

#include "palette/core/attributelists.h"
#include "palette/core/tagbuttons.h"

#include <QSet>

namespace {

// The names a blank completes: every opening tag button caption without its closing ">", and the link
// written with its address attribute.
const QSet<QString> &tagNames()
{
    static const QSet<QString> names = [] {
        QSet<QString> set{QStringLiteral("<A HREF")};
        for (const TagButton &button : TagButtons::all()) {
            const QString &caption = button.caption;
            if (TagButtons::isComment(caption) || caption.startsWith(QLatin1String("</")) ||
                !caption.endsWith(QLatin1Char('>')))
                continue;
            set.insert(caption.chopped(1));
        }
        return set;
    }();
    return names;
}

} // namespace

QString TagNameAssist::candidate(const QString &line, int column)
{
    const int end = qBound(0, column, int(line.size()));
    if (end == 0)
        return {};
    const int open = int(line.lastIndexOf(QLatin1Char('<'), end - 1));
    return open < 0 ? QString() : line.mid(open, end - open);
}

QString TagNameAssist::normalised(const QString &candidate)
{
    for (const QChar c : candidate)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            return candidate;
    QString result = candidate;
    for (QChar &c : result)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return result;
}

TagNameOffer TagNameAssist::offerFor(const QString &name)
{
    TagNameOffer offer;
    if (!tagNames().contains(name))
        return offer;
    offer.generalBox = true;
    // Every name with a list is an opening tag button caption without its ">": the button's list is the one.
    offer.list = AttributeLists::forCaption(name + QLatin1Char('>'));
    return offer;
}
