// Placement over Qt Widgets: the frames Win32 would draw around a window,
// moving and sizing, the rectangles and coordinates the layer asks for, and
// the hit test of a window's edges.
#include "controls/native/qt/placement_qt.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>

#include "controls/native/qt/focus_qt.h"
#include "controls/native/qt/frame_qt.h"
#include "controls/native/qt/messages_qt.h"
#include "controls/native/qt/system_classes_qt.h"

namespace native {

using namespace qt;

namespace {

QPoint ScreenOrigin(const Window* w) {
  if (!w->widget) return {};
  return IsChild(w) ? w->widget->mapToGlobal(QPoint(0, 0)) : w->widget->geometry().topLeft();
}

// Outer rectangle in screen coordinates.
QRect OuterRect(const Window* w) {
  if (!w->widget) return {};
  if (IsChild(w)) {
    QRect r(ScreenOrigin(w), w->widget->size());
    if (w->systemClass == SystemClass::ComboBox && w->dropped) r.setHeight(w->droppedHeight);
    return r;
  }
  return w->widget->geometry().marginsAdded(FrameOf(w) - WidgetFrame(w));
}

Rect ToRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

}  // namespace

namespace qt {

// The non-client frame a window of these styles has on Win32. The client
// area is what the layout places; under a window manager the manager draws
// its own frame around it instead.
QMargins FrameOf(const Window* w) {
  if (IsChild(w)) {
    int edge = (w->exStyle & WS_EX_CLIENTEDGE) ? 2 : (w->style & WS_BORDER) ? 1 : 0;
    if (w->style & WS_DLGFRAME) edge += 1;
    if (w->systemClass == SystemClass::Static && (w->style & SS_SUNKEN)) edge += 1;
    return {edge, edge, edge, edge};
  }
  const int border = (w->style & WS_THICKFRAME)               ? 4
                     : (w->style & (WS_DLGFRAME | WS_BORDER)) ? 3
                                                              : 0;
  const int caption =
      (w->style & WS_CAPTION) == WS_CAPTION ? ((w->exStyle & WS_EX_TOOLWINDOW) ? 17 : 23) : 0;
  return {border, border + caption, border, border};
}

QMargins WidgetFrame(const Window* window) {
  return IsChild(window) || DrawsOwnFrame(window) ? FrameOf(window) : QMargins();
}

QPoint ClientOrigin(const Window* window) {
  const QMargins frame = WidgetFrame(window);
  return {frame.left(), frame.top()};
}

QSize ClientSize(const Window* window) {
  if (!window->widget) return {};
  const QSize size = window->widget->size().shrunkBy(WidgetFrame(window));
  return {std::max(size.width(), 0), std::max(size.height(), 0)};
}

QPoint ChildOffset(const Window* window) {
  const Window* parent = window->parent;
  return IsChild(window) && parent && !IsChild(parent) ? ClientOrigin(parent) : QPoint();
}

LParam SizeParam(const Window* window) {
  const QSize size = IsChild(window) ? window->widget->size() : ClientSize(window);
  return MakeLong(size.width(), size.height());
}

// ---- hit testing -------------------------------------------------------

LResult HitTest(Window* w, Point screen) {
  const QRect outer = OuterRect(w);
  const QPoint p(screen.x, screen.y);
  if (!outer.contains(p)) return HTNOWHERE;
  if (IsChild(w)) return HTCLIENT;
  const QMargins frame = FrameOf(w);
  const QRect client = outer.marginsRemoved(frame);
  if (client.contains(p)) return HTCLIENT;
  const int border = frame.left();
  const bool left = p.x()<outer.left() + border, right = p.x()> outer.right() - border;
  const bool top = p.y()<outer.top() + border, bottom = p.y()> outer.bottom() - border;
  if (!(w->style & WS_THICKFRAME)) return (left || right || top || bottom) ? HTBORDER : HTCAPTION;
  if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
  if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
  if (left) return HTLEFT;
  if (right) return HTRIGHT;
  return HTCAPTION;
}

void ResizeClient(Window* w, QSize client) {
  QWidget* widget = w->widget;
  const QSize size = client.grownBy(WidgetFrame(w));
  if (w->style & WS_THICKFRAME) {
    widget->setMinimumSize(0, 0);
    widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    widget->resize(size);
  } else {
    widget->setFixedSize(size);
  }
  PlaceFrame(w);
}

// The offscreen platform keeps no window order of its own; ours is the one
// the program sees.
void Raise(QWidget* widget) {
  if (widget->isWindow() && QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  widget->raise();
  // A child raised over its siblings stays under its window's drawn frame.
  if (Window* parent = widget->isWindow() ? nullptr : WindowOfWidget(widget->parentWidget()))
    PlaceFrame(parent);
}

}  // namespace qt

bool SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int width, int height,
                  std::uint32_t flags) {
  Window* w = AsWindow(window);
  if (!w || !w->widget) return false;
  QWidget* widget = w->widget;
  const QSize oldSize = widget->size();
  const QMargins frame = FrameOf(w);
  if (!(flags & SWP_NOSIZE)) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (w->systemClass == SystemClass::ComboBox) {
      w->droppedHeight = height;
      height = SystemProcedure(w->systemClass, window, kFieldHeightMessage, 0, 0);
    }
    if (IsChild(w)) {
      widget->resize(width, height);
    } else {
      ResizeClient(w, QSize(std::max(width - frame.left() - frame.right(), 1),
                            std::max(height - frame.top() - frame.bottom(), 1)));
    }
  }
  if (!(flags & SWP_NOMOVE)) {
    const QMargins outside = frame - WidgetFrame(w);
    widget->move(QPoint(x + outside.left(), y + outside.top()) + ChildOffset(w));
  }
  if (!(flags & SWP_NOZORDER) && (!insertAfter || insertAfter == TopWindow())) {
    MoveToTop(w);
    Raise(widget);
  }
  if (flags & SWP_SHOWWINDOW) ApplyVisibility(w, true);
  if (flags & SWP_HIDEWINDOW) ApplyVisibility(w, false);
  if (flags & SWP_FRAMECHANGED && w->systemClass != SystemClass::None)
    SystemProcedure(w->systemClass, window, kApplyStyleMessage, w->style, 0);
  if ((flags & SWP_SHOWWINDOW) && !(flags & SWP_NOACTIVATE) && !IsChild(w))
    SetForegroundWindow(window);
  if (widget->size() != oldSize) Send(w, WM_SIZE, 0, SizeParam(w));
  return true;
}

Rect GetWindowRect(Hwnd window) {
  Window* w = AsWindow(window);
  if (!w) return {};
  QRect r = OuterRect(w);
  if (w->systemClass == SystemClass::ComboBox) r.setHeight(w->widget ? w->widget->height() : 0);
  return ToRect(r);
}

Rect GetClientRect(Hwnd window) {
  Window* w = AsWindow(window);
  if (!w || !w->widget) return {};
  const QSize size = ClientSize(w);
  return {0, 0, size.width(), size.height()};
}

Point ScreenToClient(Hwnd window, Point point) {
  Window* w = AsWindow(window);
  if (!w || !w->widget) return point;
  const QPoint origin = ScreenOrigin(w) + ClientOrigin(w);
  return {point.x - origin.x(), point.y - origin.y()};
}

Point ClientToScreen(Hwnd window, Point point) {
  Window* w = AsWindow(window);
  if (!w || !w->widget) return point;
  const QPoint origin = ScreenOrigin(w) + ClientOrigin(w);
  return {point.x + origin.x(), point.y + origin.y()};
}

int GetSystemMetrics(int index) {
  EnsureApplication();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = screen ? screen->size() : QSize(1024, 768);
  if (index == SM_CXSCREEN) return size.width();
  if (index == SM_CYSCREEN) return size.height();
  return 0;
}

Hwnd TopWindow() { return nullptr; }

}  // namespace native
