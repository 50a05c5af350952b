#include "widgets/clickableimage.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A screen reader sees the picture as the button it is, with a press action that clicks it.
class AccessibleClickableImage : public QAccessibleWidget
{
public:
    explicit AccessibleClickableImage(ClickableImage *image) : QAccessibleWidget(image, QAccessible::Button)
    {
    }

    QStringList actionNames() const override
    {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            static_cast<ClickableImage *>(widget())->click();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface *accessibleClickableImage(const QString &className, QObject *object)
{
    if (className == QLatin1String("ClickableImage"))
        if (auto *image = qobject_cast<ClickableImage *>(object))
            return new AccessibleClickableImage(image);
    return nullptr;
}

} // namespace

ClickableImage::ClickableImage(const QPixmap &picture, const QString &accessibleName, QWidget *parent)
    : QLabel(parent)
{
    setPixmap(picture);
    setAlignment(Qt::AlignCenter);
    resize(picture.size());
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleClickableImage);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void ClickableImage::click()
{
    Q_EMIT clicked();
}

void ClickableImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        click();
}

void ClickableImage::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        click();
    else
        QLabel::keyPressEvent(event);
}
