#include "messagecatcher.h"

#include <QApplication>
#include <QEvent>
#include <QMessageBox>
#include <QTimer>

MessageCatcher::MessageCatcher()
{
    qApp->installEventFilter(this);
}

MessageCatcher::~MessageCatcher()
{
    qApp->removeEventFilter(this);
}

bool MessageCatcher::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Show) {
        if (auto *box = qobject_cast<QMessageBox *>(watched)) {
            m_texts << box->text();
            QTimer::singleShot(0, box, &QDialog::accept);
        }
    }
    return QObject::eventFilter(watched, event);
}
