#pragma once
// Dialog units: a horizontal unit is a quarter of the dialog font's average
// character width, a vertical unit an eighth of its height, so a window keeps
// its proportions on every screen and scale factor.

#include <QFont>
#include <QRect>
#include <QSize>
#include <string_view>

namespace vexlor {

// The template's font at its point size; the desktop's sans-serif at that size
// when the face is not installed.
QFont DialogFont(std::string_view strFace, int nPointSize);

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);
    DialogUnits(int nBaseX, int nBaseY) : m_nBaseX(nBaseX), m_nBaseY(nBaseY) {}

    int BaseX() const { return m_nBaseX; }  // average character width in pixels
    int BaseY() const { return m_nBaseY; }  // font height in pixels

    int ToPixelsX(int nUnits) const;
    int ToPixelsY(int nUnits) const;
    QRect ToPixels(int x, int y, int cx, int cy) const;
    QSize ToPixels(int cx, int cy) const;

private:
    int m_nBaseX;
    int m_nBaseY;
};

}  // namespace vexlor
