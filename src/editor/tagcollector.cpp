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

namespace {

// Whether a tag text is filed as an opening tag. The head is what stands before the first "/"; only a text
// that starts with "</" has the head "<", and a text with "//" (a web address) is always an opening tag.
bool isOpening(QStringView tagText)
{
    const qsizetype slash = tagText.indexOf(u'/');
    const QStringView head = slash < 0 ? QStringView() : tagText.left(slash);
    return head != u"<" || tagText.contains(u"//");
}

} // namespace

int TagCollector::lettersUsed(QStringView tagText)
{
    const qsizetype space = isOpening(tagText) ? tagText.indexOf(u' ') : -1;
    return int(space < 0 ? tagText.size() : space);
}

void TagCollector::add(const QString &tagText)
{
    if (isOpening(tagText)) {
        const qsizetype space = tagText.indexOf(u' ');
        const QString entry = space < 0 ? tagText : tagText.left(space) + u'>';
        m_opening.append(withCapitalRule(entry));
    } else if (!tagText.isEmpty()) {
        m_closing.append(withCapitalRule(tagText));
    }
}
