#include "app/screen_fit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QStyle>
#include <QWidget>
#include <algorithm>

namespace vexlor {

QSize FittedClientSize(QSize wanted, QSize available, QMargins frame, QSize minimum) {
    const QSize room(available.width() - frame.left() - frame.right(), available.height() - frame.top() - frame.bottom());
    return wanted.boundedTo(room).expandedTo(minimum.boundedTo(wanted));
}

QPoint KeptOnScreen(QRect frame, QRect available) {
    const int x = std::max(std::min(frame.left(), available.right() + 1 - frame.width()), available.left());
    const int y = std::max(std::min(frame.top(), available.bottom() + 1 - frame.height()), available.top());
    return QPoint(x, y);
}

QMargins ExpectedFrame(const QWidget& window) {
    const int nBorder = std::max(window.style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth), 0);
    const int nTitle = std::max(window.style()->pixelMetric(QStyle::PM_TitleBarHeight), 0);
    return QMargins(nBorder, nBorder + nTitle, nBorder, nBorder);
}

QSize AvailableScreenSize(const QWidget& window) {
    const QWidget* parent = window.parentWidget();
    QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
}

}  // namespace vexlor
