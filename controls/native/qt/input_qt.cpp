// Qt's input as the messages Windows would queue. One filter on the whole
// application sees every event before a widget does: key presses, clicks and
// pointer moves on the program's windows become queued messages, so the
// layer sees them, and may swallow or change them, before any widget acts.
// Widgets act only when a window procedure hands an event back to them.
#include "controls/native/qt/input_qt.h"

#include <QApplication>
#include <QCloseEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <iterator>
#include <map>

#include "controls/native/qt/focus_qt.h"
#include "controls/native/qt/frame_qt.h"
#include "controls/native/qt/messages_qt.h"
#include "controls/native/qt/paint_qt.h"
#include "controls/native/qt/placement_qt.h"

namespace native::qt {

namespace {

int delivering = 0;

struct KeyName {
  int qtKey;
  int virtualKey;
};

constexpr KeyName kKeys[] = {
    {Qt::Key_Backspace, 8},   {Qt::Key_Tab, 9},          {Qt::Key_Backtab, 9},
    {Qt::Key_Return, 13},     {Qt::Key_Enter, 13},       {Qt::Key_Shift, 0x10},
    {Qt::Key_Control, 0x11},  {Qt::Key_Alt, 0x12},       {Qt::Key_Pause, 0x13},
    {Qt::Key_CapsLock, 0x14}, {Qt::Key_Escape, 27},      {Qt::Key_Space, 0x20},
    {Qt::Key_PageUp, 0x21},   {Qt::Key_PageDown, 0x22},  {Qt::Key_End, 0x23},
    {Qt::Key_Home, 0x24},     {Qt::Key_Left, 0x25},      {Qt::Key_Up, 0x26},
    {Qt::Key_Right, 0x27},    {Qt::Key_Down, 0x28},      {Qt::Key_Insert, 0x2D},
    {Qt::Key_Delete, 0x2E},   {Qt::Key_Plus, 0xBB},      {Qt::Key_Equal, 0xBB},
    {Qt::Key_Comma, 0xBC},    {Qt::Key_Minus, 0xBD},     {Qt::Key_Period, 0xBE},
    {Qt::Key_Slash, 0xBF},    {Qt::Key_Semicolon, 0xBA}, {Qt::Key_Apostrophe, 0xDE},
};

int VirtualKeyOf(const QKeyEvent* event) {
  const int key = event->key();
  if ((key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z)) return key;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F24) return VK_F1 + (key - Qt::Key_F1);
  for (const KeyName& name : kKeys)
    if (name.qtKey == key) return name.virtualKey;
  return 0;
}

// The text a key press typed, kept until TranslateKey turns it into WM_CHAR;
// a queued key message carries its entry's number as its time.
std::map<std::uint32_t, QString>& TypedText() {
  static std::map<std::uint32_t, QString> typed;
  return typed;
}

std::uint32_t NextKeyNumber() {
  static std::uint32_t next = 0;
  return ++next;
}

Point CursorPoint() {
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

bool InputRefused(Window* w) {
  for (Window* at = w; at; at = (at->style & WS_CHILD) ? at->parent : nullptr)
    if (at->disabled) return true;
  return false;
}

bool OnKey(QWidget* widget, QKeyEvent* event) {
  Window* receiver = WindowOfWidget(widget);
  if (!receiver) return false;
  Window* target = AsWindow(GetFocus());
  if (!target) target = ForegroundWindow();
  if (!target || InputRefused(target)) return true;
  const bool alt = event->modifiers() & Qt::AltModifier;
  const bool press = event->type() == QEvent::KeyPress;
  U32 message = press ? (alt ? WM_SYSKEYDOWN : WM_KEYDOWN) : (alt ? WM_SYSKEYUP : WM_KEYUP);
  LParam lParam = 1 | (static_cast<LParam>(event->nativeScanCode() & 0xFF) << 16);
  if (!press) lParam |= 0xC0000000;
  if (press && event->isAutoRepeat()) lParam |= 0x40000000;
  std::uint32_t number = NextKeyNumber();
  if (press && !event->text().isEmpty()) TypedText()[number] = event->text();
  Enqueue({ToHwnd(target), message, static_cast<WParam>(VirtualKeyOf(event)), lParam, number,
           CursorPoint()});
  return true;
}

// What an input method replaces around the caret is selected first, as if
// the user had selected it, so the characters that follow replace it.
void SelectReplaced(Window* target, const QInputMethodEvent* event) {
  if (event->replacementLength() <= 0 || target->systemClass != SystemClass::Edit) return;
  std::uint32_t start = 0, end = 0;
  SendMessage(ToHwnd(target), EM_GETSEL, reinterpret_cast<WParam>(&start),
              reinterpret_cast<LParam>(&end));
  const qsizetype from = static_cast<qsizetype>(end) + event->replacementStart();
  if (from < 0) return;
  SendMessage(ToHwnd(target), EM_SETSEL, static_cast<WParam>(from),
              static_cast<LParam>(from + event->replacementLength()));
}

// Text an input method commits (an on-screen keyboard, a compose sequence,
// a Chinese or Japanese input method) is typing by other means: each of its
// characters is queued as WM_CHAR for the window with the focus, so the
// layer filters it as a typed key. Replacing text without new text is a
// Backspace. What is still being composed stays the widget's to show.
bool OnInputMethod(QWidget* widget, QInputMethodEvent* event) {
  if (!WindowOfWidget(widget)) return false;
  Window* target = AsWindow(GetFocus());
  if (!target) target = ForegroundWindow();
  const QString text = event->commitString();
  if (target && !InputRefused(target) && (!text.isEmpty() || event->replacementLength() > 0)) {
    SelectReplaced(target, event);
    const Point at = CursorPoint();
    if (text.isEmpty()) Enqueue({ToHwnd(target), WM_CHAR, VK_BACK, 1, 0, at});
    for (const QChar unit : text) Enqueue({ToHwnd(target), WM_CHAR, unit.unicode(), 1, 0, at});
  }
  QInputMethodEvent composing(event->preeditString(), event->attributes());
  DeliverToWidget(widget, &composing);
  return true;
}

// A click on a group box, or on a label that does not ask for clicks, lands
// on the window beneath, as the system's hit test makes it.
bool Transparent(const Window* w) {
  if (w->systemClass == SystemClass::Button) return (w->style & BS_TYPEMASK) == BS_GROUPBOX;
  if (w->systemClass == SystemClass::Static) return !(w->style & SS_NOTIFY);
  return false;
}

WParam MouseKeys(const QMouseEvent* event) {
  WParam keys = 0;
  if (event->buttons() & Qt::LeftButton) keys |= MK_LBUTTON;
  if (event->buttons() & Qt::RightButton) keys |= MK_RBUTTON;
  if (event->buttons() & Qt::MiddleButton) keys |= MK_MBUTTON;
  if (event->modifiers() & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (event->modifiers() & Qt::ControlModifier) keys |= MK_CONTROL;
  return keys;
}

U32 ButtonMessage(const QMouseEvent* event, const Window* w) {
  const int offset = event->button() == Qt::RightButton    ? 3
                     : event->button() == Qt::MiddleButton ? 6
                                                           : 0;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      return WM_LBUTTONDOWN + offset;
    case QEvent::MouseButtonRelease:
      return WM_LBUTTONUP + offset;
    case QEvent::MouseButtonDblClick:
      return ((w->classStyle & CS_DBLCLKS) ? WM_LBUTTONDBLCLK : WM_LBUTTONDOWN) + offset;
    default:
      return WM_MOUSEMOVE;
  }
}

LParam PointParam(QPoint p) { return MakeLong(p.x(), p.y()); }

bool OnMouse(QWidget* widget, QMouseEvent* event) {
  Window* w = WindowOfWidget(widget);
  if (!w) return false;
  // The frame the back end draws is the back end's, as a window manager's is its own.
  if (IsDrawnFrame(widget) && !CaptureWindow()) {
    OnFrameMouse(w, event);
    return true;
  }
  while (Transparent(w) && w->parent && (w->style & WS_CHILD)) w = w->parent;
  if (Window* capture = CaptureWindow()) w = capture;
  if (!w->widget || InputRefused(w)) return true;
  const QPoint global = event->globalPosition().toPoint();
  const Point client = ScreenToClient(ToHwnd(w), {global.x(), global.y()});
  const U32 message = ButtonMessage(event, w);
  const Hwnd h = ToHwnd(w);
  if (message == WM_MOUSEMOVE) {
    SendMessage(h, WM_SETCURSOR, reinterpret_cast<WParam>(h),
                PointParam({static_cast<int>(HTCLIENT), static_cast<int>(WM_MOUSEMOVE)}));
  } else if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
    SetForegroundWindow(h);
  }
  Enqueue({h,
           message,
           MouseKeys(event),
           PointParam({client.x, client.y}),
           0,
           {global.x(), global.y()}});
  return true;
}

// The wheel turns for the window with the focus, as on Win32; one notch is
// 120 there and in Qt alike.
bool OnWheel(QWidget* widget, QWheelEvent* event) {
  if (!WindowOfWidget(widget)) return false;
  Window* target = AsWindow(GetFocus());
  const int delta = event->angleDelta().y();
  if (!target || InputRefused(target) || delta == 0) return true;
  WParam keys = 0;
  if (event->buttons() & Qt::LeftButton) keys |= MK_LBUTTON;
  if (event->buttons() & Qt::RightButton) keys |= MK_RBUTTON;
  if (event->modifiers() & Qt::ShiftModifier) keys |= MK_SHIFT;
  if (event->modifiers() & Qt::ControlModifier) keys |= MK_CONTROL;
  const QPoint global = event->globalPosition().toPoint();
  Enqueue({ToHwnd(target),
           WM_MOUSEWHEEL,
           (static_cast<WParam>(static_cast<std::uint16_t>(delta)) << 16) | keys,
           PointParam(global),
           0,
           {global.x(), global.y()}});
  return true;
}

bool OnLeave(QWidget* widget) {
  Window* w = WindowOfWidget(widget);
  if (!w || w->widget != widget || !w->trackLeave) return false;
  w->trackLeave = false;
  Enqueue({ToHwnd(w), WM_MOUSELEAVE, 0, 0, 0, CursorPoint()});
  return false;
}

bool OnClose(QWidget* widget, QCloseEvent* event) {
  Window* w = WindowOfWidget(widget);
  if (!w || w->widget != widget) return false;
  // Whether the window goes is the window procedure's to decide.
  event->ignore();
  if (!w->disabled) Enqueue({ToHwnd(w), WM_SYSCOMMAND, SC_CLOSE, 0, 0, CursorPoint()});
  return true;
}

bool OnResize(QWidget* widget, QEvent* event) {
  Window* w = WindowOfWidget(widget);
  if (!w || w->widget != widget || (w->style & WS_CHILD) || !event->spontaneous()) return false;
  SendMessage(ToHwnd(w), WM_SIZE, 0, SizeParam(w));
  return false;
}

// The caption of a drawn frame shows whether its window is active.
bool OnActivationChange(QWidget* widget) {
  Window* w = WindowOfWidget(widget);
  if (w && w->widget == widget && DrawsOwnFrame(w)) widget->update();
  return false;
}

bool OnPaint(QWidget* widget) {
  Window* w = WindowOfWidget(widget);
  if (!w || w->widget != widget) return false;
  return PaintWindow(w);
}

// A window that may not change its size and that the program did not
// maximise asks to be restored when a window manager maximises it or fills
// the screen with it all the same. A window that is its own frame is a
// Wayland surface, which must take the size of such a state before it may
// leave it (and Qt keeps a fixed window's size, over which some compositors
// end the connection): it is made anew in the normal state instead. A
// manager that insists within a second keeps the state it wants.
bool RefusedImposedState(Window* w, QWidget* widget, Qt::WindowStates state) {
  constexpr Qt::WindowStates kFilling = Qt::WindowMaximized | Qt::WindowFullScreen;
  constexpr qint64 kInsistingMs = 1000;
  if (!(state & kFilling) || (w->style & WS_THICKFRAME) || w->showState == SW_SHOWMAXIMIZED)
    return false;
  if (w->stateRefused.isValid() && w->stateRefused.elapsed() < kInsistingMs) return false;
  w->stateRefused.start();
  const bool remake = DrawsOwnFrame(w) && widget->isVisible();
  if (remake) widget->hide();
  widget->setWindowState(state & ~kFilling);
  if (remake) widget->show();
  return true;
}

// Minimised, maximised or restored by the window manager: the layer reads
// the state back as Win32's IsIconic and IsZoomed give it.
bool OnWindowStateChange(QWidget* widget) {
  Window* w = WindowOfWidget(widget);
  if (!w || w->widget != widget || IsChild(w)) return false;
  const Qt::WindowStates state = widget->windowState();
  if (RefusedImposedState(w, widget, state)) return false;
  w->showState = (state & Qt::WindowMinimized)   ? SW_SHOWMINIMIZED
                 : (state & Qt::WindowMaximized) ? SW_SHOWMAXIMIZED
                                                 : SW_SHOWNORMAL;
  return false;
}

class InputFilter : public QObject {
 public:
  bool eventFilter(QObject* object, QEvent* event) override {
    if (delivering > 0 || !object->isWidgetType()) return false;
    auto* widget = static_cast<QWidget*>(object);
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
        return OnKey(widget, static_cast<QKeyEvent*>(event));
      case QEvent::InputMethod:
        return OnInputMethod(widget, static_cast<QInputMethodEvent*>(event));
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::MouseMove:
        return OnMouse(widget, static_cast<QMouseEvent*>(event));
      case QEvent::Wheel:
        return OnWheel(widget, static_cast<QWheelEvent*>(event));
      case QEvent::ContextMenu:
        return WindowOfWidget(widget) != nullptr;
      case QEvent::Leave:
        return OnLeave(widget);
      case QEvent::Close:
        return OnClose(widget, static_cast<QCloseEvent*>(event));
      case QEvent::Resize:
        return OnResize(widget, event);
      case QEvent::Paint:
        return OnPaint(widget);
      case QEvent::WindowStateChange:
        return OnWindowStateChange(widget);
      case QEvent::ActivationChange:
        return OnActivationChange(widget);
      default:
        return false;
    }
  }
};

}  // namespace

void InstallInputFilter() {
  static InputFilter* filter = new InputFilter;
  QCoreApplication::instance()->installEventFilter(filter);
}

bool DeliverToWidget(QWidget* widget, QEvent* event) {
  ++delivering;
  const bool accepted = QCoreApplication::sendEvent(widget, event);
  --delivering;
  return accepted;
}

void TranslateKey(const QueuedMessage& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return;
  auto found = TypedText().find(message.time);
  if (found == TypedText().end()) return;
  const QString text = found->second;
  // Key presses queued before this one that were never translated (their
  // window went, or a filter took them) are stale now.
  TypedText().erase(TypedText().begin(), std::next(found));
  const U32 charMessage = message.message == WM_KEYDOWN ? WM_CHAR : WM_SYSCHAR;
  // Queued in front, last first, so they come next and in order.
  for (qsizetype i = text.size(); i-- > 0;) {
    const char16_t unit = text[i].unicode();
    if (unit == 0x7F) continue;  // Delete types nothing on Win32
    EnqueueFront({message.window, charMessage, unit, message.lParam, message.time, message.point});
  }
}

}  // namespace native::qt
