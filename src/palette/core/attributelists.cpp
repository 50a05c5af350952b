#include "palette/core/attributelists.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

// A tag family's list together with the tag button captions that offer it.
struct TagFamily
{
    QStringList captions;
    AttributeList list;
};

// A list whose buttons share one width; `wider` names the entries (by position) whose buttons differ.
AttributeList makeList(const QString &name, int width, const QStringList &texts,
                       const QList<std::pair<int, int>> &wider = {})
{
    AttributeList list{name, {}};
    for (const QString &text : texts)
        list.entries.append({text, width});
    for (const auto &[index, entryWidth] : wider)
        list.entries[index].width = entryWidth;
    return list;
}

const QList<TagFamily> &families()
{
    static const QList<TagFamily> table = {
        {{u"<BODY>"_s, u"</BODY>"_s},
         makeList(u"pbody"_s, 90,
                  {uR"(background="")"_s, uR"(bgcolor="#")"_s, uR"(text="#")"_s, uR"(alink="#")"_s,
                   uR"(link="#")"_s, uR"(vlink="#")"_s})},
        {{u"<P>"_s, u"</P>"_s}, makeList(u"pp"_s, 90, {uR"(align="")"_s})},
        {{u"<TABLE>"_s, u"</TABLE>"_s},
         makeList(u"ptable"_s, 120,
                  {u"sortable"_s, uR"(rules="")"_s, uR"(frame="")"_s, uR"(align="")"_s, uR"(border="")"_s,
                   uR"(cellpadding="")"_s, uR"(cellspacing="")"_s, uR"(style="")"_s, uR"(bgcolor="#")"_s})},
        {{u"<TR>"_s, u"</TR>"_s, u"<TD>"_s, u"</TD>"_s},
         makeList(u"pttrtd"_s, 100,
                  {uR"(align="")"_s, uR"(bgcolor="#")"_s, uR"(width="")"_s, uR"(height="")"_s})},
        {{u"<DIV>"_s, u"</DIV>"_s}, makeList(u"pdiv"_s, 120, {uR"(style="")"_s, uR"(align="")"_s})},
        // The namespace declaration of XHTML 1.0 documents gets a wide button of its own.
        {{u"<HTML>"_s, u"</HTML>"_s},
         makeList(u"phtml"_s, 100, {u"!DOCTYPE"_s, uR"(xmlns="http://www.w3.org/1999/xhtml")"_s},
                  {{1, 270}})},
        {{u"<HEAD>"_s, u"</HEAD>"_s}, makeList(u"phead"_s, 100, {uR"(profile="")"_s})},
        {{u"<IFRAME>"_s, u"</IFRAME>"_s},
         makeList(u"piframe"_s, 75,
                  {u"allowfullscreen"_s, uR"(frameborder="0")"_s, uR"(align="")"_s, uR"(name="")"_s,
                   uR"(scrolling="")"_s, uR"(src="")"_s, uR"(height="")"_s, uR"(width="")"_s},
                  {{0, 110}})},
        {{u"<VIDEO>"_s, u"</VIDEO>"_s},
         makeList(u"pvideo"_s, 100,
                  {u"controls"_s, uR"(height="")"_s, uR"(width="")"_s, u"autoplay"_s, u"loop"_s, u"muted"_s,
                   uR"(poster="")"_s, uR"(src="")"_s, uR"(type="")"_s})},
        {{u"<FORM>"_s, u"</FORM>"_s},
         makeList(
             u"pform"_s, 100,
             {uR"(enctype="")"_s, uR"(target="")"_s, uR"(name="")"_s, uR"(method="")"_s, uR"(action="")"_s})},
        {{u"<INPUT>"_s},
         makeList(u"pinput"_s, 100,
                  {uR"(type="")"_s, uR"(name="")"_s, uR"(value="")"_s, uR"(align="")"_s, uR"(size="")"_s})},
        {{u"<TEXTAREA>"_s, u"</TEXTAREA>"_s},
         makeList(u"ptextarea"_s, 100,
                  {u"required"_s, uR"(placeholder="")"_s, uR"(maxlength="")"_s, u"readonly"_s, u"autofocus"_s,
                   u"disabled"_s, uR"(name="")"_s, uR"(rows="")"_s, uR"(cols="")"_s})},
        {{u"<SELECT>"_s, u"</SELECT>"_s},
         makeList(u"pselect"_s, 70,
                  {u"autofocus"_s, u"disabled"_s, u"multiple"_s, uR"(name="")"_s, u"required"_s,
                   uR"(size="")"_s, u"</option>"_s, uR"(<option value="">)"_s},
                  {{7, 120}})},
        {{u"<A>"_s, u"</A>"_s},
         makeList(u"phref"_s, 90,
                  {u"download"_s, uR"(hreflang="")"_s, uR"(name="")"_s, uR"(rel="")"_s, uR"(target="")"_s,
                   uR"(href="")"_s})},
        {{u"<IMG>"_s},
         makeList(u"pimg"_s, 90,
                  {uR"(border="")"_s, uR"(src="")"_s, uR"(alt="")"_s, uR"(width="")"_s, uR"(height="")"_s,
                   uR"(align="")"_s})},
        {{u"<AUDIO>"_s, u"</AUDIO>"_s},
         makeList(u"paudio"_s, 90,
                  {u"autoplay"_s, u"controls"_s, u"loop"_s, u"muted"_s, uR"(preload="")"_s, uR"(src="")"_s,
                   uR"(type="")"_s})},
        {{u"<SOURCE>"_s}, makeList(u"psource"_s, 90, {uR"(media="")"_s, uR"(type="")"_s, uR"(src="")"_s})},
        {{u"<LI>"_s, u"</LI>"_s}, makeList(u"pli"_s, 90, {uR"(type="")"_s, uR"(value="")"_s})},
        {{u"<OL>"_s, u"</OL>"_s}, makeList(u"pol"_s, 90, {u"reversed"_s, uR"(start="")"_s, uR"(type="")"_s})},
        {{u"<FONT>"_s, u"</FONT>"_s},
         makeList(u"pfont"_s, 90, {uR"(color="")"_s, uR"(face="")"_s, uR"(size="")"_s})},
        {{u"<H1>"_s, u"</H1>"_s, u"<H2>"_s, u"</H2>"_s, u"<H3>"_s, u"</H3>"_s, u"<H4>"_s, u"</H4>"_s,
          u"<H5>"_s, u"</H5>"_s, u"<H6>"_s, u"</H6>"_s},
         makeList(u"ph"_s, 90, {uR"(align="")"_s})},
        {{u"<HR>"_s},
         makeList(u"phr"_s, 90, {uR"(align="")"_s, u"noshade"_s, uR"(size="")"_s, uR"(width="")"_s})},
        // Table headers offer the bare word bgcolor, unlike rows and cells.
        {{u"<TH>"_s, u"</TH>"_s},
         makeList(u"pth"_s, 90,
                  {uR"(align="")"_s, uR"(height="")"_s, uR"(width="")"_s, u"bgcolor"_s, uR"(colspan="")"_s,
                   uR"(headers="")"_s, uR"(sorted="")"_s})},
        {{u"<DEL>"_s, u"</DEL>"_s, u"<INS>"_s, u"</INS>"_s},
         makeList(u"pdel"_s, 90, {uR"(cite="")"_s, uR"(datetime="")"_s})},
        {{u"<BLOCKQUOTE>"_s, u"</BLOCKQUOTE>"_s}, makeList(u"pblockquote"_s, 90, {uR"(cite="")"_s})},
        {{u"<PRE>"_s, u"</PRE>"_s}, makeList(u"ppre"_s, 90, {uR"(width="")"_s})},
    };
    return table;
}

} // namespace

const QStringList &AttributeLists::general()
{
    static const QStringList list = {
        uR"(id="")"_s,          uR"(accesskey="")"_s, uR"(class="")"_s, uR"(contenteditable="")"_s,
        uR"(contextmenu="")"_s, uR"(draggable="")"_s, u"hidden"_s,      uR"(lang="")"_s,
        uR"(style="")"_s,       uR"(tabindex="")"_s,  uR"(title="")"_s,
    };
    return list;
}

const QList<AttributeList> &AttributeLists::all()
{
    static const QList<AttributeList> lists = [] {
        QList<AttributeList> result;
        for (const TagFamily &family : families())
            result.append(family.list);
        return result;
    }();
    return lists;
}

const AttributeList *AttributeLists::byName(const QString &name)
{
    for (const AttributeList &list : all())
        if (list.name == name)
            return &list;
    return nullptr;
}

const AttributeList *AttributeLists::forCaption(const QString &caption)
{
    static const QHash<QString, QString> listOfCaption = [] {
        QHash<QString, QString> map;
        for (const TagFamily &family : families())
            for (const QString &familyCaption : family.captions)
                map.insert(familyCaption, family.list.name);
        return map;
    }();
    const auto it = listOfCaption.constFind(caption);
    return it == listOfCaption.cend() ? nullptr : byName(*it);
}
