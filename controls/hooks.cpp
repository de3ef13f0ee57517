#include "controls/hooks.h"

#include <algorithm>

#include "controls/native/win_defs.h"
#include "controls/properties.h"

namespace controls {

using namespace native;

namespace {

bool IsKeyDown(int virtualKey) { return native::GetKeyState(virtualKey) < 0; }

bool IsCtlColor(std::uint32_t number) { return number >= WM_CTLCOLORMSGBOX && number <= WM_CTLCOLORSTATIC; }

bool HandledWith(LResult& result, LResult value) {
  result = value;
  return true;
}

// ---- built-in handling, one function per message -----------------------

bool OnCloseMessage(Control* control, LResult& result) {
  if (control->OnClose.Assigned()) {
    bool accept = true;
    control->OnClose(control, accept);
    if (!accept && AppRunning) return HandledWith(result, 0);
  }
  control->OnClose = {};
  if (!IsMainWindow(control) && control != AppWindow) return false;
  if (AppWindow && AppWindow != control) native::SendMessage(AppWindow->window, WM_CLOSE, 0, 0);
  native::PostQuitMessage(0);
  return HandledWith(result, 0);
}

bool OnNcDestroy(Control* control, LResult& result) {
  native::RemoveProp(control->window, "SELF_");
  // The window no longer exists whoever destroyed it: nothing may call on it.
  control->windowGone = true;
  if (!control->parent || control->parent != AppWindow || IsMainWindow(control)) return false;
  Free(control);
  return HandledWith(result, 0);
}

bool OnShowWindow(Control* control, const Message& message, LResult& result) {
  if (message.lParam == SW_PARENTCLOSING) {
    control->showStateToRestore = native::IsIconic(control->window)   ? SW_SHOWMINNOACTIVE
                                  : native::IsZoomed(control->window) ? SW_SHOWMAXIMIZED
                                                                      : SW_SHOWNOACTIVATE;
    return false;
  }
  if (message.lParam == SW_PARENTOPENING) {
    if (control->showStateToRestore) native::ShowWindow(control->window, control->showStateToRestore);
    control->showStateToRestore = 0;
    return HandledWith(result, 0);
  }
  return false;
}

bool OnSysCommand(Control* control, const Message& message, LResult& result) {
  if ((message.wParam & 0xFFF0) != SC_MINIMIZE || !IsMainWindow(control) || control == AppWindow ||
      !AppWindow)
    return false;
  native::PostMessage(AppWindow->window, message.message, message.wParam, message.lParam);
  return HandledWith(result, 0);
}

bool OnSetFocus(Control* control, const Message& message, LResult& result) {
  if (!control->enabled || !control->tabStop) return HandledWith(result, 0);
  ++control->focusing;
  native::SetFocus(control->window);
  result = DefaultProcessing(control, message);
  --control->focusing;
  return true;
}

bool OnSetCursor(Control* control, const Message& message, LResult& result) {
  if (CursorBusy || native::GetCapture() || LowWord(static_cast<std::uintptr_t>(message.lParam)) != HTCLIENT)
    return false;
  Cursor cursor = ScreenCursor ? ScreenCursor : control->cursor;
  if (!cursor) return false;
  native::SetCursor(cursor);
  return HandledWith(result, 1);
}

// Colour requests go back to the control that asked, so it answers with its
// own colours. A window that is not the layer's keeps the default answer.
bool OnCtlColor(const Message& message, LResult& result) {
  auto child = reinterpret_cast<Hwnd>(message.lParam);
  if (!ControlOfWindow(child)) return false;
  return HandledWith(result, native::SendMessage(child, message.message + kReflectOffset, message.wParam,
                                                 message.lParam));
}

bool OnCommand(const Message& message, LResult& result) {
  auto child = reinterpret_cast<Hwnd>(message.lParam);
  if (!ControlOfWindow(child)) return false;
  return HandledWith(result, native::SendMessage(child, CM_COMMAND, message.wParam, message.lParam));
}

bool OnKeyMessage(Control* control, Message& message, LResult& result) {
  Hwnd focus = native::GetFocus();
  if (focus != control->window && focus != control->innerWindow) return HandledWith(result, 0);
  if (control->keyboardRouter && control->keyboardRouter(control, message, result)) return true;
  if (IsKeyDown(VK_CONTROL) || IsKeyDown(VK_MENU)) return false;
  if (message.message == WM_CHAR && message.wParam == VK_TAB) {
    message.wParam = 0;  // Tab moves nothing here and is never typed
    return HandledWith(result, 0);
  }
  Control* form = ParentForm(control);
  if (message.message != WM_CHAR && form && form->navigationHandler)
    return form->navigationHandler(control, message, result);
  return false;
}

// ---- generic control hook ----------------------------------------------

LResult AnswerColor(Control* control, Dc dc) {
  native::SetTextColor(dc, ResolveColor(control->fontColor));
  if (control->transparent) {
    native::SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LResult>(native::GetStockBrush(NULL_BRUSH));
  }
  native::SetBkMode(dc, OPAQUE);
  native::SetBkColor(dc, ResolveColor(control->color));
  return reinterpret_cast<LResult>(ControlBrush(control));
}

// Runs the event a notification code stands for; false when it is none of the kind's.
bool FireNotification(Control* control, std::uint16_t code) {
  const KindTable& table = control->kindTable;
  if (code == table.clickCode) {
    if (control->focusing > 0) return true;
    if (control->kindClickAction) control->kindClickAction(control);
    if (control->OnClick.Assigned()) control->OnClick(control);
  } else if (code == table.enterCode) {
    if (control->OnEnter.Assigned()) control->OnEnter(control);
  } else if (code == table.leaveCode) {
    if (control->OnLeave.Assigned()) control->OnLeave(control);
  } else if (code == table.changeCode) {
    if (control->OnChange.Assigned()) control->OnChange(control);
  } else if (code == table.selChangeCode) {
    const NotifyEvent& event = control->OnSelChange.Assigned() ? control->OnSelChange : control->OnChange;
    if (event.Assigned()) event(control);
  } else {
    return false;
  }
  return true;
}

// ---- input --------------------------------------------------------------

KeyEvent* KeyEventFor(Control* control, std::uint32_t number) {
  switch (number) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return &control->OnKeyDown;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return &control->OnKeyUp;
    case WM_CHAR:
      return &control->OnKeyChar;
    default:
      return nullptr;
  }
}

struct MouseRoute {
  std::uint32_t message;
  std::uint8_t button;
  MouseEvent Control::*event;
};

constexpr MouseRoute kMouseRoutes[] = {
    {WM_MOUSEMOVE, 0, &Control::OnMouseMove},       {WM_LBUTTONDOWN, 1, &Control::OnMouseDown},
    {WM_LBUTTONUP, 1, &Control::OnMouseUp},         {WM_LBUTTONDBLCLK, 1, &Control::OnMouseDblClk},
    {WM_RBUTTONDOWN, 2, &Control::OnMouseDown},     {WM_RBUTTONUP, 2, &Control::OnMouseUp},
    {WM_RBUTTONDBLCLK, 2, &Control::OnMouseDblClk}, {WM_MBUTTONDOWN, 3, &Control::OnMouseDown},
    {WM_MBUTTONUP, 3, &Control::OnMouseUp},         {WM_MBUTTONDBLCLK, 3, &Control::OnMouseDblClk},
    {WM_MOUSEWHEEL, 0, &Control::OnMouseWheel},
};

bool IsMouseMessage(std::uint32_t number) { return number >= WM_MOUSEMOVE && number <= WM_MOUSEWHEEL; }

bool PointerOver(Control* control) {
  if (control->pointerOverTest.Assigned()) return control->pointerOverTest(control);
  Point p = controls::ScreenToClient(control, native::GetCursorPos());
  Rect r = ClientRect(control);
  return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

void PointerLeft(Control* control) {
  control->pointerInside = false;
  if (control->OnMouseLeave.Assigned()) control->OnMouseLeave(control);
}

}  // namespace

std::uint32_t ShiftState() {
  return (IsKeyDown(VK_SHIFT) ? 4u : 0u) | (IsKeyDown(VK_CONTROL) ? 8u : 0u) | (IsKeyDown(VK_MENU) ? 0x20u : 0u);
}

bool BuiltInHandling(Control* control, Message& message, LResult& result) {
  const std::uint32_t number = message.message;
  if (IsCtlColor(number)) return OnCtlColor(message, result);
  if (number >= WM_KEYFIRST && number <= WM_KEYLAST) return OnKeyMessage(control, message, result);
  switch (number) {
    case WM_CLOSE:
      return OnCloseMessage(control, result);
    case WM_NCDESTROY:
      return OnNcDestroy(control, result);
    case WM_SIZE:
      result = DefaultProcessing(control, message);
      control->sizeState = static_cast<std::uint8_t>(message.wParam);
      return true;
    case WM_SHOWWINDOW:
      return OnShowWindow(control, message, result);
    case WM_SYSCOMMAND:
      return OnSysCommand(control, message, result);
    case WM_SETFOCUS:
      return OnSetFocus(control, message, result);
    case WM_SETCURSOR:
      return OnSetCursor(control, message, result);
    case WM_COMMAND:
      return OnCommand(message, result);
    default:
      return false;
  }
}

bool GenericControlHook(Control* control, Message& message, LResult& result) {
  if (message.message >= CM_CTLCOLORFIRST && message.message <= CM_CTLCOLORLAST)
    return HandledWith(result, AnswerColor(control, reinterpret_cast<Dc>(message.wParam)));
  if (message.message == CM_COMMAND) {
    if (!FireNotification(control, HighWord(message.wParam))) return false;
    return HandledWith(result, DefaultProcessing(control, message));
  }
  if (message.message == WM_SETFOCUS) {
    if (Control* form = ParentForm(control)) form->currentControl = control;
  }
  return false;
}

bool KeyboardRouter(Control* control, Message& message, LResult& result) {
  KeyEvent* event = KeyEventFor(control, message.message);
  if (!event || !event->Assigned()) return false;
  (*event)(control, message.wParam, ShiftState());
  if (message.wParam != 0) return false;
  return HandledWith(result, 0);
}

bool InnerKeyMessage(Control* control, Message& message) {
  LResult ignored = 0;
  const bool isChar = message.message == WM_CHAR;
  if (message.wParam == VK_TAB && message.message != WM_KEYDOWN) return true;
  const bool closesList = isChar && (message.wParam == VK_ESCAPE || message.wParam == VK_RETURN);
  if (closesList && native::SendMessage(control->window, CB_GETDROPPEDSTATE, 0, 0) != 0) {
    native::SendMessage(control->window, CB_SHOWDROPDOWN, 0, 0);
    if (message.wParam == VK_ESCAPE)
      native::SendMessage(control->window, CB_SETCURSEL, static_cast<WParam>(control->savedIndex), 0);
    if (control->keyboardRouter) control->keyboardRouter(control, message, ignored);
    return true;
  }
  if (control->keyboardRouter) control->keyboardRouter(control, message, ignored);
  return false;
}

bool MouseHook(Control* control, Message& message, LResult&) {
  for (const MouseRoute& route : kMouseRoutes) {
    if (route.message != message.message) continue;
    const MouseEvent& event = control->*route.event;
    if (!event.Assigned()) return false;
    MouseRecord record;
    record.button = route.button;
    record.shift = LowWord(message.wParam) | (IsKeyDown(VK_MENU) ? 0x20u : 0u);
    record.x = static_cast<std::int16_t>(LowWord(static_cast<std::uintptr_t>(message.lParam)));
    record.y = static_cast<std::int16_t>(HighWord(static_cast<std::uintptr_t>(message.lParam)));
    event(control, record);
    return record.stop != 0;
  }
  return false;
}

bool EnterLeaveHook(Control* control, Message& message, LResult&) {
  if (message.message == WM_MOUSELEAVE) {
    if (control->pointerInside) {
      PointerLeft(control);
      Invalidate(control);
    }
    return false;
  }
  if (!IsMouseMessage(message.message)) return false;
  bool inside = PointerOver(control);
  if (inside == control->pointerInside) return false;
  Invalidate(control);
  if (inside) {
    control->pointerInside = true;
    if (control->OnMouseEnter.Assigned()) control->OnMouseEnter(control);
    native::TrackMouseLeave(control->window, false);
  } else {
    native::TrackMouseLeave(control->window, true);
    PointerLeft(control);
  }
  Invalidate(control);
  return false;
}

void DropDownHandler(Control* control) {
  int shown = std::clamp(ItemCount(control), 1, 8);
  Bounds b = GetBounds(control);
  native::SetWindowPos(control->window, nullptr, 0, 0, b.Width(), b.Height() * (shown + 1) + 2,
                       SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  native::SetWindowPos(control->window, nullptr, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  if (control->OnDropDown.Assigned()) control->OnDropDown(control);
}

bool ComboHook(Control* control, Message& message, LResult& result) {
  if (IsCtlColor(message.message))
    return HandledWith(result, native::SendMessage(control->window, message.message + kReflectOffset,
                                                   message.wParam, message.lParam));
  if (message.message != CM_COMMAND) return false;
  switch (HighWord(message.wParam)) {
    case CBN_SELCHANGE:
      // Posted: the combo box has not put the new text in place yet.
      native::PostMessage(control->window, CM_COMMAND, WParam{kSelChangeCode} << 16, message.lParam);
      break;
    case CBN_DROPDOWN:
      control->droppedDown = true;
      control->savedIndex = GetSelectedIndex(control);
      DropDownHandler(control);
      break;
    case CBN_CLOSEUP:
      control->droppedDown = false;
      if (control->OnCloseUp.Assigned()) control->OnCloseUp(control);
      break;
    default:
      break;
  }
  return false;
}

bool SizeHook(Control* control, Message& message, LResult& result) {
  if (!control->fixedSize) return false;
  if (message.message == WM_GETMINMAXINFO) {
    result = DefaultProcessing(control, message);
    native::SetTrackSizes(message.lParam, control->frozenWidth, control->frozenHeight);
    return true;
  }
  if (message.message == WM_NCHITTEST) {
    LResult hit = DefaultProcessing(control, message);
    if (hit < HTLEFT || hit > HTBOTTOMRIGHT) return false;
    return HandledWith(result, HTBORDER);
  }
  return false;
}

}  // namespace controls
