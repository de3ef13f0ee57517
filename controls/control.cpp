#include "controls/control.h"

#include "controls/dispatch.h"
#include "controls/fonts.h"
#include "controls/native/win_defs.h"
#include "controls/properties.h"

namespace controls {

using namespace native;

Control* AppWindow = nullptr;
int AppRunning = 0;
bool AppTerminated = false;
Control* CreatingControl = nullptr;
std::uint16_t NextControlId = kFirstControlId;
Cursor ScreenCursor = nullptr;
bool CursorBusy = false;

constexpr KindTable kNoKind{};

namespace {

constexpr const char* kSelfProp = "SELF_";

}  // namespace

// ---- construction -------------------------------------------------------

void Control::Init() {
  look.color = kBtnFace;
  look.fontColor = kWindowText;
  placement.childMargin = 2;
  look.children3D = true;
  look.look3D = true;
  state.enabled = true;
  state.visible = true;
  classStyle = CS_OWNDC;
  style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
  exStyle = WS_EX_CONTROLPARENT;
  children = NewObject<PointerList>();
}

void Control::InitWithParent(Control* newParent, const char* kindSubclass, bool look3DDefault) {
  if (newParent) {
    parent = newParent;
    look.color = newParent->look.color;
    newParent->children->Add(this);
    if (window && newParent->window) native::SetParent(window, newParent->window);
  }
  subclassName = kindSubclass;
  if (!newParent) return;
  look.children3D = newParent->look.children3D;
  look.look3D = newParent->look.children3D && look3DDefault;
  look.fontColor = newParent->look.fontColor;
  if (newParent->look.font) look.font = CopyFontObject(newParent->look.font, this);
  look.color = newParent->look.color;
  if (newParent->look.brushObject)
    look.brushObject = CopyBrushObject(newParent->look.brushObject, this);
  const int margin = placement.childMargin = newParent->placement.childMargin;
  placement.bounds = {margin, margin + newParent->placement.insets.top, margin + 64, margin + 64};
}

Control* CreateControl(Control* parent, const char* subclassName, bool look3DDefault) {
  Control* control = NewObject<Control>();
  control->InitWithParent(parent, subclassName, look3DDefault);
  return control;
}

// ---- destruction --------------------------------------------------------

// A form no longer names a control that goes: not as its focus, its Enter or
// Esc button, nor as the form it shows modally.
static void ForgetIn(Control* form, const Control* control) {
  FormPart* part = form ? form->formPart.get() : nullptr;
  if (!part) return;
  for (Control** named :
       {&part->currentControl, &part->defaultButton, &part->cancelButton, &part->modalForm})
    if (*named == control) *named = nullptr;
}

// A child still in the middle of a dispatch goes once that is over, after
// its parent: it must no longer lean on the parent or on the parent's font.
static void FreeChild(Control* child) {
  if (child->referenceWord > 0) {
    child->parent = nullptr;
    if (child->look.font) child->look.font->parentLink = nullptr;
    if (child->look.brushObject) child->look.brushObject->parentLink = nullptr;
  }
  Free(child);
}

static void DestroyOwnWindow(Control* control) {
  if (!control->window) return;
  if (!control->state.windowGone) {
    if (const FormPart* form = control->formPart.get()) {
      auto bigIcon =
          reinterpret_cast<Icon>(native::SendMessage(control->window, WM_SETICON, ICON_BIG, 0));
      if (FormOwnsIcon(*form, bigIcon)) native::DestroyIcon(bigIcon);
    }
    native::DestroyWindow(control->window);
  }
  control->window = nullptr;
}

void Control::Destroy() {
  ForgetIn(ParentForm(this), this);
  ForgetIn(AppWindow, this);
  if (window && !state.windowGone) native::ShowWindow(window, SW_HIDE);
  for (int i = children->Count() - 1; i >= 0; --i) FreeChild(children->At<Control>(i));
  children->Clear();
  Free(look.font);
  look.font = nullptr;
  Free(look.brushObject);
  look.brushObject = nullptr;
  DestroyOwnWindow(this);
  if (parent) {
    ForgetIn(parent, this);
    parent->children->Remove(this);
  }
  if (look.brush) native::DeleteObject(look.brush);
  look.brush = nullptr;
  hookChain.clear();
  Free(children);
  children = nullptr;
  // OnDestroy and the auto-free list come last (BaseObject::Destroy): the
  // holder record they free is the context of the handlers that may still
  // fire while the windows above go away.
  BaseObject::Destroy();
}

// ---- windows ------------------------------------------------------------

int ChildCount(const Control* control) {
  return control->children ? control->children->Count() : 0;
}

Control* Child(const Control* control, int index) { return control->children->At<Control>(index); }

void CreateChildWindows(Control* control) {
  // A child's creation may add or free siblings; index afresh each time.
  for (int i = 0; i < ChildCount(control); ++i) Child(control, i)->CreateWindow();
}

static bool FinishExistingWindow(Control* control) {
  CreateChildWindows(control);
  if (control->state.showAfterCreation) {
    control->state.showAfterCreation = false;
    SetVisible(control, true);
  }
  return true;
}

static bool EnsureClassRegistered(Control* control, const std::string& className) {
  ClassInfo info{control->classStyle, control->baseWindowProc, 0, 0, nullptr};
  ClassInfo system;
  if (native::GetClassInfo(control->subclassName, system)) info = system;
  info.style &= kClassStyleMask;
  if (!control->baseWindowProc) control->baseWindowProc = info.procedure;
  ClassInfo registered;
  if (native::GetClassInfo(className, registered)) return true;
  info.procedure = SharedWindowProc;
  return native::RegisterClass(className, info);
}

static Rect CreationPlacement(const Control* control) {
  Rect r{control->placement.bounds.left, control->placement.bounds.top,
         control->placement.bounds.Width(), control->placement.bounds.Height()};
  if (r.right == 0) r.right = CW_USEDEFAULT;
  if (r.bottom == 0) r.bottom = CW_USEDEFAULT;
  if (!control->isChild && (control->placement.positionSet & 3) == 0)
    r.left = r.top = CW_USEDEFAULT;
  return r;  // x, y, width, height
}

bool Control::CreateWindow() {
  Hwnd parentWindow = nullptr;
  if (parent) {
    parentWindow = EnsureWindow(parent);
    if (!parentWindow) return false;
  }
  if (window) return FinishExistingWindow(this);
  const std::string className = "obj_" + subclassName;
  if (!EnsureClassRegistered(this, className)) return false;
  if ((style & WS_CHILD) && !parentWindow) return false;
  Rect place = CreationPlacement(this);
  CreatingControl = this;
  Hwnd created = native::CreateWindowEx(exStyle, className, caption, style, place.left, place.top,
                                        place.right, place.bottom, parentWindow, controlId);
  if (CreatingControl == this) CreatingControl = nullptr;
  if (!created) return false;
  window = created;
  native::SendMessage(window, WM_UPDATEUISTATE, 0x10002, 0);
  if (!ControlOfWindow(window)) TieWindow(this, window);
  if (IsForm()) ApplyFormIcon(this);
  if (kindTable->afterCreate) kindTable->afterCreate(this);
  if (accessibility != native::Accessibility{}) native::SetAccessibility(window, accessibility);
  ApplyFont(this);
  CreateChildWindows(this);
  return true;
}

Hwnd EnsureWindow(Control* control) {
  if (!control) return nullptr;
  if (!control->window) {
    // Made early: keep it hidden until the normal creation pass shows it.
    bool wasVisible = control->state.visible;
    if (!control->state.visibilitySet) {
      control->style &= ~WS_VISIBLE;
      control->state.visible = false;
    }
    if (control->CreateWindow() && !control->state.visibilitySet && wasVisible)
      control->state.showAfterCreation = true;
  }
  return control->window;
}

LResult Perform(Control* control, std::uint32_t message, WParam wParam, LParam lParam) {
  return native::SendMessage(EnsureWindow(control), message, wParam, lParam);
}

void Invalidate(Control* control) {
  if (!AppTerminated && control->window) native::InvalidateRect(control->window, true);
}

Control* ParentForm(Control* control) {
  while (control && control->isChild) control = control->parent;
  return control && control->IsForm() ? control : nullptr;
}

bool IsMainWindow(const Control* control) {
  if (!control->IsForm()) return false;
  const Control* parent = control->parent;
  if (!parent) return true;
  // Only an application object stands above the main form; a secondary form
  // that happens to be the main form's first child is not the main window.
  return parent->isApplication && !parent->parent && Child(parent, 0) == control;
}

Rect ClientRect(Control* control) {
  Hwnd window = EnsureWindow(control);
  Rect r = window
               ? native::GetClientRect(window)
               : Rect{0, 0, control->placement.bounds.Width(), control->placement.bounds.Height()};
  const Insets& in = control->placement.insets;
  return {r.left + in.left, r.top + in.top, r.right - in.right, r.bottom - in.bottom};
}

Point ScreenToClient(Control* control, Point point) {
  return control->window ? native::ScreenToClient(control->window, point) : point;
}

Point ClientToScreen(Control* control, Point point) {
  return control->window ? native::ClientToScreen(control->window, point) : point;
}

Control* ControlOfWindow(Hwnd window) {
  return window ? static_cast<Control*>(native::GetProp(window, kSelfProp)) : nullptr;
}

void TieWindow(Control* control, Hwnd window) {
  control->window = window;
  native::SetProp(window, kSelfProp, control);
}

void UntieWindow(Control* control) { native::RemoveProp(control->window, kSelfProp); }

// ---- hooks --------------------------------------------------------------

void AttachHook(Control* control, MessageHook hook) {
  for (const HookEntry& entry : control->hookChain)
    if (entry.hook == hook) return;
  control->hookChain.push_back({hook, false});
}

void DetachHook(Control* control, MessageHook hook) {
  auto& chain = control->hookChain;
  for (auto it = chain.begin(); it != chain.end(); ++it) {
    if (it->hook == hook) {
      chain.erase(it);
      return;
    }
  }
}

}  // namespace controls
