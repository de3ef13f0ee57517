// Focus, activation, capture and the cursor over Qt Widgets. These are the
// program's own, as Win32 keeps them per thread: Qt is told where the focus
// and the active window are, but never decides them.
#include "controls/native/qt/focus_qt.h"

#include <QApplication>
#include <QCursor>
#include <QGuiApplication>

#include "controls/native/qt/gdi_qt.h"
#include "controls/native/qt/placement_qt.h"

namespace native {

using namespace qt;

namespace {

struct FocusState {
  Window* focus = nullptr;
  Window* foreground = nullptr;
  Window* capture = nullptr;
  Cursor cursor = nullptr;
};

FocusState& State() {
  static FocusState state;
  return state;
}

}  // namespace

namespace qt {

Window* ForegroundWindow() { return State().foreground; }
Window* CaptureWindow() { return State().capture; }
void SetCaptureWindow(Window* window) { State().capture = window; }
Cursor ShownCursor() { return State().cursor; }

void ForgetWindow(Window* window) {
  FocusState& t = State();
  if (t.focus == window) t.focus = nullptr;
  if (t.foreground == window) t.foreground = nullptr;
  if (t.capture == window) t.capture = nullptr;
}

}  // namespace qt

Hwnd GetFocus() { return ToHwnd(State().focus); }

Hwnd SetFocus(Hwnd window) {
  FocusState& t = State();
  Window* next = AsWindow(window);
  if (window && !next) return nullptr;
  // Focus in an inactive window activates it first, which may move the focus.
  if (Window* top = TopLevelOf(next); top && top != t.foreground && !top->disabled)
    SetForegroundWindow(ToHwnd(top));
  if (window && !AsWindow(window)) return nullptr;
  Window* old = t.focus;
  if (old == next) return ToHwnd(old);
  t.focus = next;
  if (old && AsWindow(ToHwnd(old))) Send(old, WM_KILLFOCUS, reinterpret_cast<WParam>(ToHwnd(next)));
  if (next && t.focus == next && AsWindow(window)) {
    if (next->widget) next->widget->setFocus(Qt::OtherFocusReason);
    Send(next, WM_SETFOCUS, reinterpret_cast<WParam>(ToHwnd(AsWindow(ToHwnd(old)))));
  }
  return ToHwnd(AsWindow(ToHwnd(old)));
}

bool SetForegroundWindow(Hwnd window) {
  Window* w = TopLevelOf(AsWindow(window));
  if (!w) return false;
  FocusState& t = State();
  if (t.foreground == w) return true;
  Window* previous = t.foreground;
  t.foreground = w;
  MoveToTop(w);
  if (w->widget && w->widget->isVisible()) {
    Raise(w->widget);
    w->widget->activateWindow();
  }
  if (previous && AsWindow(ToHwnd(previous)))
    Send(previous, WM_ACTIVATE, 0, reinterpret_cast<LParam>(ToHwnd(w)));
  if (t.foreground == w) Send(w, WM_ACTIVATE, 1, reinterpret_cast<LParam>(ToHwnd(previous)));
  return true;
}

Hwnd GetCapture() { return ToHwnd(State().capture); }

std::int16_t GetKeyState(int virtualKey) {
  const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
  bool down = false;
  if (virtualKey == VK_SHIFT) down = modifiers & Qt::ShiftModifier;
  if (virtualKey == VK_CONTROL) down = modifiers & Qt::ControlModifier;
  if (virtualKey == VK_MENU) down = modifiers & Qt::AltModifier;
  return down ? static_cast<std::int16_t>(0x8000) : 0;
}

Point GetCursorPos() {
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

// Qt's positions are the layout's already.
Point MousePosition(Hwnd, LParam lParam) {
  const auto word = static_cast<std::uintptr_t>(lParam);
  return {static_cast<std::int16_t>(word & 0xFFFF),
          static_cast<std::int16_t>((word >> 16) & 0xFFFF)};
}

Cursor SetCursor(Cursor cursor) {
  FocusState& t = State();
  Cursor previous = t.cursor;
  t.cursor = cursor;
  CursorObject* shape = AsCursor(cursor);
  // The cursor shows over whichever window is under the pointer.
  if (QWidget* under = QApplication::widgetAt(QCursor::pos())) {
    if (Window* w = WindowOfWidget(under); w && w->widget) {
      if (shape)
        w->widget->setCursor(shape->shape);
      else
        w->widget->setCursor(Qt::BlankCursor);
    }
  }
  return previous;
}

bool TrackMouseLeave(Hwnd window, bool cancel) {
  Window* w = AsWindow(window);
  if (!w) return false;
  w->trackLeave = !cancel;
  return true;
}

}  // namespace native
