// The program icon: a small aluminium cowl tag with two rivets and stamped lines.
// res/vexlor.svg draws the same picture for the desktop entry.
#include <QLinearGradient>
#include <QPainter>

#include "app/pictures.h"

namespace vexlor {

QPixmap DrawProgramIcon(int nSize) {
    QPixmap pixmap(nSize, nSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(nSize / 64.0, nSize / 64.0);

    QLinearGradient metal(0, 14, 64, 50);
    metal.setColorAt(0.0, QColor(236, 236, 230));
    metal.setColorAt(0.5, QColor(184, 186, 180));
    metal.setColorAt(1.0, QColor(140, 142, 136));
    painter.setPen(QPen(QColor(70, 70, 70), 2));
    painter.setBrush(metal);
    painter.drawRoundedRect(QRectF(3, 14, 58, 36), 5, 5);

    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(QColor(120, 120, 116));
    painter.drawEllipse(QPointF(9, 32), 3, 3);
    painter.drawEllipse(QPointF(55, 32), 3, 3);

    // Stamped lines of the tag, the middle one red like the paint code.
    painter.setPen(QPen(QColor(40, 40, 44), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(17, 22), QPointF(47, 22));
    painter.setPen(QPen(QColor(185, 20, 24), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(17, 32), QPointF(35, 32));
    painter.drawLine(QPointF(40, 32), QPointF(47, 32));
    painter.setPen(QPen(QColor(40, 40, 44), 3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(17, 42), QPointF(30, 42));
    painter.drawLine(QPointF(35, 42), QPointF(47, 42));
    return pixmap;
}

QIcon ProgramIcon() {
    QIcon icon;
    for (int nSize : {16, 24, 32, 48, 64, 128}) icon.addPixmap(DrawProgramIcon(nSize));
    return icon;
}

}  // namespace vexlor
