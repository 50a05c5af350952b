#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One group of event attributes of the "Γεγονότα" menu and the box that offers it on the attribute bar.
struct EventGroup
{
    QString routine;     // the group's routine: gegonota, forma, pliktra, pontiki, pliktrologio, misc, media
    QString menuItem;    // object name of its menu item ("N28" ... "N33", "Clipboard1")
    QString menuCaption; // what its menu item reads
    QString boxName;     // object name of its box ("combo2" ... "combo8")
    QString caption;     // what the box shows until an entry is picked
    int width;           // the box's width in pixels
    QStringList names;   // the event attribute names, in the order offered

    // The entries of the box: each name followed by an empty value, `onclick=""`.
    QStringList items() const;
};

// The seven groups of event attributes, in the order of the menu.
namespace EventLists {
const QList<EventGroup> &all();
} // namespace EventLists
