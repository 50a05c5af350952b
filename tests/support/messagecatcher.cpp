#include "messagecatcher.h"

#include <QAbstractButton>
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
            for (QAbstractButton *button : box->buttons()) {
                if (!m_answer.isEmpty() && button->text() == m_answer) {
                    QTimer::singleShot(0, button, &QAbstractButton::click);
                    return QObject::eventFilter(watched, event);
                }
            }
            QTimer::singleShot(0, box, &QDialog::accept);
        }
    }
    return QObject::eventFilter(watched, event);
}
