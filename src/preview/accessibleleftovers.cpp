#include "preview/accessibleleftovers.h"

#include <QAccessible>
#include <QObject>
#include <QSet>

void dropAccessibleLeftovers(QObject *view)
{
    // The nodes' objects are of the class QObject itself; any other object under the view is the engine's or
    // the program's own and is left alone.
    QList<QObject *> plain;
    for (QObject *object : view->findChildren<QObject *>()) {
        if (object->metaObject() == &QObject::staticMetaObject)
            plain.append(object);
    }
    // An object whose interface is still in Qt's cache belongs to a node that lives: it and every object
    // above it stay. (A plain QObject gets no interface made for it: asking tells only what the cache holds.)
    QSet<QObject *> kept;
    for (QObject *object : plain) {
        if (!QAccessible::queryAccessibleInterface(object))
            continue;
        for (QObject *above = object; above && above != view && !kept.contains(above);
             above = above->parent())
            kept.insert(above);
    }
    // The topmost leftovers go, and everything under them with them: all are chosen before any goes.
    QList<QObject *> topmost;
    for (QObject *object : plain) {
        QObject *parent = object->parent();
        const bool parentGoes =
            parent != view && parent->metaObject() == &QObject::staticMetaObject && !kept.contains(parent);
        if (!kept.contains(object) && !parentGoes)
            topmost.append(object);
    }
    qDeleteAll(topmost);
}
