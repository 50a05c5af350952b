#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

// The collector of the balance check. Files every tag text of a refresh as an opening or a
// closing entry, in the order met; the lists grow with the document.
class TagCollector
{
public:
    // Files one tag text. Opening entries are cut at the first space and closed with ">" ("<TABLE border>"
    // gives "<TABLE>"); closing entries keep the whole text. An entry without a capital A-Z is written in
    // capitals. A text with "//" anywhere (a web address) is always an opening entry; an empty tag text is an
    // empty opening entry.
    void add(const QString &tagText);

    // The opening entries, in the order collected.
    const QStringList &opening() const { return m_opening; }
    // The closing entries, in the order collected.
    const QStringList &closing() const { return m_closing; }

    // Where a tag text is filed and which of its letters its entry is made of; none of it depends on letter
    // case.
    struct Shape
    {
        bool opening = true; // filed as an opening tag
        int used = 0;        // the entry is made of this many leading characters
        bool cut = false;    // an opening tag cut at its first space: ">" closes the entry
    };
    static Shape shapeOf(QStringView tagText);
    // Files a tag text of this shape, given the letters of its first `shape.used` characters, and returns the
    // entry as filed (an empty text when nothing was filed).
    QString add(const Shape &shape, const QString &letters);

    // The entry as filed: capital letters A-Z kept when there is one, otherwise a-z written as capitals.
    static QString withCapitalRule(const QString &entry);

private:
    QStringList m_opening;
    QStringList m_closing;
};
