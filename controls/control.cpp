#include "controls/control.h"

#include "controls/hooks.h"
#include "controls/properties.h"
#include "controls/native/win_defs.h"

namespace controls {

using namespace native;

Control* AppWindow = nullptr;
int AppRunning = 0;
bool AppTerminated = false;
Control* CreatingControl = nullptr;
std::uint16_t NextControlId = kFirstControlId;
Cursor ScreenCursor = nullptr;
bool CursorBusy = false;

namespace {

constexpr const char* kSelfProp = "SELF_";
constexpr const char* kPrevProcProp = "PREV_PROC";
constexpr std::uint32_t kChildClip = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

}  // namespace

// ---- construction -------------------------------------------------------

void Control::Init() {
  color = kBtnFace;
  fontColor = kWindowText;
  childMargin = 2;
  children3D = true;
  look3D = true;
  enabled = true;
  visible = true;
  classStyle = CS_OWNDC;
  style = 0x16CF0000;
  exStyle = WS_EX_CONTROLPARENT;
  children = NewObject<PointerList>();
}

void Control::InitWithParent(Control* newParent, const char* kindSubclass, bool look3DDefault) {
  if (newParent) {
    parent = newParent;
    color = newParent->color;
    newParent->children->Add(this);
    if (window && newParent->window) native::SetParent(window, newParent->window);
  }
  subclassName = kindSubclass;
  if (!newParent) return;
  inheritedHook = newParent->inheritedHook;
  navigationHandler = newParent->navigationHandler;
  children3D = newParent->children3D;
  look3D = newParent->children3D && look3DDefault;
  fontColor = newParent->fontColor;
  if (newParent->font) font = CopyFontObject(newParent->font, this);
  color = newParent->color;
  if (newParent->brushObject) brushObject = CopyFontObject(newParent->brushObject, this);
  childMargin = newParent->childMargin;
  bounds = {childMargin, childMargin + newParent->insets.top, childMargin + 64, childMargin + 64};
}

// The child-control part of construction; the kind's Create fills in the rest.
static void InitChildControl(Control* control, std::uint32_t kindStyle, const KindTable& table) {
  control->isChild = true;
  control->verticalAlign = 1;
  control->kindTable = table;
  control->keysKept = 15;
  std::uint32_t newStyle = kindStyle | kChildClip;
  if (control->look3D) {
    newStyle &= ~WS_BORDER;
    control->exStyle |= WS_EX_CLIENTEDGE;
  }
  control->style = newStyle;
  control->visible = (newStyle & WS_VISIBLE) != 0;
  if (control->parent) control->cursor = control->parent->cursor;
  Control* form = ParentForm(control);
  if (form) control->tabOrder = ++form->tabCounter;
  if (newStyle & WS_TABSTOP) {
    control->tabStop = true;
    if (form && !form->currentControl) form->currentControl = control;
  }
  control->controlId = NextControlId++;
  AttachHook(control, GenericControlHook);
}

Control* CreateControl(Control* parent, const char* subclassName, bool look3DDefault) {
  Control* control = NewObject<Control>();
  control->InitWithParent(parent, subclassName, look3DDefault);
  return control;
}

Control* CreateChildControl(Control* parent, const char* subclassName, bool look3DDefault,
                            std::uint32_t kindStyle, const KindTable& table) {
  Control* control = CreateControl(parent, subclassName, look3DDefault);
  InitChildControl(control, kindStyle, table);
  return control;
}

// ---- destruction --------------------------------------------------------

static void ClearCurrentIn(Control* form, Control* control) {
  if (form && form->currentControl == control) form->currentControl = nullptr;
}

static void DestroyOwnWindow(Control* control) {
  if (!control->window) return;
  if (!control->windowGone) {
    auto bigIcon = reinterpret_cast<Icon>(
        native::SendMessage(control->window, WM_SETICON, ICON_BIG, 0));
    if (bigIcon && !control->iconShared) native::DestroyIcon(bigIcon);
    native::DestroyWindow(control->window);
  }
  control->window = nullptr;
}

void Control::Destroy() {
  ClearCurrentIn(ParentForm(this), this);
  if (window && !windowGone) native::ShowWindow(window, SW_HIDE);
  for (int i = children->Count() - 1; i >= 0; --i) Free(children->At<Control>(i));
  children->Clear();
  destroyed = true;
  Free(font);
  font = nullptr;
  Free(brushObject);
  brushObject = nullptr;
  DestroyOwnWindow(this);
  if (parent) {
    ClearCurrentIn(parent, this);
    parent->children->Remove(this);
  }
  if (brush) native::DeleteObject(brush);
  brush = nullptr;
  hookChain.clear();
  Free(children);
  children = nullptr;
  // OnDestroy and the auto-free list come last (BaseObject::Destroy): the
  // holder record they free is the context of the handlers that may still
  // fire while the windows above go away.
  BaseObject::Destroy();
}

// ---- windows ------------------------------------------------------------

int ChildCount(const Control* control) { return control->children ? control->children->Count() : 0; }

Control* Child(const Control* control, int index) { return control->children->At<Control>(index); }

void CreateChildWindows(Control* control) {
  // A child's creation may add or free siblings; index afresh each time.
  for (int i = 0; i < ChildCount(control); ++i) Child(control, i)->CreateWindow();
}

static bool FinishExistingWindow(Control* control) {
  CreateChildWindows(control);
  if (control->showAfterCreation) {
    control->showAfterCreation = false;
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
  Rect r{control->bounds.left, control->bounds.top, control->bounds.Width(), control->bounds.Height()};
  if (r.right == 0) r.right = CW_USEDEFAULT;
  if (r.bottom == 0) r.bottom = CW_USEDEFAULT;
  if (!control->isChild && (control->positionSet & 3) == 0) r.left = r.top = CW_USEDEFAULT;
  return r;  // x, y, width, height
}

bool Control::CreateWindow() {
  Hwnd parentWindow = nullptr;
  if (parent) {
    parentWindow = WindowHandle(parent);
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
  if (!native::GetProp(window, kSelfProp)) native::SetProp(window, kSelfProp, this);
  if (isForm) ApplyFormIcon(this);
  if (afterCreateHook) afterCreateHook(this);
  ApplyFont(this);
  CreateChildWindows(this);
  return true;
}

Hwnd WindowHandle(Control* control) {
  if (!control) return nullptr;
  if (!control->window) {
    // Made early: keep it hidden until the normal creation pass shows it.
    bool wasVisible = control->visible;
    if (!control->visibilitySet) {
      control->style &= ~WS_VISIBLE;
      control->visible = false;
    }
    if (control->CreateWindow() && !control->visibilitySet && wasVisible)
      control->showAfterCreation = true;
  }
  return control->window;
}

LResult Perform(Control* control, std::uint32_t message, WParam wParam, LParam lParam) {
  return native::SendMessage(WindowHandle(control), message, wParam, lParam);
}

void Invalidate(Control* control) {
  if (!AppTerminated && control->window) native::InvalidateRect(control->window, true);
}

Control* ParentForm(Control* control) {
  while (control && control->isChild) control = control->parent;
  return control && control->isForm ? control : nullptr;
}

bool IsMainWindow(const Control* control) {
  if (!control->isForm) return false;
  const Control* parent = control->parent;
  if (!parent) return true;
  // Only an application object stands above the main form; a secondary form
  // that happens to be the main form's first child is not the main window.
  return parent->isApplication && !parent->parent && Child(parent, 0) == control;
}

Rect ClientRect(Control* control) {
  Hwnd window = WindowHandle(control);
  Rect r = window ? native::GetClientRect(window)
                  : Rect{0, 0, control->bounds.Width(), control->bounds.Height()};
  const Insets& in = control->insets;
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

// ---- hooks --------------------------------------------------------------

void AttachHook(Control* control, MessageHook hook) {
  control->firstStageHook = RunHookChain;
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

bool RunHookChain(Control* control, Message& message, LResult& result) {
  if (control->BeingDestroyed()) return false;
  AddReference(control);
  // Newest first; a hook may detach hooks or free the control, so the index is
  // checked against the chain as it is now.
  for (int i = static_cast<int>(control->hookChain.size()) - 1; i >= 0; --i) {
    if (i >= static_cast<int>(control->hookChain.size())) continue;
    const HookEntry entry = control->hookChain[static_cast<std::size_t>(i)];
    if (AppTerminated && !entry.keepAfterTermination) continue;
    if (entry.hook(control, message, result)) {
      ReleaseReference(control);
      return true;
    }
    if (control->referenceWord & 1) break;  // freed by the hook: stop touching it
  }
  bool freed = (control->referenceWord & 1) != 0;
  ReleaseReference(control);
  return freed;
}

LResult DefaultProcessing(Control* control, const Message& message) {
  if (control->baseWindowProc)
    return native::CallWindowProc(control->baseWindowProc, control->window, message.message,
                                  message.wParam, message.lParam);
  return native::DefWindowProc(message.window, message.message, message.wParam, message.lParam);
}

// ---- the shared window procedure ---------------------------------------

LResult SharedWindowProc(Hwnd window, std::uint32_t number, WParam wParam, LParam lParam) {
  Message message{window, number, wParam, lParam};
  Control* control = nullptr;
  if (window && CreatingControl) {
    control = CreatingControl;
    CreatingControl = nullptr;
    control->window = window;
    native::SetProp(window, kSelfProp, control);
  } else {
    control = ControlOfWindow(window);
  }
  if (control) return control->WindowProc(message);
  if (AppWindow) return AppWindow->WindowProc(message);
  return native::DefWindowProc(window, number, wParam, lParam);
}

static bool FreeRequested(const Control* control) { return (control->referenceWord & 1) != 0; }

// The fixed dispatch order; false leaves the message to default processing.
static bool Dispatch(Control* control, Message& message, LResult& result) {
  if (AppRunning && AppWindow && control != AppWindow && AppWindow->OnMessage.Assigned() &&
      AppWindow->OnMessage(control, message, result))
    return true;
  if (control->OnMessage.Assigned() && control->OnMessage(control, message, result)) return true;
  if (control->firstStageHook && control->firstStageHook(control, message, result)) return true;
  if (control->inheritedHook && control->inheritedHook(control, message, result)) return true;
  return BuiltInHandling(control, message, result);
}

LResult Control::WindowProc(Message& message) {
  // The reference defers a Free from any handler until the dispatch is over.
  AddReference(this);
  LResult result = 0;
  if (!Dispatch(this, message, result)) {
    result = DefaultProcessing(this, message);
  } else if (handledMessageHook && !AppTerminated && !windowGone && !FreeRequested(this)) {
    handledMessageHook(this, message, result);
  }
  ReleaseReference(this);
  return result;
}

// ---- inner windows of a combo box --------------------------------------

static LResult CallPreviousProc(const Message& inner) {
  auto previous = reinterpret_cast<WndProc>(native::GetProp(inner.window, kPrevProcProp));
  if (!previous) return 0;
  return native::CallWindowProc(previous, inner.window, inner.message, inner.wParam, inner.lParam);
}

static bool OfferToFormEvents(Control* control, Message& message, LResult& result) {
  if (AppWindow && AppWindow->OnMessage.Assigned() && AppWindow->OnMessage(control, message, result))
    return true;
  Control* form = ParentForm(control);
  return form && form != AppWindow && form->OnMessage.Assigned() &&
         form->OnMessage(control, message, result);
}

static LResult InnerWindowProc(Hwnd window, std::uint32_t number, WParam wParam, LParam lParam) {
  Control* control = ControlOfWindow(native::GetParent(window));
  if (!control) return native::DefWindowProc(window, number, wParam, lParam);
  Message message{control->window, number, wParam, lParam};
  LResult result = 0;
  if (OfferToFormEvents(control, message, result)) return result;
  Message inner{window, number, message.wParam, message.lParam};
  if (number == WM_KEYDOWN || number == WM_KEYUP || number == WM_CHAR) {
    if (InnerKeyMessage(control, message)) return 0;
    inner.wParam = message.wParam;
  } else if (number == WM_SETFOCUS) {
    if (Control* form = ParentForm(control)) form->currentControl = control;
  }
  return CallPreviousProc(inner);
}

void SubclassInnerWindows(Control* control) {
  for (Hwnd child : native::ChildWindows(control->window)) {
    WndProc previous = native::SubclassWindow(child, InnerWindowProc);
    native::SetProp(child, kPrevProcProp, reinterpret_cast<void*>(previous));
  }
}

}  // namespace controls
