#pragma once

#include <QHash>
#include <QString>

// The one-sentence description of each tag button, shown while the mouse rests on the button.
class TagDescriptions
{
public:
    // The description of a tag button caption (compared exactly, letter case included), or a null string when
    // the caption has none.
    static QString lookup(const QString &caption);
    // Every caption with its description.
    static const QHash<QString, QString> &all();
};
