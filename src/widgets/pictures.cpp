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

// An icon drawn by `draw` on a 20 × 20 grid, at 20 and 40 pixels.
template <class Draw> QIcon gridIcon(Draw draw)
{
    QIcon icon;
    for (const int size : {20, 40}) {
        QPixmap pm = canvas(size, size);
        QPainter p(&pm);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / 20.0, size / 20.0);
        draw(p);
        p.end();
        icon.addPixmap(pm);
    }
    return icon;
}

// A fat arrow across the grid, pointing right, or left when mirrored.
void drawArrow(QPainter &p, bool pointsLeft)
{
    QPainterPath arrow;
    arrow.moveTo(2, 8);
    arrow.lineTo(10, 8);
    arrow.lineTo(10, 3);
    arrow.lineTo(18, 10);
    arrow.lineTo(10, 17);
    arrow.lineTo(10, 12);
    arrow.lineTo(2, 12);
    arrow.closeSubpath();
    if (pointsLeft)
        p.setTransform(QTransform(-1, 0, 0, 1, 20, 0), true);
    QLinearGradient green(0, 3, 0, 17);
    green.setColorAt(0, QColor(96, 190, 80));
    green.setColorAt(1, QColor(30, 120, 40));
    p.setPen(QPen(QColor(20, 80, 30), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(green);
    p.drawPath(arrow);
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

QIcon homeIcon()
{
    return gridIcon([](QPainter &p) {
        p.setPen(QPen(QColor(90, 60, 40), 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(QColor(250, 244, 226));
        p.drawRect(QRectF(4.5, 9.5, 11, 8));
        QPainterPath roof;
        roof.moveTo(1.5, 10.5);
        roof.lineTo(10, 2.5);
        roof.lineTo(18.5, 10.5);
        roof.closeSubpath();
        p.setBrush(QColor(196, 64, 40));
        p.drawPath(roof);
        p.setBrush(QColor(120, 76, 44));
        p.drawRect(QRectF(8.5, 12.5, 3, 5));
    });
}

QIcon backIcon()
{
    return gridIcon([](QPainter &p) { drawArrow(p, true); });
}

QIcon forwardIcon()
{
    return gridIcon([](QPainter &p) { drawArrow(p, false); });
}

QIcon reloadIcon()
{
    return gridIcon([](QPainter &p) {
        const QColor teal(0, 112, 128);
        p.setPen(QPen(teal, 2.6, Qt::SolidLine, Qt::FlatCap));
        p.setBrush(Qt::NoBrush);
        // Three quarters of a circle, open at the top right, where the arrow's head points on round.
        p.drawArc(QRectF(3.5, 3.5, 13, 13), 60 * 16, 280 * 16);
        QPainterPath head;
        head.moveTo(11, 1.5);
        head.lineTo(17.5, 4.5);
        head.lineTo(12, 9.5);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(teal);
        p.drawPath(head);
    });
}

QIcon goIcon()
{
    return gridIcon([](QPainter &p) {
        QLinearGradient blue(0, 1, 0, 19);
        blue.setColorAt(0, QColor(90, 150, 230));
        blue.setColorAt(1, QColor(30, 80, 170));
        p.setPen(QPen(QColor(20, 50, 120), 1));
        p.setBrush(blue);
        p.drawRoundedRect(QRectF(1.5, 1.5, 17, 17), 3.5, 3.5);
        // The Enter key's arrow: down from the top right, then left to its head.
        p.setPen(QPen(Qt::white, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(Qt::NoBrush);
        QPainterPath bend;
        bend.moveTo(14.5, 5);
        bend.lineTo(14.5, 12);
        bend.lineTo(7, 12);
        p.drawPath(bend);
        QPainterPath head;
        head.moveTo(4.5, 12);
        head.lineTo(8.5, 8.5);
        head.lineTo(8.5, 15.5);
        head.closeSubpath();
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawPath(head);
    });
}

} // namespace Pictures
