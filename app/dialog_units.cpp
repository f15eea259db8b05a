#include "app/dialog_units.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QString>

#include "app/qt_text.h"

namespace vexlor {
namespace {

// a * b / c rounded to the nearest integer, halves away from zero.
int MulDivRound(int a, int b, int c) {
    const long long product = static_cast<long long>(a) * b;
    const long long half = c / 2;
    return static_cast<int>(product >= 0 ? (product + half) / c : (product - half) / c);
}

}  // namespace

QFont DialogFont(std::string_view strFace, int nPointSize) {
    const QString face = ToQString(strFace);
    QFont font;
    if (!face.isEmpty() && QFontDatabase::hasFamily(face)) {
        font = QFont(face);
    } else {
        font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
        font.setStyleHint(QFont::SansSerif);
    }
    font.setPointSize(nPointSize > 0 ? nPointSize : 8);
    return font;
}

DialogUnits::DialogUnits(const QFont& font) {
    const QFontMetrics metrics(font);
    const int nWidth = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_nBaseX = (nWidth / 26 + 1) / 2;
    m_nBaseY = metrics.height();
    if (m_nBaseX < 1) m_nBaseX = 1;
    if (m_nBaseY < 1) m_nBaseY = 1;
}

int DialogUnits::ToPixelsX(int nUnits) const { return MulDivRound(nUnits, m_nBaseX, 4); }
int DialogUnits::ToPixelsY(int nUnits) const { return MulDivRound(nUnits, m_nBaseY, 8); }

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const {
    return QRect(ToPixelsX(x), ToPixelsY(y), ToPixelsX(cx), ToPixelsY(cy));
}

QSize DialogUnits::ToPixels(int cx, int cy) const { return QSize(ToPixelsX(cx), ToPixelsY(cy)); }

}  // namespace vexlor
