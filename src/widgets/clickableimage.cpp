#include "widgets/clickableimage.h"

#include <QKeyEvent>
#include <QMouseEvent>

ClickableImage::ClickableImage(const QPixmap &picture, const QString &accessibleName, QWidget *parent)
    : QLabel(parent)
{
    setPixmap(picture);
    setAlignment(Qt::AlignCenter);
    resize(picture.size());
    setAccessibleName(accessibleName);
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::PointingHandCursor);
}

void ClickableImage::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

void ClickableImage::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        Q_EMIT clicked();
    else
        QLabel::keyPressEvent(event);
}
