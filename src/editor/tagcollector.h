#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// `topothetisi`: the collector of the balance check. Files every tag text of a refresh as an opening or a
// closing entry, in the order met; the lists grow with the document.
class TagCollector
{
public:
    // Files one tag text. Opening entries are cut at the first space and closed with ">" ("<TABLE border>"
    // gives "<TABLE>"); closing entries keep the whole text. An entry without a capital A-Z is written in
    // capitals. A text with "//" anywhere (a web address) is always an opening entry; an empty tag text is an
    // empty opening entry.
    void add(const QString &tagText);

    // `entolees`: the opening entries, in the order collected.
    const QStringList &opening() const { return m_opening; }
    // `entoleesme`: the closing entries, in the order collected.
    const QStringList &closing() const { return m_closing; }

    // How many leading characters of a tag text its entry is made of (the rest only decides where it is
    // filed, whatever the letter case): the whole text, or an opening tag's text up to its first space.
    static int lettersUsed(QStringView tagText);

    // The entry as filed: capital letters A-Z kept when there is one, otherwise a-z written as capitals.
    static QString withCapitalRule(const QString &entry);

private:
    QStringList m_opening;
    QStringList m_closing;
};
