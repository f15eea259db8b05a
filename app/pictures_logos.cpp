// The two logos of the Favorite Web Sites window.
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>

#include "app/pictures.h"
#include "app/qt_text.h"
#include "form/program_texts.h"

namespace vexlor {
namespace {

QFont LogoFont(int nPixelSize, bool bBold, QFont::StyleHint hint = QFont::SansSerif) {
    QFont font(hint == QFont::Serif ? QStringLiteral("serif") : QStringLiteral("sans-serif"));
    font.setStyleHint(hint);
    font.setPixelSize(nPixelSize);
    font.setBold(bBold);
    return font;
}

// The largest size up to nPixelSize at which text fits nWidth.
QFont FittingFont(QFont font, const QString& text, int nWidth) {
    while (QFontMetrics(font).horizontalAdvance(text) > nWidth && font.pixelSize() > 6)
        font.setPixelSize(font.pixelSize() - 1);
    return font;
}

}  // namespace

QPixmap DrawVelkLogo() {
    QPixmap pixmap(150, 45);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(pixmap.rect(), QColor(110, 10, 16));
    painter.setPen(QPen(QColor(220, 180, 90), 2));
    painter.drawRect(QRectF(2, 2, 146, 41));

    const QString initials = QStringLiteral("VELK");
    painter.setFont(LogoFont(27, true, QFont::Serif));
    painter.setPen(QColor(250, 240, 220));
    painter.drawText(QRect(0, 1, 150, 30), Qt::AlignHCenter | Qt::AlignVCenter, initials);

    const QString name = QStringLiteral("Vintage Era Lineage Keepers");
    painter.setFont(FittingFont(LogoFont(10, false), name, 140));
    painter.setPen(QColor(230, 200, 120));
    painter.drawText(QRect(0, 29, 150, 14), Qt::AlignHCenter | Qt::AlignVCenter, name);
    return pixmap;
}

QPixmap DrawSorvanLogo() {
    QPixmap pixmap(150, 65);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.fillRect(pixmap.rect(), QColor(250, 250, 246));
    painter.setPen(QPen(QColor(20, 20, 20), 1));
    painter.drawRect(QRectF(0.5, 0.5, 149, 64));

    // A chequered flag on its pole at the left.
    painter.setPen(QPen(QColor(90, 60, 30), 2));
    painter.drawLine(QPointF(10, 6), QPointF(10, 44));
    const int nSquare = 5;
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 5; ++col)
            painter.fillRect(11 + col * nSquare, 7 + row * nSquare, nSquare, nSquare,
                             (row + col) % 2 ? QColor(250, 250, 246) : QColor(15, 15, 15));
    painter.setPen(QPen(QColor(15, 15, 15), 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(11, 7, 5 * nSquare, 4 * nSquare);

    // The club's name: black and red.
    QFont nameFont = LogoFont(22, true);
    const QString black = QStringLiteral("SOR");
    const QString red = QStringLiteral("VAN");
    painter.setFont(nameFont);
    const QFontMetrics metrics(nameFont);
    const int x = 44;
    painter.setPen(QColor(15, 15, 15));
    painter.drawText(x, 26, black);
    painter.setPen(QColor(200, 16, 24));
    painter.drawText(x + metrics.horizontalAdvance(black), 26, red);

    const QString club = QStringLiteral("CAMARO CLUB");
    painter.setFont(FittingFont(LogoFont(11, true), club, 100));
    painter.setPen(QColor(200, 16, 24));
    painter.drawText(QRect(42, 29, 106, 14), Qt::AlignLeft | Qt::AlignVCenter, club);

    const QString site = ToQString(kPartnerClubSite);
    painter.setFont(FittingFont(LogoFont(10, false), site, 142));
    painter.setPen(QColor(15, 15, 15));
    painter.drawText(QRect(0, 47, 150, 16), Qt::AlignHCenter | Qt::AlignVCenter, site);
    return pixmap;
}

}  // namespace vexlor
