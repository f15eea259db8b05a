// The sample 1967 cowl tag: a stamped metal plate with its legends, codes and rivets.
#include <QFont>
#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

#include "app/pictures.h"
#include "app/qt_text.h"

namespace vexlor {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 185;
constexpr int kRowTop[] = {30, 58, 86, 113, 140, 170};  // baselines

void DrawRivet(QPainter& painter, QPointF centre, double radius) {
    QRadialGradient shine(centre - QPointF(radius / 3, radius / 3), radius * 1.4);
    shine.setColorAt(0.0, QColor(245, 245, 240));
    shine.setColorAt(0.6, QColor(150, 150, 145));
    shine.setColorAt(1.0, QColor(70, 70, 70));
    painter.setPen(QPen(QColor(60, 60, 60), 1));
    painter.setBrush(shine);
    painter.drawEllipse(centre, radius, radius);
}

void DrawPlate(QPainter& painter) {
    painter.fillRect(0, 0, kWidth, kHeight, QColor(52, 48, 44));
    QLinearGradient metal(0, 0, kWidth, kHeight);
    metal.setColorAt(0.0, QColor(212, 212, 204));
    metal.setColorAt(0.45, QColor(176, 178, 172));
    metal.setColorAt(0.55, QColor(196, 197, 190));
    metal.setColorAt(1.0, QColor(150, 150, 144));
    painter.setBrush(metal);
    painter.setPen(QPen(QColor(95, 95, 90), 2));
    painter.drawRoundedRect(QRectF(4, 4, kWidth - 8, kHeight - 8), 10, 10);
    // Fine brushing marks of the aluminium.
    painter.setPen(QPen(QColor(255, 255, 255, 28), 1));
    for (int y = 10; y < kHeight - 8; y += 3) painter.drawLine(10, y, kWidth - 10, y + ((y / 3) % 2));
    DrawRivet(painter, QPointF(17, kHeight / 2.0), 7);
    DrawRivet(painter, QPointF(kWidth - 17, kHeight / 2.0), 7);
}

void DrawStamped(QPainter& painter, const QString& text, int x, int nBaseline) {
    // A raised stamp: light edge below, dark letters above it.
    painter.setPen(QColor(240, 240, 232));
    painter.drawText(x + 1, nBaseline + 1, text);
    painter.setPen(QColor(38, 38, 40));
    painter.drawText(x, nBaseline, text);
}

}  // namespace

const std::vector<TagPictureLine>& SampleTagPictureLines() {
    using A = TagPictureLine::Align;
    static const std::vector<TagPictureLine> kLines{
        {"GENERAL MOTORS CORPORATION", A::Centre, 0},
        {"01A", A::Left, 1},
        {"D", A::Right, 1},
        {"ST 67-12437 NOR 65727 BODY", A::Spread, 2},
        {"TR 741-Z R-R PAINT", A::Spread, 3},
        {"W 2E 3L", A::Left, 4},
        {"BODY BY FISHER", A::Centre, 5},
    };
    return kLines;
}

QPixmap DrawSampleTag() {
    QPixmap pixmap(kWidth, kHeight);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    DrawPlate(painter);

    QFont stamp(QStringLiteral("monospace"));
    stamp.setStyleHint(QFont::TypeWriter);
    stamp.setBold(true);
    stamp.setPixelSize(17);
    const int nLeft = 40;
    const int nRight = kWidth - 40;
    for (const TagPictureLine& line : SampleTagPictureLines()) {
        QFont font = stamp;
        if (line.nRow == 0 || line.nRow == 5) font.setPixelSize(15);
        const QString text = ToQString(line.strText);
        // Shrink a line that would not fit between the rivets.
        while (QFontMetrics(font).horizontalAdvance(text) > nRight - nLeft && font.pixelSize() > 8)
            font.setPixelSize(font.pixelSize() - 1);
        painter.setFont(font);
        const QFontMetrics metrics(font);
        const int nBaseline = kRowTop[line.nRow];
        switch (line.align) {
            case TagPictureLine::Align::Left:
                DrawStamped(painter, text, nLeft, nBaseline);
                break;
            case TagPictureLine::Align::Right:
                DrawStamped(painter, text, nRight - metrics.horizontalAdvance(text), nBaseline);
                break;
            case TagPictureLine::Align::Centre:
                DrawStamped(painter, text, (kWidth - metrics.horizontalAdvance(text)) / 2, nBaseline);
                break;
            case TagPictureLine::Align::Spread: {
                // The words stand in columns across the plate, as stamped.
                const QStringList words = text.split(QLatin1Char(' '));
                int nUsed = 0;
                for (const QString& word : words) nUsed += metrics.horizontalAdvance(word);
                const int nGap = words.size() > 1 ? (nRight - nLeft - nUsed) / static_cast<int>(words.size() - 1) : 0;
                int x = nLeft;
                for (const QString& word : words) {
                    DrawStamped(painter, word, x, nBaseline);
                    x += metrics.horizontalAdvance(word) + nGap;
                }
                break;
            }
        }
    }
    return pixmap;
}

}  // namespace vexlor
