// Where windows are: the frame a window of given styles has, client and
// screen coordinates, and the hit test of the non-client area.
// Private to controls/native/qt/.
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

#include "controls/native/qt/window_qt.h"

namespace native::qt {

// The non-client frame a window of these styles has on Win32.
QMargins FrameOf(const Window* window);
// Where the client area starts in the widget: a child's widget also holds
// its edges.
QPoint ClientOrigin(const Window* window);
// What part of the window a point on the screen is over (WM_NCHITTEST).
LResult HitTest(Window* window, Point screen);
// Gives a top-level window's client area a size; without a sizing border the
// window manager may then neither resize nor maximise it.
void ResizeClient(Window* window, QSize client);
// Raises a widget where the platform keeps a window order.
void Raise(QWidget* widget);

}  // namespace native::qt
