#include "widgets/accessiblechoice.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QEvent>
#include <QItemSelectionModel>
#include <QTimer>

AccessibleChoice::AccessibleChoice(QComboBox *box) : QObject(box), m_box(box)
{
    QAbstractItemView *view = box->view();
    view->installEventFilter(this);
    view->viewport()->installEventFilter(this);
    connect(view->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &AccessibleChoice::selectionChanged);
}

void AccessibleChoice::enable(QComboBox *box)
{
    new AccessibleChoice(box);
}

bool AccessibleChoice::eventFilter(QObject *, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
        // Selections made while this event is handled are the user's own moves in the list. The mark is
        // cleared once the event is over, before any later event.
        if (!m_userInput) {
            m_userInput = true;
            QTimer::singleShot(0, this, [this] { m_userInput = false; });
        }
        break;
    default:
        break;
    }
    return false;
}

void AccessibleChoice::selectionChanged()
{
    if (m_userInput || !m_box->view()->isVisible())
        return;
    const QModelIndexList selected = m_box->view()->selectionModel()->selectedIndexes();
    if (selected.isEmpty())
        return;
    const int row = selected.first().row();
    // Made once the selection's own handling is over, as a click released on the item would be.
    QTimer::singleShot(0, m_box, [box = m_box, row] {
        if (row >= box->count())
            return;
        box->setCurrentIndex(row);
        box->hidePopup();
        Q_EMIT box->activated(row);
    });
}
