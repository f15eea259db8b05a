#pragma once
// Fitting a window to the screen: a window drawn from a template larger than
// the screen's free area is shown at a size that fits, and its drawing
// scrolls inside it, so that every control can still be reached.

#include <QMargins>
#include <QRect>
#include <QSize>

class QWidget;

namespace vexlor {

// The client size of a window that wants the size wanted, so that the window
// with its frame lies within the available area; never below minimum.
QSize FittedClientSize(QSize wanted, QSize available, QMargins frame, QSize minimum);

// Where a window's frame goes so that it lies on the available area, moved
// as little as may be; a frame larger than the area keeps its top left corner on it.
QPoint KeptOnScreen(QRect frame, QRect available);

// The frame a window of the desktop is likely to get around its client area,
// before it has one: the title bar and the borders of the style.
QMargins ExpectedFrame(const QWidget& window);

// The free area of the screen that the window is going to be shown on.
QSize AvailableScreenSize(const QWidget& window);

}  // namespace vexlor
