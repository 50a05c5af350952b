#include "widgets/docksplitter.h"

#include "widgets/docklayout.h"

#include <QMouseEvent>

DockSplitter::DockSplitter(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::SizeVerCursor);
    resize(width(), 3);
}

void DockSplitter::setMinimumHeights(int neighbour, int rest)
{
    m_minNeighbour = neighbour;
    m_minRest = rest;
}

QWidget *DockSplitter::neighbour() const
{
    // The neighbour is the visible docked sibling that touches the splitter on the side it is docked to.
    auto *layout = parentWidget() ? qobject_cast<DockLayout *>(parentWidget()->layout()) : nullptr;
    if (!layout)
        return nullptr;
    const bool bottom = layout->align(this) == DockAlign::Bottom;
    for (QWidget *w : layout->dockedWidgets()) {
        if (w == this || w->isHidden())
            continue;
        if (bottom ? w->y() == y() + height() : w->y() + w->height() == y())
            return w;
    }
    return nullptr;
}

void DockSplitter::mousePressEvent(QMouseEvent *event)
{
    m_dragged = neighbour();
    m_pressY = int(event->globalPosition().y());
    m_startHeight = m_dragged ? m_dragged->height() : 0;
    // The neighbour may grow by what the filling area can give up above its own minimum.
    int rest = 0;
    if (auto *layout = qobject_cast<DockLayout *>(parentWidget()->layout()))
        for (QWidget *w : layout->dockedWidgets())
            if (!w->isHidden() && layout->align(w) == DockAlign::Fill)
                rest = w->height();
    m_maxHeight = qMax(m_startHeight, m_startHeight + rest - m_minRest);
}

void DockSplitter::mouseMoveEvent(QMouseEvent *event)
{
    if (!m_dragged || !(event->buttons() & Qt::LeftButton))
        return;
    auto *layout = qobject_cast<DockLayout *>(parentWidget()->layout());
    const int delta = int(event->globalPosition().y()) - m_pressY;
    const int grow = layout->align(this) == DockAlign::Bottom ? -delta : delta;
    Q_EMIT canResize();
    m_dragged->resize(m_dragged->width(),
                      qBound(qMin(m_minNeighbour, m_startHeight), m_startHeight + grow, m_maxHeight));
}

void DockSplitter::mouseReleaseEvent(QMouseEvent *)
{
    if (m_dragged)
        Q_EMIT moved();
    m_dragged = nullptr;
}
