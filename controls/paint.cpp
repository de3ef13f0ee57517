#include "controls/paint.h"

#include <cstdlib>
#include <utility>

#include "controls/fonts.h"
#include "controls/native/win_defs.h"
#include "controls/properties.h"

namespace controls {

using namespace native;

namespace {

Rect ClientArea(Control* control) { return native::GetClientRect(control->window); }

Point ShadowTextOrigin(Control* control, const Rect& area, Point text) {
  Point origin;
  const int spareWidth = area.right - area.left - text.x;
  const int spareHeight = area.bottom - area.top - text.y;
  if (control->look.textAlign == TextAlign::Right) origin.x = spareWidth;
  if (control->look.textAlign == TextAlign::Centre) origin.x = spareWidth / 2;
  if (control->look.verticalAlign == VerticalAlign::Centre) origin.y = spareHeight / 2;
  if (control->look.verticalAlign == VerticalAlign::Bottom) origin.y = spareHeight;
  return origin;
}

std::uint32_t ShadowRgb(Control* control) {
  if (control->shadowPart->color != kNoColor) return ResolveColor(control->shadowPart->color);
  return MixColors(control->look.fontColor, 0xFEFEFE);
}

void DrawShadowLabel(Control* control, Dc dc) {
  const Rect area = ClientArea(control);
  void* oldFont = control->look.font ? SelectObject(dc, FontHandle(control->look.font)) : nullptr;
  const int depth = control->shadowPart->depth;
  const int grow = std::abs(depth) * (control->look.look3D ? 2 : 1);
  Point text = GetTextExtent(dc, control->caption);
  if (depth != 0) text = {text.x + grow, text.y + grow};
  const Point at = ShadowTextOrigin(control, area, text);
  if (!control->look.transparent) FillRect(dc, area, ControlBrush(control));
  SetBkMode(dc, TRANSPARENT);
  if (depth != 0) {
    SetTextColor(dc, ShadowRgb(control));
    if (!control->look.look3D) {
      ExtTextOut(dc, at.x + depth, at.y + depth, ETO_CLIPPED, area, control->caption);
    } else {
      const int step = depth > 0 ? 1 : -1;
      for (int i = step; i != depth + step; i += step)
        for (int j = step; j != depth + step; j += step)
          ExtTextOut(dc, at.x + i, at.y + j, ETO_CLIPPED, area, control->caption);
    }
  }
  SetTextColor(dc, ResolveColor(control->look.fontColor));
  ExtTextOut(dc, at.x, at.y, ETO_CLIPPED, area, control->caption);
  if (oldFont) SelectObject(dc, oldFont);
}

enum class ButtonState { Normal = 0, Pressed = 1, Disabled = 2, Focused = 3, Hot = 4 };

ButtonState StateOf(Control* button, std::uint32_t itemState) {
  const OwnerDrawPart& part = *button->ownerDrawPart;
  const bool pressed =
      (part.options & kOwnerDrawCheck) ? part.checked : (itemState & ODS_SELECTED) != 0;
  ButtonState state = ButtonState::Normal;
  if (pressed) {
    state = ButtonState::Pressed;
  } else if (itemState & ODS_DISABLED) {
    state = ButtonState::Disabled;
  } else if (itemState & ODS_FOCUS) {
    state = ButtonState::Focused;
  }
  if ((state == ButtonState::Normal || state == ButtonState::Focused) &&
      button->state.pointerInside)
    state = ButtonState::Hot;
  return state;
}

void Shrink(Rect& rect) { rect = {rect.left + 1, rect.top + 1, rect.right - 1, rect.bottom - 1}; }

void DrawButtonFrame(Control* button, Dc dc, Rect& rect, ButtonState state, bool focused) {
  const std::uint32_t options = button->ownerDrawPart->options;
  if (options & kOwnerDrawNoFrame) return;
  if (focused) {
    FrameRect(dc, rect, GetStockBrush(BLACK_BRUSH));
    Shrink(rect);
  }
  const bool flat = (options & kOwnerDrawFlat) != 0;
  if (!flat || state == ButtonState::Hot || focused) {
    DrawEdge(dc, rect, state == ButtonState::Pressed ? EDGE_SUNKEN : EDGE_RAISED,
             BF_RECT | BF_ADJUST);
    Shrink(rect);
  }
}

void DrawButtonText(Control* button, Dc dc, const Rect& rect, bool pressed) {
  const OwnerDrawPart& part = *button->ownerDrawPart;
  if ((part.options & kOwnerDrawNoText) || rect.right <= rect.left || rect.bottom <= rect.top)
    return;
  const std::string text = GetText(button);
  std::uint32_t options = ETO_CLIPPED;
  int oldMode = 0;
  std::uint32_t oldBack = 0;
  if (button->look.transparent) {
    oldMode = SetBkMode(dc, TRANSPARENT);
  } else {
    oldBack = SetBkColor(dc, ResolveColor(button->look.color));
    options |= ETO_OPAQUE;
  }
  void* oldFont = button->look.font ? SelectObject(dc, FontHandle(button->look.font)) : nullptr;
  std::uint32_t oldColor = SetTextColor(dc, ResolveColor(button->look.fontColor));
  Point size = GetTextExtent(dc, text);
  const int width = rect.right - rect.left, height = rect.bottom - rect.top;
  int y = rect.top + (height - size.y) / 2;
  int x = rect.left;
  if (button->look.textAlign == TextAlign::Right) x = rect.right - size.x;
  if (button->look.textAlign == TextAlign::Centre) x = rect.left + (width - size.x) / 2;
  if (pressed) {
    x += part.pressShiftX;
    y += part.pressShiftY;
  }
  ExtTextOut(dc, x < rect.left ? rect.left : x, y < 0 ? 0 : y, options, rect, text);
  SetTextColor(dc, oldColor);
  if (oldFont) SelectObject(dc, oldFont);
  if (button->look.transparent) {
    SetBkMode(dc, oldMode);
  } else {
    SetBkColor(dc, oldBack);
  }
}

}  // namespace

bool BackgroundHook(Control* control, Message& message, LResult& result) {
  if (message.message != WM_ERASEBKGND) return false;
  result = 1;
  CreateChildWindows(control);
  if (control->look.transparent) return false;
  auto dc = reinterpret_cast<Dc>(message.wParam);
  native::SetBkMode(dc, OPAQUE);
  native::SetBkColor(dc, ResolveColor(control->look.color));
  native::SetBrushOrigin(dc, 0, 0);
  native::FillRect(dc, native::GetClientRect(control->window), ControlBrush(control));
  return false;
}

bool ShadowLabelHook(Control* control, Message& message, LResult& result) {
  switch (message.message) {
    case WM_SETTEXT:
      control->caption = TextOfSetTextMessage(message.lParam);
      // The window never sees the text it draws; assistive technology hears it.
      SetAccessibleName(control, control->caption);
      result = 1;
      return true;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      native::Paint(control->window, reinterpret_cast<Dc>(message.wParam),
                    [control](Dc dc) { DrawShadowLabel(control, dc); });
      result = 0;
      return true;
    default:
      return false;
  }
}

// The record of the WM_DRAWITEM being passed on to its button. Any program
// may send the reflected number, so a CM_DRAWITEM is only trusted to point
// to this one.
static LParam reflectedDrawItem = 0;

bool DrawItemReflector(Control*, Message& message, LResult& result) {
  if (message.message != WM_DRAWITEM) return false;
  const DrawItem item = ReadDrawItem(message.lParam);
  if (!ControlOfWindow(item.item)) return false;
  const LParam outer = std::exchange(reflectedDrawItem, message.lParam);
  result = native::SendMessage(item.item, CM_DRAWITEM, message.wParam, message.lParam);
  reflectedDrawItem = outer;
  return true;
}

bool OwnerDrawnButtonHook(Control* button, Message& message, LResult& result) {
  switch (message.message) {
    case CM_DRAWITEM: {
      if (message.lParam == 0 || message.lParam != reflectedDrawItem) {
        result = 0;
        return true;
      }
      const DrawItem item = ReadDrawItem(message.lParam);
      const ButtonState state = StateOf(button, item.state);
      Rect rect = item.rect;
      DrawButtonFrame(button, item.dc, rect, state, state == ButtonState::Focused);
      DrawButtonText(button, item.dc, rect, state == ButtonState::Pressed);
      result = 1;
      return true;
    }
    case WM_LBUTTONDBLCLK:
      // A quick second click is a second press, not a double click.
      result = native::SendMessage(button->window, WM_LBUTTONDOWN, message.wParam, message.lParam);
      return true;
    case WM_KILLFOCUS:
      Invalidate(button);
      return false;
    default:
      return false;
  }
}

}  // namespace controls
