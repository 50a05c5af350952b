#include "editor/core/tagcollector.h"

namespace {

bool hasCapitalLatinLetter(const QString &text)
{
    for (const QChar c : text) {
        if (c >= u'A' && c <= u'Z')
            return true;
    }
    return false;
}

} // namespace

QString TagCollector::withCapitalRule(const QString &entry)
{
    if (hasCapitalLatinLetter(entry))
        return entry;
    QString capitals = entry;
    for (QChar &c : capitals) {
        if (c >= u'a' && c <= u'z')
            c = QChar(c.unicode() - u'a' + u'A');
    }
    return capitals;
}

TagCollector::Shape TagCollector::shapeOf(QStringView tagText)
{
    // The head is what stands before the first "/"; only a text that starts with "</" has the head "<", and a
    // text with "//" (a web address) is always an opening tag.
    const qsizetype slash = tagText.indexOf(u'/');
    const QStringView head = slash < 0 ? QStringView() : tagText.left(slash);
    const bool opening = head != u"<" || tagText.contains(u"//");
    const qsizetype space = opening ? tagText.indexOf(u' ') : -1;
    return {opening, int(space < 0 ? tagText.size() : space), space >= 0};
}

QString TagCollector::add(const Shape &shape, const QString &letters)
{
    if (shape.opening) {
        m_opening.append(withCapitalRule(shape.cut ? letters + u'>' : letters));
        return m_opening.constLast();
    }
    if (letters.isEmpty())
        return QString();
    m_closing.append(withCapitalRule(letters));
    return m_closing.constLast();
}

void TagCollector::add(const QString &tagText)
{
    const Shape shape = shapeOf(tagText);
    add(shape, tagText.left(shape.used));
}
