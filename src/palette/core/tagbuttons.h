#pragma once

#include <QList>
#include <QString>

// Where a tag button sits in its row: packed from the left edge, filling what is left between the packed
// buttons, or packed against the right edge.
enum class TagPlacement
{
    Left,
    Fill,
    Right
};

// One button of the seven tag toolbar rows: the text it inserts is its caption.
struct TagButton
{
    int row;            // 1 to 7, top to bottom
    QString objectName; // "SpeedButton6" ... "SpeedButton113"
    QString caption;    // the exact text the button shows and inserts
    TagPlacement placement;
    int divisor; // the width is the main window's outer width / divisor; 0 for the fill button

    // The button's width for a main window of the given outer width (integer division), or -1 for the fill
    // button, whose width is whatever its row leaves.
    int width(int windowOuterWidth) const;
};

// The fixed table of the 99 tag buttons.
class TagButtons
{
public:
    static constexpr int RowCount = 7;

    // All buttons, row by row, each row in left-to-right order.
    static const QList<TagButton> &all();
    // The button with exactly this caption (letter case included), or nullptr.
    static const TagButton *find(const QString &caption);
    // True for the comment opener "<! --" and closer "-->", which have no attributes at all.
    static bool isComment(const QString &caption);
};
