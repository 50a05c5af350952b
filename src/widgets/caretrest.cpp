#include "widgets/caretrest.h"

#include <QEvent>
#include <QGuiApplication>
#include <QStyleHints>

CaretRest::CaretRest(QObject *parent)
    : QObject(parent), m_flashTime(QGuiApplication::styleHints()->cursorFlashTime())
{
    m_idle.setSingleShot(true);
    m_idle.setInterval(10000);
    connect(&m_idle, &QTimer::timeout, this, &CaretRest::rest);
    qApp->installEventFilter(this);
    m_idle.start();
}

bool CaretRest::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::FocusIn:
        if (m_resting) {
            m_resting = false;
            QGuiApplication::styleHints()->setCursorFlashTime(m_flashTime);
        }
        m_idle.start();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void CaretRest::rest()
{
    m_resting = true;
    QGuiApplication::styleHints()->setCursorFlashTime(0);
}
