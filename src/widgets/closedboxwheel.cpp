#include "widgets/closedboxwheel.h"

#include <QComboBox>
#include <QEvent>

namespace {

// Swallows the wheel events that reach the box itself: those over its closed face, its edit field included.
// The open list is a window of its own and gets its wheel events directly.
class ClosedBoxWheel : public QObject
{
public:
    explicit ClosedBoxWheel(QComboBox *box) : QObject(box) { box->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        return event->type() == QEvent::Wheel && watched == parent();
    }
};

} // namespace

void keepWheelOffClosedBox(QComboBox *box)
{
    new ClosedBoxWheel(box);
}
