#include "controls/properties.h"

#include <iterator>
#include <optional>

#include "controls/fonts.h"
#include "controls/hooks.h"
#include "controls/native/win_defs.h"

namespace controls {

using namespace native;

namespace {

constexpr std::uint32_t kRestyleFlags =
    SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED;

}  // namespace

// ---- text ---------------------------------------------------------------

void SetText(Control* control, const std::string& text) {
  control->caption = text;
  if (control->window) native::SetWindowText(control->window, text);
  Invalidate(control);
}

static void Describe(Control* control, const native::Accessibility& accessibility) {
  if (control->accessibility == accessibility) return;
  control->accessibility = accessibility;
  if (control->window) native::SetAccessibility(control->window, accessibility);
}

void SetAccessibleRole(Control* control, AccessibleRole role) {
  native::Accessibility accessibility = control->accessibility;
  accessibility.role = role;
  Describe(control, accessibility);
}

void SetAccessibleName(Control* control, const std::string& name) {
  native::Accessibility accessibility = control->accessibility;
  accessibility.name = name;
  Describe(control, accessibility);
}

void SetAccessibleSelected(Control* control, bool selected) {
  native::Accessibility accessibility = control->accessibility;
  accessibility.selected = selected;
  Describe(control, accessibility);
}

std::string GetText(Control* control) {
  // A shadow label keeps its text to itself: the system never sees it.
  if (control->window && !control->shadowPart) return native::GetWindowText(control->window);
  return control->caption;
}

// ---- styles -------------------------------------------------------------

// Stores a style word and, when the window exists, makes the window take it.
static void ApplyStyleWord(Control* control, std::uint32_t Control::*field,
                           void (*write)(Hwnd, std::uint32_t), std::uint32_t value) {
  if (control->*field == value) return;
  control->*field = value;
  if (!control->window) return;
  write(control->window, value);
  native::SetWindowPos(control->window, nullptr, 0, 0, 0, 0, kRestyleFlags);
  Invalidate(control);
}

void SetStyle(Control* control, std::uint32_t style) {
  ApplyStyleWord(control, &Control::style, native::SetStyle, style);
}

void SetExStyle(Control* control, std::uint32_t exStyle) {
  ApplyStyleWord(control, &Control::exStyle, native::SetExStyle, exStyle);
}

// One of a kind's three alignment styles in place of the others; none for a
// value that names none of the three.
template <class Align>
static std::optional<std::uint32_t> AlignedStyle(std::uint32_t style,
                                                 const std::uint16_t (&styles)[3], Align align) {
  const auto index = static_cast<std::size_t>(align);
  if (index >= std::size(styles)) return std::nullopt;
  for (std::uint16_t value : styles) style &= ~std::uint32_t{value};
  return style | styles[index];
}

void SetTextAlign(Control* control, TextAlign align) {
  const KindTable& table = *control->kindTable;
  const std::optional<std::uint32_t> style = AlignedStyle(control->style, table.alignStyles, align);
  if (!style) return;
  control->look.textAlign = align;
  SetStyle(control, *style & ~std::uint32_t{table.alignRemovedBits});
}

void SetVerticalAlign(Control* control, VerticalAlign align) {
  const std::optional<std::uint32_t> style =
      AlignedStyle(control->style, control->kindTable->verticalStyles, align);
  if (!style) return;
  control->look.verticalAlign = align;
  SetStyle(control, *style);
}

void SetLook3D(Control* control, bool look3D) {
  control->look.children3D = look3D;
  if (control->look.look3D == look3D) return;
  control->look.look3D = look3D;
  if (control->window) {
    control->style = native::GetStyle(control->window);
    control->exStyle = native::GetExStyle(control->window);
    control->classStyle = native::GetClassStyle(control->window);
  }
  std::uint32_t style = control->style, exStyle = control->exStyle;
  if (look3D) {
    style &= ~WS_BORDER;
    exStyle |= WS_EX_CLIENTEDGE;
  } else {
    style |= WS_BORDER;
    exStyle &= ~WS_EX_CLIENTEDGE;
  }
  // Force the window to take both: the stored values may already match.
  control->style = ~style;
  control->exStyle = ~exStyle;
  SetStyle(control, style);
  SetExStyle(control, exStyle);
}

bool IsEnabled(Control* control) {
  if (control->window) return native::IsWindowEnabled(control->window);
  return (control->style & WS_DISABLED) == 0;
}

void SetEnabled(Control* control, bool enabled) {
  if (IsEnabled(control) == enabled) return;
  control->state.enabled = enabled;
  if (enabled) {
    control->style &= ~WS_DISABLED;
  } else {
    control->style |= WS_DISABLED;
  }
  if (control->window) native::EnableWindow(control->window, enabled);
}

void SetVisible(Control* control, bool visible) {
  control->state.visibilitySet = true;
  if (visible) {
    control->style |= WS_VISIBLE;
  } else {
    control->style &= ~WS_VISIBLE;
    if (control->window) control->state.showAfterCreation = false;
  }
  control->state.visible = visible;
  if (control->window) native::ShowWindow(control->window, visible ? SW_SHOW : SW_HIDE);
}

void Hide(Control* control) { SetVisible(control, false); }

void SetCursor(Control* control, native::Cursor cursor) {
  if (control->look.cursor == cursor) return;
  control->look.cursor = cursor;
  if (!control->window || !cursor || ScreenCursor) return;
  Point p = native::ScreenToClient(control->window, native::GetCursorPos());
  Rect r = ClientRect(control);
  if (p.x >= r.left && p.x <= r.right && p.y >= r.top && p.y <= r.bottom) native::SetCursor(cursor);
}

void SetCursor(Control* control, StandardCursor cursor) {
  constexpr int kIds[] = {IDC_ARROW, IDC_HAND, IDC_IBEAM};
  SetCursor(control, native::LoadSystemCursor(kIds[static_cast<int>(cursor)]));
}

bool FormOwnsIcon(const FormPart& part, native::Icon icon) {
  // The program's icon is loaded once for the whole program: no form owns it.
  return icon && !part.iconShared && icon != native::LoadMainIcon();
}

static void SendFormIcon(Control* form) {
  const FormPart& part = *form->formPart;
  native::Icon shown = part.icon == kNoIcon ? nullptr : part.icon;
  auto previous = reinterpret_cast<native::Icon>(
      Perform(form, WM_SETICON, ICON_BIG, reinterpret_cast<LParam>(shown)));
  if (previous != shown && FormOwnsIcon(part, previous)) native::DestroyIcon(previous);
}

void SetIcon(Control* form, native::Icon icon) {
  if (!form->formPart || form->formPart->icon == icon) return;
  form->formPart->icon = icon;
  SendFormIcon(form);
}

void ApplyFormIcon(Control* form) {
  native::Icon& icon = form->formPart->icon;
  if (!icon) {
    if (form == AppWindow || !AppWindow) {
      icon = native::LoadMainIcon();
    } else if (native::Icon appIcon = AppWindow->formPart ? AppWindow->formPart->icon : nullptr;
               appIcon && appIcon != kNoIcon) {
      icon = native::CopyIcon(appIcon);
    }
  }
  SendFormIcon(form);
}

// ---- placement ----------------------------------------------------------

Bounds GetBounds(Control* control) {
  if (!control->window) return control->placement.bounds;
  Rect r = native::GetWindowRect(control->window);
  if (control->isChild && control->parent && control->parent->window) {
    Point origin = native::ClientToScreen(control->parent->window, {0, 0});
    r = {r.left - origin.x, r.top - origin.y, r.right - origin.x, r.bottom - origin.y};
  }
  return {r.left, r.top, r.right, r.bottom};
}

void SetBounds(Control* control, const Bounds& bounds) {
  if (bounds.left != control->placement.bounds.left) control->placement.positionSet |= 1;
  if (bounds.top != control->placement.bounds.top) control->placement.positionSet |= 2;
  control->placement.bounds = bounds;
  if (!control->window) return;
  native::SetWindowPos(control->window, nullptr, bounds.left, bounds.top, bounds.Width(),
                       bounds.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
  if (control->kindTable->repaintOnMove) Invalidate(control);
}

void SetPosition(Control* control, int left, int top) {
  Bounds b = GetBounds(control);
  SetBounds(control, {left, top, left + b.Width(), top + b.Height()});
  control->placement.positionSet |= 3;
}

void SetSize(Control* control, int width, int height) {
  Bounds b = GetBounds(control);
  if (width == 0) width = b.Width();
  if (height == 0) height = b.Height();
  SetBounds(control, {b.left, b.top, b.left + width, b.top + height});
}

int Width(Control* control) { return GetBounds(control).Width(); }
int Height(Control* control) { return GetBounds(control).Height(); }

int ClientWidth(Control* control) {
  Rect r = ClientRect(control);
  return r.right - r.left;
}

int ClientHeight(Control* control) {
  Rect r = ClientRect(control);
  return r.bottom - r.top;
}

void SetClientSize(Control* control, int width, int height) {
  // The client rectangle creates the window; the frame must be measured on
  // that same window, so it comes first.
  const int clientWidth = ClientWidth(control);
  const int clientHeight = ClientHeight(control);
  const int frameWidth = Width(control) - clientWidth;
  const int frameHeight = Height(control) - clientHeight;
  int newWidth = width > 0 ? width + frameWidth : 0;
  int newHeight = height > 0 ? height + frameHeight : 0;
  SetSize(control, newWidth, newHeight);
}

void Centre(Control* control) {
  int areaWidth, areaHeight;
  if (control->isChild && control->parent) {
    areaWidth = ClientWidth(control->parent);
    areaHeight = ClientHeight(control->parent);
  } else {
    areaWidth = native::GetSystemMetrics(SM_CXSCREEN);
    areaHeight = native::GetSystemMetrics(SM_CYSCREEN);
  }
  SetPosition(control, (areaWidth - Width(control)) >> 1, (areaHeight - Height(control)) >> 1);
}

void BringToTop(Control* control) {
  native::SetWindowPos(
      EnsureWindow(control), native::TopWindow(), 0, 0, 0, 0,
      SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW | SWP_NOOWNERZORDER);
}

void SetResizable(Control* form, bool resizable) {
  FormPart* part = form->formPart.get();
  if (!part || part->fixedSize == !resizable) return;
  part->fixedSize = !resizable;
  SetStyle(form, resizable ? form->style | WS_THICKFRAME : form->style & ~WS_THICKFRAME);
  EnsureWindow(form);
  part->frozenWidth = Width(form);
  part->frozenHeight = Height(form);
  AttachHook(form, SizeHook);
}

struct FrameStyles {
  std::uint32_t exStyleAdded;
  std::uint32_t styleRemoved;
};

constexpr FrameStyles kFrameStyles[] = {
    {WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE, WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME},
    {WS_EX_TOOLWINDOW, WS_THICKFRAME},
};

void SetFormFrame(Control* form, FormFrame frame) {
  const FrameStyles& styles = kFrameStyles[static_cast<int>(frame)];
  SetExStyle(form, form->exStyle | styles.exStyleAdded);
  SetStyle(form, form->style & ~styles.styleRemoved);
}

// ---- check state, items, selection -------------------------------------

// An owner-drawn button that works as a check box keeps its own check state.
static OwnerDrawPart* OwnCheck(Control* control) {
  OwnerDrawPart* part = control->ownerDrawPart.get();
  return part && (part->options & kOwnerDrawCheck) ? part : nullptr;
}

bool GetChecked(Control* control) {
  if (const OwnerDrawPart* part = OwnCheck(control)) return part->checked;
  return Perform(control, BM_GETCHECK, 0, 0) != 0;
}

void SetChecked(Control* control, bool checked) {
  if (OwnerDrawPart* part = OwnCheck(control)) {
    part->checked = checked;
    Invalidate(control);
    return;
  }
  Perform(control, BM_SETCHECK, checked ? 1 : 0, 0);
}

// A combo box gets its items through its window: before the window exists it
// holds none and shows none, which is the answer to a question about them,
// and asking need not make the window.
static bool ListWithoutWindow(const Control* control) {
  return control->comboPart && !control->window;
}

int AddItem(Control* control, const std::string& text) {
  const KindTable& table = *control->kindTable;
  if (!table.addItemMessage) {
    SetText(control, GetText(control) + text);
    return 0;
  }
  auto index = static_cast<int>(
      native::SendTextMessage(EnsureWindow(control), table.addItemMessage, 0, text));
  if (ItemCount(control) == 1) SetSelectedIndex(control, 0);
  return index;
}

void SetItemText(Control* control, int index, const std::string& text) {
  const KindTable& table = *control->kindTable;
  if (!table.insertItemMessage) return;
  int selected = GetSelectedIndex(control);
  LResult data =
      table.getItemDataMessage ? Perform(control, table.getItemDataMessage, index, 0) : 0;
  Perform(control, table.deleteItemMessage, static_cast<WParam>(index), 0);
  native::SendTextMessage(EnsureWindow(control), table.insertItemMessage,
                          static_cast<WParam>(index), text);
  if (table.setItemDataMessage) Perform(control, table.setItemDataMessage, index, data);
  SetSelectedIndex(control, selected);
}

std::string GetItemText(Control* control, int index) {
  const KindTable& table = *control->kindTable;
  if (!table.getItemMessage || !table.itemLengthMessage || ListWithoutWindow(control)) return {};
  return native::GetItemText(EnsureWindow(control), table.itemLengthMessage, table.getItemMessage,
                             static_cast<WParam>(index));
}

int ItemCount(Control* control) {
  if (!control->kindTable->countMessage || ListWithoutWindow(control)) return 0;
  return static_cast<int>(Perform(control, control->kindTable->countMessage, 0, 0));
}

void Clear(Control* control) {
  if (control->kindTable->clear) control->kindTable->clear(control);
}

int GetSelectedIndex(Control* control) {
  if (!control->kindTable->getIndexMessage) return control->state.storedIndex;
  if (ListWithoutWindow(control)) return -1;  // CB_ERR: nothing chosen
  return static_cast<int>(Perform(control, control->kindTable->getIndexMessage, 0, 0));
}

void SetSelectedIndex(Control* control, int index) {
  if (!control->kindTable->setIndexMessage) {
    control->state.storedIndex = index;
    return;
  }
  Perform(control, control->kindTable->setIndexMessage, static_cast<WParam>(index), 0);
}

void SetTextLimit(Control* control, int count) {
  if (control->kindTable->textLimitMessage)
    Perform(control, control->kindTable->textLimitMessage, static_cast<WParam>(count), 0);
}

void SetSelection(Control* control, int start, int end) {
  if (control->kindTable->setSelectionMessage)
    Perform(control, control->kindTable->setSelectionMessage, static_cast<WParam>(start),
            static_cast<LParam>(end));
}

void Focus(Control* control, bool focus) {
  if (!focus) return;
  if (control->isChild) {
    if (Control* form = ParentForm(control)) form->formPart->currentControl = control;
    native::SetFocus(EnsureWindow(control));
  } else {
    native::SetForegroundWindow(EnsureWindow(control));
  }
}

// ---- events with hooks --------------------------------------------------

void SetMouseEvent(Control* control, MouseEvent ControlEvents::*event, MouseEvent handler) {
  control->events.*event = handler;
  AttachHook(control, MouseHook);
}

void SetMouseLeaveEvent(Control* control, NotifyEvent handler) {
  control->events.OnMouseLeave = handler;
  native::InitCommonControls();
  AttachHook(control, EnterLeaveHook);
  Invalidate(control);
}

}  // namespace controls
