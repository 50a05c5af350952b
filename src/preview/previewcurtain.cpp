#include "preview/previewcurtain.h"

#include <QPainter>

PreviewCurtain::PreviewCurtain(QWidget *pane) : QWidget(pane)
{
    setObjectName(QStringLiteral("previewCurtain"));
    setAccessibleName(QStringLiteral("Προεπισκόπηση σε ανανέωση"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    hide();
    m_patience.setSingleShot(true);
    m_patience.setInterval(patienceMs);
    connect(&m_patience, &QTimer::timeout, this, &PreviewCurtain::lift);
}

void PreviewCurtain::cover(const QPixmap &picture)
{
    m_patience.start();
    if (isVisible())
        return;
    m_picture = picture;
    setGeometry(parentWidget()->rect());
    show();
    raise();
}

void PreviewCurtain::lift()
{
    m_patience.stop();
    if (!isVisible())
        return;
    hide();
    m_picture = QPixmap();
}

void PreviewCurtain::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    painter.drawPixmap(0, 0, m_picture);
}
