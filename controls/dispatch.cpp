#include "controls/dispatch.h"

#include "controls/native/win_defs.h"

namespace controls {

using namespace native;

namespace {

constexpr const char* kPrevProcProp = "PREV_PROC";

bool IsKeyMessage(std::uint32_t number) { return number >= WM_KEYFIRST && number <= WM_KEYLAST; }

// ---- stage 1: the application window sees every other control's messages

bool AppWindowTakes(Control* control, Message& message, LResult& result) {
  return AppRunning && AppWindow && control != AppWindow &&
         AppWindow->events.OnMessage.Assigned() &&
         AppWindow->events.OnMessage(control, message, result);
}

// ---- stage 4: built-in handling ----------------------------------------

std::uint32_t ShiftState() {
  return (IsKeyDown(VK_SHIFT) ? 4u : 0u) | (IsKeyDown(VK_CONTROL) ? 8u : 0u) |
         (IsKeyDown(VK_MENU) ? 0x20u : 0u);
}

KeyEvent* KeyEventFor(Control* control, std::uint32_t number) {
  switch (number) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      return &control->events.OnKeyDown;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      return &control->events.OnKeyUp;
    case WM_CHAR:
      return &control->events.OnKeyChar;
    default:
      return nullptr;
  }
}

// The key events: a handler that sets the key to 0 swallows it.
bool KeyboardRouter(Control* control, Message& message, LResult& result) {
  KeyEvent* event = KeyEventFor(control, message.message);
  if (!event || !event->Assigned()) return false;
  (*event)(control, message.wParam, ShiftState());
  if (message.wParam != 0) return false;
  return HandledWith(result, 0);
}

bool KeyHandling(Control* control, Message& message, LResult& result) {
  // Keys belong to the focused window; while none has the focus, to anyone.
  const Hwnd focus = native::GetFocus();
  if (focus && focus != control->window) return HandledWith(result, 0);
  if (KeyboardRouter(control, message, result)) return true;
  if (IsKeyDown(VK_CONTROL) || IsKeyDown(VK_MENU)) return false;
  if (message.message == WM_CHAR && message.wParam == VK_TAB) {
    message.wParam = 0;  // Tab moves nothing here and is never typed
    return HandledWith(result, 0);
  }
  return false;
}

bool OnCloseMessage(Control* control, LResult& result) {
  if (FormPart* form = control->formPart.get()) {
    if (form->OnClose.Assigned()) {
      bool accept = true;
      form->OnClose(control, accept);
      if (!accept && AppRunning) return HandledWith(result, 0);
    }
    form->OnClose = {};  // asked once
  }
  if (!IsMainWindow(control) && control != AppWindow) return false;
  if (AppWindow && AppWindow != control) native::SendMessage(AppWindow->window, WM_CLOSE, 0, 0);
  native::PostQuitMessage(0);
  return HandledWith(result, 0);
}

bool OnNcDestroy(Control* control, LResult& result) {
  UntieWindow(control);
  // The window no longer exists whoever destroyed it: nothing may call on it.
  control->state.windowGone = true;
  if (!control->parent || control->parent != AppWindow || IsMainWindow(control)) return false;
  Free(control);
  return HandledWith(result, 0);
}

bool OnShowWindow(Control* control, const Message& message, LResult& result) {
  FormPart* form = control->formPart.get();
  if (message.lParam == SW_PARENTCLOSING) {
    if (form)
      form->showStateToRestore = native::IsIconic(control->window)   ? SW_SHOWMINNOACTIVE
                                 : native::IsZoomed(control->window) ? SW_SHOWMAXIMIZED
                                                                     : SW_SHOWNOACTIVATE;
    return false;
  }
  if (message.lParam == SW_PARENTOPENING) {
    if (form && form->showStateToRestore)
      native::ShowWindow(control->window, form->showStateToRestore);
    if (form) form->showStateToRestore = 0;
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
  if (!control->state.enabled || !control->state.tabStop) return HandledWith(result, 0);
  ++control->state.focusing;
  native::SetFocus(control->window);
  result = DefaultProcessing(control, message);
  --control->state.focusing;
  return true;
}

bool OnSetCursor(Control* control, const Message& message, LResult& result) {
  if (CursorBusy || native::GetCapture() ||
      LowWord(static_cast<std::uintptr_t>(message.lParam)) != HTCLIENT)
    return false;
  Cursor cursor = ScreenCursor ? ScreenCursor : control->look.cursor;
  if (!cursor) return false;
  native::SetCursor(cursor);
  return HandledWith(result, 1);
}

// Colour requests and commands go back to the control that sent them, so it
// answers with its own colours and runs its own events. A window that is not
// the layer's keeps the default answer.
bool ReflectToChild(const Message& message, std::uint32_t reflected, LResult& result) {
  auto child = reinterpret_cast<Hwnd>(message.lParam);
  if (!ControlOfWindow(child)) return false;
  return HandledWith(result, native::SendMessage(child, reflected, message.wParam, message.lParam));
}

bool BuiltInHandling(Control* control, Message& message, LResult& result) {
  const std::uint32_t number = message.message;
  if (IsKeyMessage(number)) return KeyHandling(control, message, result);
  if (IsColorRequest(number)) return ReflectToChild(message, number + kReflectOffset, result);
  switch (number) {
    case WM_CLOSE:
      return OnCloseMessage(control, result);
    case WM_NCDESTROY:
      return OnNcDestroy(control, result);
    case WM_SHOWWINDOW:
      return OnShowWindow(control, message, result);
    case WM_SYSCOMMAND:
      return OnSysCommand(control, message, result);
    case WM_SETFOCUS:
      return OnSetFocus(control, message, result);
    case WM_SETCURSOR:
      return OnSetCursor(control, message, result);
    case WM_COMMAND:
      return ReflectToChild(message, CM_COMMAND, result);
    default:
      return false;
  }
}

// ---- inner windows of a combo box --------------------------------------

LResult CallPreviousProc(const Message& inner) {
  auto previous = reinterpret_cast<WndProc>(native::GetProp(inner.window, kPrevProcProp));
  if (!previous) return 0;
  return native::CallWindowProc(previous, inner.window, inner.message, inner.wParam, inner.lParam);
}

bool OfferToFormEvents(Control* control, Message& message, LResult& result) {
  if (AppWindow && AppWindow->events.OnMessage.Assigned() &&
      AppWindow->events.OnMessage(control, message, result))
    return true;
  Control* form = ParentForm(control);
  return form && form != AppWindow && form->events.OnMessage.Assigned() &&
         form->events.OnMessage(control, message, result);
}

// Key messages of the inner edit: Tab never goes in; Esc and Enter close an
// open list (Esc back to the item it was opened on). True swallows the message.
bool InnerKeyMessage(Control* control, Message& message) {
  LResult ignored = 0;
  if (message.wParam == VK_TAB && message.message != WM_KEYDOWN) return true;
  const bool closesList =
      message.message == WM_CHAR && (message.wParam == VK_ESCAPE || message.wParam == VK_RETURN);
  if (closesList && native::SendMessage(control->window, CB_GETDROPPEDSTATE, 0, 0) != 0) {
    native::SendMessage(control->window, CB_SHOWDROPDOWN, 0, 0);
    if (message.wParam == VK_ESCAPE && control->comboPart)
      native::SendMessage(control->window, CB_SETCURSEL,
                          static_cast<WParam>(control->comboPart->savedIndex), 0);
    KeyboardRouter(control, message, ignored);
    return true;
  }
  KeyboardRouter(control, message, ignored);
  return false;
}

LResult InnerWindowProc(Hwnd window, std::uint32_t number, WParam wParam, LParam lParam) {
  Control* control = ControlOfWindow(native::GetParent(window));
  if (!control) return native::DefWindowProc(window, number, wParam, lParam);
  const Hold hold(control);
  Message message{control->window, number, wParam, lParam};
  LResult result = 0;
  if (OfferToFormEvents(control, message, result)) return result;
  Message inner{window, number, message.wParam, message.lParam};
  if (number == WM_KEYDOWN || number == WM_KEYUP || number == WM_CHAR) {
    if (InnerKeyMessage(control, message)) return 0;
    inner.wParam = message.wParam;
  } else if (number == WM_SETFOCUS) {
    if (Control* form = ParentForm(control)) form->formPart->currentControl = control;
  }
  return CallPreviousProc(inner);
}

}  // namespace

// The dispatch order. Each stage may consume the message, which ends the
// dispatch with the stage's result; what no stage consumes gets the default
// processing of the window's class.
LResult Control::WindowProc(Message& message) {
  // A Free from any stage waits until the dispatch is over.
  const Hold hold(this);
  LResult result = 0;
  // 1. The AppWindow's OnMessage, for every other control while the application runs.
  if (AppWindowTakes(this, message, result)) return result;
  // 2. The control's own OnMessage.
  if (events.OnMessage.Assigned() && events.OnMessage(this, message, result)) return result;
  // 3. The hook chain, newest hook first.
  if (RunHookChain(this, message, result)) return result;
  // 4. Built-in handling: a key goes to the focused control's key events, and a
  //    typed Tab is dropped; the other messages the layer knows get its answer.
  if (BuiltInHandling(this, message, result)) return result;
  // 5. Default processing by the window's class.
  return DefaultProcessing(this, message);
}

bool IsKeyDown(int virtualKey) { return native::GetKeyState(virtualKey) < 0; }

bool IsColorRequest(std::uint32_t number) {
  return number >= WM_CTLCOLORMSGBOX && number <= WM_CTLCOLORSTATIC;
}

LResult SharedWindowProc(Hwnd window, std::uint32_t number, WParam wParam, LParam lParam) {
  Message message{window, number, wParam, lParam};
  Control* control = nullptr;
  if (window && CreatingControl) {
    control = CreatingControl;
    CreatingControl = nullptr;
    TieWindow(control, window);
  } else {
    control = ControlOfWindow(window);
  }
  if (control) return control->WindowProc(message);
  if (AppWindow) return AppWindow->WindowProc(message);
  return native::DefWindowProc(window, number, wParam, lParam);
}

bool RunHookChain(Control* control, Message& message, LResult& result) {
  if (control->BeingDestroyed()) return false;
  const Hold hold(control);
  // A control freed while someone still holds it works on until it goes (a
  // window that left WM_PAINT unanswered would be sent it for ever); a hook
  // that frees it ends the dispatch.
  const bool freeAlreadyDue = control->FreeRequested();
  const auto freedByHook = [&] { return !freeAlreadyDue && control->FreeRequested(); };
  // A hook may detach hooks or free the control, so the index is checked
  // against the chain as it is now.
  for (int i = static_cast<int>(control->hookChain.size()) - 1; i >= 0; --i) {
    if (i >= static_cast<int>(control->hookChain.size())) continue;
    const HookEntry entry = control->hookChain[static_cast<std::size_t>(i)];
    if (AppTerminated && !entry.keepAfterTermination) continue;
    if (entry.hook(control, message, result)) return true;
    if (freedByHook()) break;  // stop touching it
  }
  return freedByHook();
}

LResult DefaultProcessing(Control* control, const Message& message) {
  if (control->baseWindowProc)
    return native::CallWindowProc(control->baseWindowProc, control->window, message.message,
                                  message.wParam, message.lParam);
  return native::DefWindowProc(message.window, message.message, message.wParam, message.lParam);
}

void SubclassInnerWindows(Control* control) {
  for (Hwnd child : native::ChildWindows(control->window)) {
    WndProc previous = native::SubclassWindow(child, InnerWindowProc);
    native::SetProp(child, kPrevProcProp, reinterpret_cast<void*>(previous));
  }
}

}  // namespace controls
