#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One attribute text offered for a tag and the width of its button in pixels.
struct AttributeEntry
{
    QString text;
    int width;
};

// A named list of attribute texts for one tag family ("pbody", "ptable", ...), in the order they are offered.
struct AttributeList
{
    QString name;
    QList<AttributeEntry> entries;
};

// The attribute lists of the attribute bar: the general attributes every element has, and one list per tag
// family. The tag buttons and the typing assistant both read them from here.
class AttributeLists
{
public:
    // The eleven attributes common to all elements, in the order the general box lists them.
    static const QStringList &general();
    // Every tag family's list.
    static const QList<AttributeList> &all();
    // The list of this name ("pbody" ... "ppre"), or nullptr.
    static const AttributeList *byName(const QString &name);
    // The list a tag button caption offers ("<TABLE>" and "</TABLE>" both give "ptable"), or nullptr for a
    // caption without a list of its own.
    static const AttributeList *forCaption(const QString &caption);
};
