#include "assist/core/eventlists.h"

using namespace Qt::StringLiterals;

QStringList EventGroup::items() const
{
    QStringList result;
    result.reserve(names.size());
    for (const QString &name : names)
        result.append(name + QLatin1String("=\"\""));
    return result;
}

const QList<EventGroup> &EventLists::all()
{
    static const QList<EventGroup> groups = {
        {u"gegonota"_s,
         u"N28"_s,
         u"Παραθυρικά"_s,
         u"combo2"_s,
         u"Γεγ. Παραθυρικά"_s,
         149,
         {u"onstorage"_s, u"onafterprint"_s, u"onpagehide"_s, u"onpageshow"_s, u"onbeforeprint"_s,
          u"onbeforeunload"_s, u"onresize"_s, u"onoffline"_s, u"ononline"_s, u"onmessage"_s, u"onload"_s,
          u"onunload"_s}},
        {u"forma"_s,
         u"N29"_s,
         u"Φόρμας"_s,
         u"combo3"_s,
         u"Γεγ. Φορμών"_s,
         159,
         {u"onblur"_s, u"onchange"_s, u"oncontextmenu"_s, u"onfocus"_s, u"oninput"_s, u"oninvalid"_s,
          u"onreset"_s, u"onsearch"_s, u"onselect"_s, u"onsubmit"_s}},
        {u"pliktra"_s,
         u"N30"_s,
         u"Πληκτρολογίου"_s,
         u"combo4"_s,
         u"Γεγ. Πλήκτρων"_s,
         125,
         {u"onkeydown"_s, u"onkeypress"_s, u"onkeyup"_s}},
        {u"pontiki"_s,
         u"N31"_s,
         u"Ποντικιού"_s,
         u"combo5"_s,
         u"Γεγ. Ποντικιού"_s,
         145,
         {u"onclick"_s, u"ondblclick"_s, u"ondrag"_s, u"ondragend"_s, u"ondragenter"_s, u"ondragleave"_s,
          u"ondragover"_s, u"ondragstart"_s, u"ondrop"_s, u"onmousedown"_s, u"onmousemove"_s, u"onmouseout"_s,
          u"onmouseover"_s, u"onmouseup"_s, u"onscroll"_s, u"onwheel"_s}},
        // The clipboard group's box keeps its caption with a capital lambda as its second letter.
        {u"pliktrologio"_s,
         u"Clipboard1"_s,
         u"Clipboard"_s,
         u"combo6"_s,
         u"Γεγ. ΠΛηκτρολογίου"_s,
         155,
         {u"oncopy"_s, u"oncut"_s, u"onpaste"_s}},
        {u"media"_s,
         u"N32"_s,
         u"Πολυμεσικά"_s,
         u"combo8"_s,
         u"Πολυμεσικά Γεγονότα"_s,
         175,
         {u"onabort"_s, u"oncanplay"_s, u"oncuechange"_s, u"onerror"_s, u"onpause"_s, u"onplay"_s,
          u"onplaying"_s, u"onprogress"_s, u"onvolumechange"_s, u"onwaiting"_s}},
        {u"misc"_s,
         u"N33"_s,
         u"Διάφορα"_s,
         u"combo7"_s,
         u"Διάφορα Γεγονότα"_s,
         155,
         {u"onerror"_s, u"onshow"_s, u"ontoggle"_s}},
    };
    return groups;
}
