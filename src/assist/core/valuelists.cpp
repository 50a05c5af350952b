#include "assist/core/valuelists.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kNarrow = 200;
constexpr int kWide = 400;

// An attribute name whose value has a list; the type attribute's list depends on the tag (listName empty).
struct Trigger
{
    QString attribute;
    QString listName;
};

const QList<Trigger> &triggers()
{
    static const QList<Trigger> table = {
        {u"style"_s, u"divpar"_s},     {u"type"_s, QString()},          {u"align"_s, u"stix"_s},
        {u"rules"_s, u"rulespar"_s},   {u"frame"_s, u"framepar"_s},     {u"target"_s, u"targetpar"_s},
        {u"method"_s, u"methodpar"_s}, {u"enctype"_s, u"encpar"_s},     {u"scrolling"_s, u"scrollpar"_s},
        {u"rel"_s, u"relpar"_s},       {u"preload"_s, u"preloadpar"_s}, {u"sorted"_s, u"psortpar"_s},
    };
    return table;
}

// The type attribute's lists, each offered when one of its keywords stands anywhere in the tag text.
struct TypeRule
{
    QStringList keywords;
    QString listName;
};

const QList<TypeRule> &typeRules()
{
    static const QList<TypeRule> table = {
        {{u"INPUT"_s, u"input"_s}, u"input_par"_s},
        {{u"VIDEO"_s, u"video"_s}, u"video_par"_s},
        {{u"AUDIO"_s, u"audio"_s}, u"audio_par"_s},
        {{u"LI"_s, u"OL"_s, u"li"_s, u"ol"_s}, u"liol_par"_s},
    };
    return table;
}

} // namespace

const QList<ValueList> &ValueLists::all()
{
    static const QList<ValueList> lists = {
        {u"input_par"_s,
         {u"button"_s, u"checkbox"_s, u"color"_s, u"date"_s, u"datetime"_s, u"email"_s, u"file"_s,
          u"hidden"_s, u"image"_s, u"password"_s, u"radio"_s, u"reset"_s, u"search"_s, u"submit"_s, u"text"_s,
          u"time"_s, u"url"_s},
         kNarrow},
        {u"video_par"_s, {u"video/mp4"_s, u"video/ogg"_s}, kNarrow},
        {u"audio_par"_s, {u"audio/ogg"_s, u"audio/mpeg"_s}, kNarrow},
        {u"liol_par"_s,
         {u"1"_s, u"A"_s, u"a"_s, u"I"_s, u"i"_s, u"disc"_s, u"square"_s, u"circle"_s},
         kNarrow},
        {u"stix"_s,
         {u"left"_s, u"right"_s, u"center"_s, u"top"_s, u"middle"_s, u"bottom"_s, u"justify"_s},
         kNarrow},
        {u"divpar"_s,
         {u"width: px;"_s, u"height: px"_s, u"overflow:auto;"_s, u"background-color: #ffffff;"_s,
          u"padding-left: px;"_s, u"padding-right: px;"_s},
         kNarrow},
        {u"framepar"_s,
         {u"void"_s, u"above"_s, u"below"_s, u"hsides"_s, u"lhs"_s, u"rhs"_s, u"vsides"_s, u"box"_s,
          u"border"_s},
         kNarrow},
        {u"rulespar"_s, {u"none"_s, u"groups"_s, u"rows"_s, u"cols"_s, u"all"_s}, kNarrow},
        {u"targetpar"_s, {u"_blank"_s, u"_parent"_s, u"_self"_s, u"_top"_s}, kNarrow},
        {u"methodpar"_s, {u"post"_s, u"get"_s}, kNarrow},
        {u"encpar"_s,
         {u"multipart/form-data"_s, u"text/plain"_s, u"application/x-www-form-urlencoded"_s},
         kWide},
        {u"scrollpar"_s, {u"yes"_s, u"no"_s, u"auto"_s}, kWide},
        {u"relpar"_s,
         {u"alternate"_s, u"author"_s, u"bookmark"_s, u"help"_s, u"license"_s, u"next"_s, u"nofollow"_s,
          u"noreferrer"_s, u"prefetch"_s, u"prev"_s, u"search"_s, u"tag"_s},
         kWide},
        {u"preloadpar"_s, {u"auto"_s, u"metadata"_s, u"none"_s}, kWide},
        {u"psortpar"_s, {u"reversed"_s, u"number"_s, u"reversed number"_s, u"number reversed"_s}, kWide},
    };
    return lists;
}

const ValueList *ValueLists::byName(const QString &name)
{
    for (const ValueList &list : all())
        if (list.name == name)
            return &list;
    return nullptr;
}

QString ValueLists::wordBeforeCaret(const QString &line, int column)
{
    const int end = qBound(0, column, int(line.size()));
    if (end == 0)
        return {};
    const int blank = int(line.lastIndexOf(QLatin1Char(' '), end - 1));
    const int start = blank < 0 ? 0 : blank;
    return line.mid(start, end - start);
}

QString ValueLists::tagTextAroundCaret(const QString &line, int column)
{
    const int end = qBound(0, column, int(line.size()));
    if (end == 0)
        return {};
    const int open = int(line.lastIndexOf(QLatin1Char('<'), end - 1));
    const int close = int(line.indexOf(QLatin1Char('>'), end - 1));
    if (close < 0)
        return {};
    const int start = open < 0 ? 0 : open;
    return line.mid(start, close - start + 1);
}

ValueOffer ValueLists::offerAt(const QString &line, int column)
{
    ValueOffer offer;
    const QString word = wordBeforeCaret(line, column);
    for (const Trigger &trigger : triggers()) {
        if (word != QLatin1Char(' ') + trigger.attribute + QLatin1String("=\""))
            continue;
        offer.matched = true;
        if (!trigger.listName.isEmpty()) {
            offer.lists.append(byName(trigger.listName));
            break;
        }
        const QString tag = tagTextAroundCaret(line, column);
        for (const TypeRule &rule : typeRules())
            for (const QString &keyword : rule.keywords)
                if (tag.contains(keyword)) {
                    offer.lists.append(byName(rule.listName));
                    break;
                }
        break;
    }
    return offer;
}
