// The red 1967 coupe on a lawn of the About window.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include "app/pictures.h"

namespace vexlor {
namespace {

void DrawWheel(QPainter& painter, QPointF centre) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(20, 20, 20));
    painter.drawEllipse(centre, 17, 17);
    QRadialGradient hub(centre, 10);
    hub.setColorAt(0.0, QColor(235, 235, 235));
    hub.setColorAt(1.0, QColor(120, 120, 125));
    painter.setBrush(hub);
    painter.drawEllipse(centre, 10, 10);
    painter.setBrush(QColor(60, 60, 60));
    painter.drawEllipse(centre, 3, 3);
}

}  // namespace

QPixmap DrawCarPicture() {
    QPixmap pixmap(230, 111);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    QLinearGradient sky(0, 0, 0, 70);
    sky.setColorAt(0.0, QColor(120, 170, 225));
    sky.setColorAt(1.0, QColor(205, 225, 240));
    painter.fillRect(0, 0, 230, 70, sky);
    // Trees along the far edge of the lawn.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(50, 95, 45));
    for (int x = -10; x < 240; x += 26) painter.drawEllipse(QPointF(x, 64), 18, 12);
    QLinearGradient lawn(0, 62, 0, 111);
    lawn.setColorAt(0.0, QColor(92, 150, 60));
    lawn.setColorAt(1.0, QColor(55, 115, 35));
    painter.fillRect(0, 62, 230, 49, lawn);

    // The car's shadow on the grass.
    painter.setBrush(QColor(30, 60, 20, 120));
    painter.drawEllipse(QRectF(22, 86, 190, 14));

    // Body: long hood, short deck, the coupe's roof line.
    QPainterPath body;
    body.moveTo(16, 78);
    body.cubicTo(16, 66, 24, 62, 40, 61);
    body.lineTo(78, 58);
    body.cubicTo(92, 44, 104, 39, 122, 39);
    body.lineTo(146, 40);
    body.cubicTo(156, 42, 164, 52, 172, 58);
    body.lineTo(206, 60);
    body.cubicTo(214, 61, 216, 68, 216, 78);
    body.lineTo(216, 84);
    body.lineTo(16, 84);
    body.closeSubpath();
    QLinearGradient paint(0, 40, 0, 84);
    paint.setColorAt(0.0, QColor(232, 40, 40));
    paint.setColorAt(0.55, QColor(190, 16, 20));
    paint.setColorAt(1.0, QColor(120, 8, 10));
    painter.setBrush(paint);
    painter.setPen(QPen(QColor(80, 5, 5), 1));
    painter.drawPath(body);

    // Side windows.
    QPainterPath glass;
    glass.moveTo(88, 58);
    glass.cubicTo(98, 47, 108, 43, 122, 43);
    glass.lineTo(144, 44);
    glass.cubicTo(151, 46, 158, 52, 163, 58);
    glass.closeSubpath();
    painter.setBrush(QColor(170, 200, 220));
    painter.setPen(QPen(QColor(200, 200, 205), 1.5));
    painter.drawPath(glass);
    painter.drawLine(QPointF(126, 43), QPointF(126, 58));

    // Chrome: bumpers and the side trim line.
    painter.setPen(QPen(QColor(225, 225, 230), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(12, 80), QPointF(26, 80));
    painter.drawLine(QPointF(206, 80), QPointF(220, 80));
    painter.setPen(QPen(QColor(240, 200, 200), 1));
    painter.drawLine(QPointF(30, 68), QPointF(204, 68));
    // Head and tail lamps.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(250, 245, 210));
    painter.drawEllipse(QPointF(19, 71), 3, 3);
    painter.setBrush(QColor(255, 70, 40));
    painter.drawRect(QRectF(212, 66, 4, 5));

    DrawWheel(painter, QPointF(54, 84));
    DrawWheel(painter, QPointF(178, 84));
    return pixmap;
}

}  // namespace vexlor
