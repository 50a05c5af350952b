#include "widgets/pictures.h"

#include "widgets/fonts.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void drawGlobe(QPainter &p, const QRectF &r)
{
    QRadialGradient sea(r.center() - QPointF(r.width() / 5, r.height() / 5), r.width() / 1.3);
    sea.setColorAt(0, QColor(120, 180, 255));
    sea.setColorAt(1, QColor(20, 70, 170));
    p.setPen(QPen(QColor(10, 40, 110), 1));
    p.setBrush(sea);
    p.drawEllipse(r);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(220, 235, 255, 200), 0.8));
    p.drawEllipse(QRectF(r.center().x() - r.width() / 4, r.top(), r.width() / 2, r.height()));
    p.drawLine(QPointF(r.center().x(), r.top()), QPointF(r.center().x(), r.bottom()));
    p.drawLine(QPointF(r.left(), r.center().y()), QPointF(r.right(), r.center().y()));
    p.drawLine(QPointF(r.left() + r.width() / 8, r.top() + r.height() / 4),
               QPointF(r.right() - r.width() / 8, r.top() + r.height() / 4));
    p.drawLine(QPointF(r.left() + r.width() / 8, r.bottom() - r.height() / 4),
               QPointF(r.right() - r.width() / 8, r.bottom() - r.height() / 4));
}

QPixmap canvas(int w, int h)
{
    QPixmap pm(w, h);
    pm.fill(Qt::transparent);
    return pm;
}

} // namespace

namespace Pictures {

QPixmap logo()
{
    QPixmap pm = canvas(20, 20);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(79, 89, 142));
    p.drawRoundedRect(QRectF(0.5, 0.5, 19, 19), 4, 4);
    QPainterPath v;
    v.moveTo(4, 5);
    v.lineTo(10, 16);
    v.lineTo(16, 5);
    p.setPen(QPen(QColor(255, 255, 255), 2.4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(v);
    return pm;
}

QPixmap globe()
{
    QPixmap pm = canvas(24, 24);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlobe(p, QRectF(1.5, 1.5, 21, 21));
    return pm;
}

QPixmap globeNoEntry()
{
    QPixmap pm = canvas(26, 25);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    drawGlobe(p, QRectF(1.5, 1.5, 21, 21));
    const QRectF sign(13, 12, 12, 12);
    p.setPen(QPen(QColor(255, 255, 255), 1));
    p.setBrush(QColor(215, 0, 0));
    p.drawEllipse(sign);
    p.setPen(QPen(QColor(255, 255, 255), 2));
    p.drawLine(QPointF(sign.left() + 3, sign.center().y()), QPointF(sign.right() - 3, sign.center().y()));
    return pm;
}

QPixmap banner()
{
    QPixmap pm(246, 76);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath wave;
    wave.moveTo(0, 14);
    wave.cubicTo(40, 0, 80, 26, 123, 13);
    wave.cubicTo(166, 0, 206, 26, 246, 12);
    wave.lineTo(246, 0);
    wave.lineTo(0, 0);
    wave.closeSubpath();
    QLinearGradient sea(0, 0, 0, 22);
    sea.setColorAt(0, QColor(79, 89, 142));
    sea.setColorAt(1, QColor(140, 170, 215));
    p.setPen(Qt::NoPen);
    p.setBrush(sea);
    p.drawPath(wave);
    QFont letters = Fonts::pixels(44, true);
    letters.setLetterSpacing(QFont::PercentageSpacing, 104);
    p.setFont(letters);
    p.setPen(QColor(62, 74, 96));
    p.drawText(QRect(0, 20, 246, 56), Qt::AlignCenter, QStringLiteral("Velmark"));
    return pm;
}

} // namespace Pictures
