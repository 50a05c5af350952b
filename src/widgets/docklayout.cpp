#include "widgets/docklayout.h"

#include <QEvent>
#include <QWidget>

DockLayout::DockLayout(QWidget *parent) : QLayout(parent)
{
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
    setSizeConstraint(QLayout::SetNoConstraint);
}

DockLayout::~DockLayout()
{
    while (QLayoutItem *item = takeAt(0))
        delete item;
}

int DockLayout::indexOf(const QWidget *widget) const
{
    for (int i = 0; i < m_entries.size(); ++i)
        if (m_entries[i].item->widget() == widget)
            return i;
    return -1;
}

void DockLayout::dock(QWidget *widget, DockAlign align)
{
    int i = indexOf(widget);
    QLayoutItem *item = nullptr;
    if (i >= 0) {
        item = m_entries.takeAt(i).item;
    } else {
        addChildWidget(widget);
        item = new QWidgetItem(widget);
        widget->installEventFilter(this);
    }
    m_entries.append({item, align});
    invalidate();
    activate();
}

DockAlign DockLayout::align(const QWidget *widget) const
{
    int i = indexOf(widget);
    return i >= 0 ? m_entries[i].align : DockAlign::None;
}

void DockLayout::placeAfter(QWidget *widget, const QWidget *anchor)
{
    int from = indexOf(widget);
    if (from < 0 || indexOf(anchor) < 0 || widget == anchor)
        return;
    Entry entry = m_entries.takeAt(from);
    m_entries.insert(indexOf(anchor) + 1, entry);
    invalidate();
    activate();
}

void DockLayout::placeFirst(QWidget *widget)
{
    int from = indexOf(widget);
    if (from <= 0)
        return;
    m_entries.prepend(m_entries.takeAt(from));
    invalidate();
    activate();
}

QList<QWidget *> DockLayout::dockedWidgets() const
{
    QList<QWidget *> widgets;
    for (const Entry &e : m_entries)
        widgets.append(e.item->widget());
    return widgets;
}

void DockLayout::addItem(QLayoutItem *item)
{
    // Children added through the generic QLayout interface are docked to nothing until docked explicitly.
    m_entries.append({item, DockAlign::None});
    if (QWidget *w = item->widget())
        w->installEventFilter(this);
}

QLayoutItem *DockLayout::itemAt(int index) const
{
    return index >= 0 && index < m_entries.size() ? m_entries[index].item : nullptr;
}

QLayoutItem *DockLayout::takeAt(int index)
{
    if (index < 0 || index >= m_entries.size())
        return nullptr;
    QLayoutItem *item = m_entries.takeAt(index).item;
    if (QWidget *w = item->widget())
        w->removeEventFilter(this);
    return item;
}

int DockLayout::count() const
{
    return int(m_entries.size());
}

QSize DockLayout::sizeHint() const
{
    return minimumSize();
}

QSize DockLayout::minimumSize() const
{
    return QSize(0, 0);
}

void DockLayout::setGeometry(const QRect &rect)
{
    QLayout::setGeometry(rect);
    m_applying = true;
    QRect free = rect;
    QWidget *filler = nullptr;
    // Each edge is served in docking order: the first top child at the very top, the first bottom child at
    // the very bottom; on the left the latest docked child is at the very left.
    for (DockAlign pass : {DockAlign::Top, DockAlign::Bottom, DockAlign::Right}) {
        for (const Entry &e : m_entries) {
            QWidget *w = e.item->widget();
            if (e.align != pass || !w || w->isHidden())
                continue;
            // A docked child keeps its own height or width even when the parent is too small for it (it is
            // clipped then): its size is its state, and the parent may be sized later.
            if (pass == DockAlign::Top) {
                int h = w->height();
                w->setGeometry(free.left(), free.top(), free.width(), h);
                free.setTop(free.top() + h);
            } else if (pass == DockAlign::Bottom) {
                int h = w->height();
                w->setGeometry(free.left(), free.bottom() - h + 1, free.width(), h);
                free.setBottom(free.bottom() - h);
            } else {
                int wd = w->width();
                w->setGeometry(free.right() - wd + 1, free.top(), wd, qMax(0, free.height()));
                free.setRight(free.right() - wd);
            }
        }
    }
    for (int i = int(m_entries.size()) - 1; i >= 0; --i) {
        QWidget *w = m_entries[i].item->widget();
        if (m_entries[i].align != DockAlign::Left || !w || w->isHidden())
            continue;
        int wd = w->width();
        w->setGeometry(free.left(), free.top(), wd, qMax(0, free.height()));
        free.setLeft(free.left() + wd);
    }
    for (const Entry &e : m_entries)
        if (e.align == DockAlign::Fill && e.item->widget() && !e.item->widget()->isHidden())
            filler = e.item->widget();
    if (filler)
        filler->setGeometry(free.left(), free.top(), qMax(0, free.width()), qMax(0, free.height()));
    m_applying = false;
}

bool DockLayout::eventFilter(QObject *watched, QEvent *event)
{
    // A docked child resized from outside (its height or width set by a command) is docked again at its new
    // size.
    if (event->type() == QEvent::Resize && !m_applying && indexOf(qobject_cast<QWidget *>(watched)) >= 0) {
        invalidate();
        if (QWidget *parent = parentWidget())
            setGeometry(parent->contentsRect());
    }
    return QLayout::eventFilter(watched, event);
}

DockLayout *dockLayoutOf(QWidget *parent)
{
    if (auto *layout = qobject_cast<DockLayout *>(parent->layout()))
        return layout;
    return new DockLayout(parent);
}

void dockInto(QWidget *parent, QWidget *widget, DockAlign align)
{
    if (widget->parentWidget() != parent) {
        if (QWidget *old = widget->parentWidget())
            if (auto *oldLayout = qobject_cast<DockLayout *>(old->layout()))
                if (int i = oldLayout->indexOf(widget); i >= 0)
                    delete oldLayout->takeAt(i);
        bool hidden = widget->isHidden();
        widget->setParent(parent);
        widget->setVisible(!hidden);
    }
    dockLayoutOf(parent)->dock(widget, align);
}
