#include "app/core/toolboxcaptions.h"

#include <algorithm>

QString toolboxRowCaption(int row, bool visible)
{
    return (visible ? QStringLiteral("&Απενεργοποίηση Εργαλειοθήκης ")
                    : QStringLiteral("&Ενεργοποίηση Εργαλειοθήκης ")) +
           QString::number(row + 1);
}

QString toolboxHideAllCaption()
{
    return QStringLiteral("&Απενεργοποίηση Όλων");
}

QString toolboxShowAllCaption()
{
    return QStringLiteral("Ενεργοποίηση Όλων");
}

ToolboxCaptions applyToolboxCaptionRule(const std::array<bool, 7> &visible, const QString &currentAll,
                                        bool afterAllClick)
{
    ToolboxCaptions captions;
    for (int i = 0; i < 7; ++i)
        captions.rows[size_t(i)] = toolboxRowCaption(i, visible[size_t(i)]);
    const bool startupSet =
        visible[0] && visible[1] && visible[2] && visible[3] && visible[4] && !visible[5] && !visible[6];
    const bool allShown = std::all_of(visible.begin(), visible.end(), [](bool v) { return v; });
    const bool allHidden = std::none_of(visible.begin(), visible.end(), [](bool v) { return v; });
    if (startupSet || (afterAllClick && allShown))
        captions.all = toolboxHideAllCaption();
    else if (allHidden)
        captions.all = toolboxShowAllCaption();
    else
        captions.all = currentAll;
    return captions;
}
