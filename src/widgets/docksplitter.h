#pragma once

#include <QWidget>

// A thin drag bar docked between two areas (`Splitter1`, `Splitter6`): dragging it resizes the docked
// neighbour on its docked side, which the docking layout then re-docks.
class DockSplitter : public QWidget
{
    Q_OBJECT

public:
    explicit DockSplitter(QWidget *parent = nullptr);

    // The least height a drag leaves to the neighbour it resizes and to the area that fills the rest, so that
    // no pane can be dragged out of reach.
    void setMinimumHeights(int neighbour, int rest);

Q_SIGNALS:
    // Raised while dragging, before the neighbour is resized.
    void canResize();
    // Raised after a drag has resized the neighbour.
    void moved();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QWidget *neighbour() const;

    int m_pressY = 0;
    int m_startHeight = 0;
    int m_maxHeight = 0;
    int m_minNeighbour = 20;
    int m_minRest = 20;
    QWidget *m_dragged = nullptr;
};
