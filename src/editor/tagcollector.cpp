#include "editor/tagcollector.h"

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

void TagCollector::add(const QString &tagText)
{
    // The head is what stands before the first "/"; only a text that starts with "</" has the head "<".
    const qsizetype slash = tagText.indexOf(u'/');
    const QStringView head = slash < 0 ? QStringView() : QStringView(tagText).left(slash);
    if (head != u"<" || tagText.contains(QStringLiteral("//"))) {
        const qsizetype space = tagText.indexOf(u' ');
        const QString entry = space < 0 ? tagText : tagText.left(space) + u'>';
        m_opening.append(withCapitalRule(entry));
    } else if (!tagText.isEmpty()) {
        m_closing.append(withCapitalRule(tagText));
    }
}
