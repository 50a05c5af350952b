#pragma once

#include "editor/core/tagcollector.h"

#include <QString>
#include <QStringList>
#include <QVector>

// One line of the message pane: the warning text and its colour (bold).
struct BalanceWarning
{
    QString text;
    quint32 colour = 0;

    friend bool operator==(const BalanceWarning &a, const BalanceWarning &b)
    {
        return a.text == b.text && a.colour == b.colour;
    }
};

// A warning quotes at most this many characters of a tag text, followed by "…" where it is longer.
inline constexpr qsizetype QuotedTagLength = 200;

// What the balance check found: the message pane's lines in order, and the entries whose occurrences are to
// be painted in the warning colour 215 (with their letter case written back), in the order of the paint
// calls.
struct BalanceReport
{
    QVector<BalanceWarning> warnings;
    QStringList highlights;
};

// The balance check over the collected tags. Sorts both lists (with one empty entry each),
// reduces them to their distinct entries and compares counts by containment: first every distinct opening
// entry with the closing entries turned into opening form, then every distinct closing entry with its opening
// form. Void elements, comments and declarations are exempt. No warnings means the message pane stays hidden.
BalanceReport checkBalance(const TagCollector &collected);
