#pragma once

#include <QLayout>
#include <QList>

// Where a docked child sits in its parent: along one edge, filling what is left, or not docked at all.
enum class DockAlign
{
    None,
    Top,
    Bottom,
    Left,
    Right,
    Fill
};

// Arranges a widget's children by docking, the way the classic form designers do: top-docked children take
// their own height and the full width, stacked from the top in docking order; bottom-docked ones stack from
// the bottom; left-docked ones stack from the left, and a child docked later takes the left end and pushes
// the others right; right-docked ones stack from the right; one filling child takes what remains. A child's
// height (or width, on the sides) is its current size, so resizing a docked child re-docks it. Hidden
// children take no space. Docking and visibility can change at any time.
class DockLayout : public QLayout
{
    Q_OBJECT

public:
    explicit DockLayout(QWidget *parent);
    ~DockLayout() override;

    // Docks a child of the parent widget; docking an already docked child moves it to the end of the order,
    // as if it were docked anew.
    void dock(QWidget *widget, DockAlign align);
    DockAlign align(const QWidget *widget) const;
    // Moves a docked child right after another in the docking order: for bottom docking that is directly
    // above it, for top docking directly below it.
    void placeAfter(QWidget *widget, const QWidget *anchor);
    // Moves a docked child to the front of the docking order: the very top, bottom, right edge, or, for left
    // docking, the place next to the other left-docked children that is furthest from the left edge.
    void placeFirst(QWidget *widget);
    // The docked children in docking order.
    QList<QWidget *> dockedWidgets() const;
    // Position of a child in the docking order, -1 when it is not in this layout.
    int indexOf(const QWidget *widget) const override;

    void addItem(QLayoutItem *item) override;
    QLayoutItem *itemAt(int index) const override;
    QLayoutItem *takeAt(int index) override;
    int count() const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect &rect) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct Entry
    {
        QLayoutItem *item;
        DockAlign align;
    };

    QList<Entry> m_entries;
    bool m_applying = false;
};

// The docking layout of a widget, created on first use.
DockLayout *dockLayoutOf(QWidget *parent);
// Docks a widget into a parent's docking layout (re-parenting it when needed).
void dockInto(QWidget *parent, QWidget *widget, DockAlign align);
