#include "controls/hooks.h"

#include <algorithm>

#include "controls/dispatch.h"
#include "controls/fonts.h"
#include "controls/native/win_defs.h"
#include "controls/properties.h"

namespace controls {

using namespace native;

namespace {

// ---- generic control hook ----------------------------------------------

LResult AnswerColor(Control* control, Dc dc) {
  native::SetTextColor(dc, ResolveColor(control->look.fontColor));
  if (control->look.transparent) {
    native::SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LResult>(native::GetStockBrush(NULL_BRUSH));
  }
  native::SetBkMode(dc, OPAQUE);
  native::SetBkColor(dc, ResolveColor(control->look.color));
  return reinterpret_cast<LResult>(ControlBrush(control));
}

// Runs the event a notification code stands for; false when it is none of the kind's.
bool FireNotification(Control* control, std::uint16_t code) {
  const KindTable& table = *control->kindTable;
  if (code == table.clickCode) {
    if (control->state.focusing > 0) return true;
    if (control->events.OnClick.Assigned()) control->events.OnClick(control);
  } else if (code == table.enterCode) {
    if (control->events.OnEnter.Assigned()) control->events.OnEnter(control);
  } else if (code == table.leaveCode) {
    if (control->events.OnLeave.Assigned()) control->events.OnLeave(control);
  } else if (code == table.changeCode) {
    if (control->events.OnChange.Assigned()) control->events.OnChange(control);
  } else if (code == table.selChangeCode) {
    const bool own = control->comboPart && control->comboPart->OnSelChange.Assigned();
    const NotifyEvent& event = own ? control->comboPart->OnSelChange : control->events.OnChange;
    if (event.Assigned()) event(control);
  } else {
    return false;
  }
  return true;
}

// ---- input --------------------------------------------------------------

struct MouseRoute {
  std::uint32_t message;
  std::uint8_t button;
  MouseEvent ControlEvents::*event;
};

constexpr MouseRoute kMouseRoutes[] = {
    {WM_MOUSEMOVE, 0, &ControlEvents::OnMouseMove},
    {WM_LBUTTONDOWN, 1, &ControlEvents::OnMouseDown},
    {WM_LBUTTONUP, 1, &ControlEvents::OnMouseUp},
    {WM_LBUTTONDBLCLK, 1, &ControlEvents::OnMouseDblClk},
    {WM_RBUTTONDOWN, 2, &ControlEvents::OnMouseDown},
    {WM_RBUTTONUP, 2, &ControlEvents::OnMouseUp},
    {WM_RBUTTONDBLCLK, 2, &ControlEvents::OnMouseDblClk},
    {WM_MBUTTONDOWN, 3, &ControlEvents::OnMouseDown},
    {WM_MBUTTONUP, 3, &ControlEvents::OnMouseUp},
    {WM_MBUTTONDBLCLK, 3, &ControlEvents::OnMouseDblClk},
    {WM_MOUSEWHEEL, 0, &ControlEvents::OnMouseWheel},
};

bool IsMouseMessage(std::uint32_t number) {
  return number >= WM_MOUSEMOVE && number <= WM_MOUSEWHEEL;
}

bool PointerOver(Control* control) {
  if (control->events.pointerOverTest.Assigned()) return control->events.pointerOverTest(control);
  Point p = controls::ScreenToClient(control, native::GetCursorPos());
  Rect r = ClientRect(control);
  return p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom;
}

void PointerLeft(Control* control) {
  control->state.pointerInside = false;
  if (control->events.OnMouseLeave.Assigned()) control->events.OnMouseLeave(control);
}

// An open list shows one to eight items.
void SizeOpenList(Control* control) {
  native::SetOpenListRows(control->window, std::clamp(ItemCount(control), 1, 8));
}

}  // namespace

bool GenericControlHook(Control* control, Message& message, LResult& result) {
  if (message.message >= CM_CTLCOLORFIRST && message.message <= CM_CTLCOLORLAST)
    return HandledWith(result, AnswerColor(control, reinterpret_cast<Dc>(message.wParam)));
  if (message.message == CM_COMMAND) {
    if (!FireNotification(control, HighWord(message.wParam))) return false;
    return HandledWith(result, DefaultProcessing(control, message));
  }
  if (message.message == WM_SETFOCUS) {
    if (Control* form = ParentForm(control)) form->formPart->currentControl = control;
  }
  return false;
}

bool MouseHook(Control* control, Message& message, LResult&) {
  for (const MouseRoute& route : kMouseRoutes) {
    if (route.message != message.message) continue;
    const MouseEvent& event = control->events.*route.event;
    if (!event.Assigned()) return false;
    MouseRecord record;
    record.button = route.button;
    record.shift = LowWord(message.wParam) | (IsKeyDown(VK_MENU) ? 0x20u : 0u);
    const Point at = native::MousePosition(control->window, message.lParam);
    record.x = static_cast<std::int16_t>(at.x);
    record.y = static_cast<std::int16_t>(at.y);
    event(control, record);
    return record.stop != 0;
  }
  return false;
}

bool EnterLeaveHook(Control* control, Message& message, LResult&) {
  if (message.message == WM_MOUSELEAVE) {
    if (control->state.pointerInside) {
      PointerLeft(control);
      Invalidate(control);
    }
    return false;
  }
  if (!IsMouseMessage(message.message)) return false;
  bool inside = PointerOver(control);
  if (inside == control->state.pointerInside) return false;
  Invalidate(control);
  if (inside) {
    control->state.pointerInside = true;
    if (control->events.OnMouseEnter.Assigned()) control->events.OnMouseEnter(control);
    native::TrackMouseLeave(control->window, false);
  } else {
    native::TrackMouseLeave(control->window, true);
    PointerLeft(control);
  }
  Invalidate(control);
  return false;
}

bool ComboHook(Control* control, Message& message, LResult& result) {
  if (IsColorRequest(message.message))
    return HandledWith(result,
                       native::SendMessage(control->window, message.message + kReflectOffset,
                                           message.wParam, message.lParam));
  if (message.message != CM_COMMAND) return false;
  ComboPart& combo = *control->comboPart;
  switch (HighWord(message.wParam)) {
    case CBN_SELCHANGE:
      // Posted: the combo box has not put the new text in place yet.
      native::PostMessage(control->window, CM_COMMAND, WParam{kSelChangeCode} << 16,
                          message.lParam);
      break;
    case CBN_DROPDOWN:
      combo.droppedDown = true;
      combo.savedIndex = GetSelectedIndex(control);
      SizeOpenList(control);
      if (combo.OnDropDown.Assigned()) combo.OnDropDown(control);
      break;
    case CBN_CLOSEUP:
      combo.droppedDown = false;
      if (combo.OnCloseUp.Assigned()) combo.OnCloseUp(control);
      break;
    default:
      break;
  }
  return false;
}

bool SizeHook(Control* control, Message& message, LResult& result) {
  const FormPart& form = *control->formPart;
  if (!form.fixedSize) return false;
  if (message.message == WM_GETMINMAXINFO) {
    result = DefaultProcessing(control, message);
    native::SetTrackSizes(control->window, message.lParam, form.frozenWidth, form.frozenHeight);
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
