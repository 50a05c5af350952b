#pragma once

#include <QString>
#include <array>

// The toolbox menu's eight captions (seven rows, then "all"): its only state.
struct ToolboxCaptions
{
    std::array<QString, 7> rows;
    QString all;
};

// Caption of row item n (0-based) for a visible or a hidden row.
QString toolboxRowCaption(int row, bool visible);
// Caption of the "all" item while it offers to hide everything, and while it offers to show everything.
QString toolboxHideAllCaption();
QString toolboxShowAllCaption();

// The caption rule: row captions follow the rows' visibility; the "all" caption turns to "hide all" in the
// start-up set (rows 1-5 shown, 6-7 hidden) and, right after a click on "all", when all rows are shown; it
// turns to "show all" when every row is hidden; otherwise it keeps its current caption.
ToolboxCaptions applyToolboxCaptionRule(const std::array<bool, 7> &visible, const QString &currentAll,
                                        bool afterAllClick);
