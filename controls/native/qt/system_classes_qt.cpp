// What the system classes share: the notifications they send, input handed
// back to their widgets, and the default for what they leave alone.
#include "controls/native/qt/system_classes_qt.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <algorithm>
#include <cstring>

#include "controls/native/qt/input_qt.h"
#include "controls/native/qt/placement_qt.h"

namespace native::qt {

void Notify(Window* w, U32 code) {
  if (!w->parent) return;
  SendMessage(ToHwnd(w->parent), WM_COMMAND, (WParam{code} << 16) | w->id,
              reinterpret_cast<LParam>(ToHwnd(w)));
}

bool InsideClient(Window* w, LParam lParam) {
  const Rect r = GetClientRect(ToHwnd(w));
  const QPoint p = PointOf(lParam);
  return p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom;
}

void ForwardMouse(Window* w, U32 message, WParam wParam, LParam lParam) {
  if (!w->widget) return;
  QEvent::Type type = QEvent::MouseMove;
  Qt::MouseButton button = Qt::NoButton;
  switch (message) {
    case WM_LBUTTONDOWN:
      type = QEvent::MouseButtonPress, button = Qt::LeftButton;
      break;
    case WM_LBUTTONUP:
      type = QEvent::MouseButtonRelease, button = Qt::LeftButton;
      break;
    case WM_LBUTTONDBLCLK:
      type = QEvent::MouseButtonDblClick, button = Qt::LeftButton;
      break;
    default:
      break;
  }
  Qt::MouseButtons buttons;
  if (wParam & MK_LBUTTON) buttons |= Qt::LeftButton;
  if (wParam & MK_RBUTTON) buttons |= Qt::RightButton;
  Qt::KeyboardModifiers modifiers;
  if (wParam & MK_SHIFT) modifiers |= Qt::ShiftModifier;
  if (wParam & MK_CONTROL) modifiers |= Qt::ControlModifier;
  const QPointF local = PointOf(lParam) + ClientOrigin(w);
  QMouseEvent event(type, local, w->widget->mapToGlobal(local), button, buttons, modifiers);
  DeliverToWidget(w->widget, &event);
}

void ForwardKey(Window* w, int qtKey, Qt::KeyboardModifiers modifiers) {
  if (!w->widget) return;
  QKeyEvent event(QEvent::KeyPress, qtKey, modifiers);
  DeliverToWidget(w->widget, &event);
}

// The widget paints itself, over a background it fills itself.
LResult ControlDefault(Hwnd h, U32 message, WParam wParam, LParam lParam) {
  switch (message) {
    case WM_PAINT:
      if (Window* w = AsWindow(h)) w->widgetPaints = true;
      return 0;
    case WM_ERASEBKGND:
      return 1;
    default:
      return DefWindowProc(h, message, wParam, lParam);
  }
}

LResult AnswerByGroups(std::span<const MessageGroup> groups, Hwnd h, U32 message, WParam wParam,
                       LParam lParam) {
  Window* w = AsWindow(h);
  if (!w) return 0;
  for (const MessageGroup group : groups)
    if (const std::optional<LResult> answer = group(h, w, message, wParam, lParam)) return *answer;
  return ControlDefault(h, message, wParam, lParam);
}

void PostClick(Window* w) {
  const Rect client = GetClientRect(ToHwnd(w));
  const LParam middle = MakeLong(client.right / 2, client.bottom / 2);
  PostMessage(ToHwnd(w), WM_LBUTTONDOWN, MK_LBUTTON, middle);
  PostMessage(ToHwnd(w), WM_LBUTTONUP, 0, middle);
}

LResult CopyOut(const std::string& text, LParam buffer, std::size_t room) {
  if (!buffer || room == 0) return 0;
  const std::size_t n = std::min(text.size(), room);
  std::memcpy(reinterpret_cast<char*>(buffer), text.data(), n);
  return static_cast<LResult>(n);
}

WndProc SystemProcedureOf(SystemClass systemClass) {
  switch (systemClass) {
    case SystemClass::Button:
      return ButtonProcedure;
    case SystemClass::Static:
      return StaticProcedure;
    case SystemClass::Edit:
      return EditProcedure;
    case SystemClass::ComboBox:
      return ComboProcedure;
    default:
      return nullptr;
  }
}

LResult SystemProcedure(SystemClass systemClass, Hwnd window, std::uint32_t message, WParam wParam,
                        LParam lParam) {
  WndProc procedure = SystemProcedureOf(systemClass);
  return procedure ? procedure(window, message, wParam, lParam) : 0;
}

}  // namespace native::qt
