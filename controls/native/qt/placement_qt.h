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
// The part of that frame the window's widget holds: a child's edges, or the
// frame the back end draws itself (frame_qt.h); a window manager draws the
// rest around the widget.
QMargins WidgetFrame(const Window* window);
// Where the client area starts in the widget, and its size.
QPoint ClientOrigin(const Window* window);
QSize ClientSize(const Window* window);
// Where a child's widget sits in its parent's beyond its own position: the
// frame a top-level parent's widget holds.
QPoint ChildOffset(const Window* window);
// WM_SIZE's lParam: a top-level window's client size, a child's own size.
LParam SizeParam(const Window* window);
// What part of the window a point on the screen is over (WM_NCHITTEST).
LResult HitTest(Window* window, Point screen);
// Gives a top-level window's client area a size; without a sizing border the
// window manager may then neither resize nor maximise it, and the size it is
// told is the whole window's.
void ResizeClient(Window* window, QSize client);
// Raises a widget where the platform keeps a window order.
void Raise(QWidget* widget);

}  // namespace native::qt
