#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// One list of attribute values the value popup offers ("stix" for align, "input_par" for the kinds of input,
// ...) and the width its combo box takes.
struct ValueList
{
    QString name;
    QStringList values;
    int width;
};

// What a mouse release in the code pane offers: whether the click stood just after the opening quote of a
// value with a list (the attribute bar is then shown), and the lists to show in turn; the last one stays.
struct ValueOffer
{
    bool matched = false;
    QList<const ValueList *> lists;
};

// The attribute value lists and the rules that pick one from the text before the caret, free of widgets.
namespace ValueLists {

// All fifteen lists.
const QList<ValueList> &all();
// The list of this name ("stix", "input_par", ...), or nullptr.
const ValueList *byName(const QString &name);

// The word before the caret: from the last blank before the caret (included) up to the caret, or from the
// line's start when there is no blank. `column` is the number of characters before the caret on the line.
QString wordBeforeCaret(const QString &line, int column);

// The tag text around the caret for the type lookup: from the last "<" before the caret (or the line's
// start) to the first ">" from the character before the caret on; empty when no ">" follows.
QString tagTextAroundCaret(const QString &line, int column);

// The lists a release with the caret at `column` of `line` offers. A value list follows a blank, one of the
// attribute names style, type, align, rules, frame, target, method, enctype, scrolling, rel, preload or
// sorted (exactly, in small letters), an equals sign and a double quote. The type attribute's lists depend
// on the tag text: input kinds, video types, audio types, list numbering, each offered when its keyword
// stands anywhere in the tag text.
ValueOffer offerAt(const QString &line, int column);

} // namespace ValueLists
