// The tree of windows over Qt Widgets: the table of live windows, creating
// and destroying them, parents, children and owners, properties, styles,
// visibility and text. A window is a record of ours that owns a widget; its
// messages go through its class's window procedure exactly as on Win32.
#include "controls/native/qt/window_qt.h"

#include <QWindow>
#include <algorithm>
#include <cstring>
#include <memory>

#include "controls/native/qt/accessibility_qt.h"
#include "controls/native/qt/focus_qt.h"
#include "controls/native/qt/fonts_qt.h"
#include "controls/native/qt/frame_qt.h"
#include "controls/native/qt/messages_qt.h"
#include "controls/native/qt/placement_qt.h"
#include "controls/native/qt/system_classes_qt.h"

namespace native {

using namespace qt;

namespace {

// ---- the table of windows ----------------------------------------------

// A handle is an entry's number and the entry's generation, which grows each
// time the entry's window is destroyed.
struct Entry {
  std::unique_ptr<Window> window;
  std::uint32_t generation = 0;
};

struct WindowTable {
  std::vector<Entry> entries;
  std::vector<std::size_t> freeEntries;
  std::vector<std::unique_ptr<Window>> destroyed;  // records not freed yet
  std::vector<Window*> topLevels;                  // the top first
};

WindowTable& Windows() {
  static WindowTable table;
  return table;
}

static_assert(sizeof(std::uintptr_t) >= 8, "a handle holds an entry number and a generation");

Hwnd HandleOf(std::size_t index, std::uint32_t generation) {
  return reinterpret_cast<Hwnd>((std::uintptr_t{generation} << 32) | (index + 1));
}

std::size_t EntryOf(Hwnd handle) {
  return (reinterpret_cast<std::uintptr_t>(handle) & 0xFFFFFFFFu) - 1;
}

Window* NewWindowRecord() {
  WindowTable& t = Windows();
  if (t.freeEntries.empty()) {
    t.freeEntries.push_back(t.entries.size());
    t.entries.emplace_back();
  }
  const std::size_t index = t.freeEntries.back();
  t.freeEntries.pop_back();
  Entry& entry = t.entries[index];
  entry.window = std::make_unique<Window>();
  entry.window->handle = HandleOf(index, entry.generation);
  return entry.window.get();
}

// The window no longer exists: its handle names nothing from now on.
void RetireWindowRecord(Window* w) {
  WindowTable& t = Windows();
  const std::size_t index = EntryOf(w->handle);
  Entry& entry = t.entries[index];
  t.destroyed.push_back(std::move(entry.window));
  ++entry.generation;
  t.freeEntries.push_back(index);
}

// ---- creation ----------------------------------------------------------

Qt::WindowFlags TopLevelFlags(const Window* w) {
  Qt::WindowFlags flags = (w->exStyle & WS_EX_TOOLWINDOW) ? Qt::Tool : Qt::Window;
  // Qt drops the frameless hint beside any hint of a title bar's.
  if (w->ownFrame) return flags | Qt::FramelessWindowHint;
  flags |= Qt::CustomizeWindowHint;
  if ((w->style & WS_CAPTION) == WS_CAPTION) flags |= Qt::WindowTitleHint;
  if (w->style & WS_SYSMENU) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  if (w->style & WS_MINIMIZEBOX) flags |= Qt::WindowMinimizeButtonHint;
  if (w->style & WS_MAXIMIZEBOX) flags |= Qt::WindowMaximizeButtonHint;
  return flags;
}

void PrepareWidget(Window* w) {
  QWidget* widget = w->widget;
  widget->setFocusPolicy(Qt::NoFocus);
  widget->setMouseTracking(true);
  widget->setAttribute(Qt::WA_Hover, false);
  if (!w->font) ShowFont(widget, SystemFont());
}

// An owned window stays above its owner. It is no child of the owner's
// widget, which would pass the owner's disabled state on to it.
void SetOwner(Window* w, Window* owner) {
  if (!w->widget || !owner || !owner->widget) return;
  w->widget->winId();
  owner->widget->winId();
  w->widget->windowHandle()->setTransientParent(owner->widget->windowHandle());
}

void MakeWidget(Window* w) {
  if (!IsChild(w)) w->ownFrame = OwnFramesWanted();
  if (!w->widget) {
    w->widget =
        IsChild(w) ? new QWidget(w->parent->widget.data()) : new QWidget(nullptr, TopLevelFlags(w));
    w->widget->setAutoFillBackground(false);
  } else if (!IsChild(w)) {
    w->widget->setWindowFlags(TopLevelFlags(w));
  }
  // Known as the window's before anything asks about it: showing, hiding and
  // flags already ask for its accessibility interface, which Qt keeps.
  w->widget->setProperty("zurmetWindow",
                         QVariant::fromValue(reinterpret_cast<quintptr>(ToHwnd(w))));
  if (!IsChild(w)) SetOwner(w, w->parent);
  if (!IsChild(w)) {
    w->widget->setWindowTitle(QString::fromStdString(w->text));
    w->widget->setAttribute(Qt::WA_QuitOnClose, false);
  }
  // Shown only when the window is: a child made while its parent shows
  // would otherwise stay hidden, and one made before would show with it.
  w->widget->setVisible(false);
  // A new child window goes under its siblings: the first made stays on top
  // where windows overlap.
  if (IsChild(w)) w->widget->lower();
  PrepareWidget(w);
  AttachFrame(w);
}

QPoint DefaultPosition() {
  static int next = 0;
  const int step = 26 * (1 + next++ % 8);
  return {step, step};
}

void PlaceNew(Window* w, int x, int y, int width, int height) {
  const bool defaultPosition = x == CW_USEDEFAULT;
  if (width == CW_USEDEFAULT) width = IsChild(w) ? 0 : 400;
  if (height == CW_USEDEFAULT) height = IsChild(w) ? 0 : 300;
  if (defaultPosition) {
    const QPoint p = IsChild(w) ? QPoint(0, 0) : DefaultPosition();
    x = p.x();
    y = p.y();
  }
  SetWindowPos(ToHwnd(w), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

void Link(Window* w) {
  WindowTable& t = Windows();
  if (IsChild(w) && w->parent)
    w->parent->children.push_back(w);
  else
    t.topLevels.insert(t.topLevels.begin(), w);
}

void Unlink(Window* w) {
  WindowTable& t = Windows();
  if (w->parent) std::erase(w->parent->children, w);
  std::erase(t.topLevels, w);
  ForgetWindow(w);
}

// ---- destruction -------------------------------------------------------

void SendDestroy(Window* w) {
  Send(w, WM_DESTROY);
  std::vector<Window*> children = w->children;
  for (Window* child : children)
    if (AsWindow(ToHwnd(child))) SendDestroy(child);
}

void SendNcDestroy(Window* w) {
  std::vector<Window*> children = w->children;
  for (Window* child : children)
    if (AsWindow(ToHwnd(child))) SendNcDestroy(child);
  Send(w, WM_NCDESTROY);
  Unlink(w);
  RetireWindowRecord(w);
}

void ReleaseWidget(Window* w) {
  QWidget* widget = w->widget;
  w->widget = nullptr;
  if (!widget) return;
  widget->hide();
  // The widget may be in the middle of one of its own events, so it goes
  // once they are over.
  if (widget->isWindow()) widget->setParent(nullptr);
  widget->deleteLater();
}

}  // namespace

// ---- lookups and order ----------------------------------------------------

namespace qt {

Window* AsWindow(Hwnd window) {
  const std::size_t index = EntryOf(window);
  WindowTable& t = Windows();
  if (!window || index >= t.entries.size()) return nullptr;
  const Entry& entry = t.entries[index];
  return entry.window && entry.window->handle == window ? entry.window.get() : nullptr;
}

Window* WindowOfWidget(const QWidget* widget) {
  for (const QWidget* at = widget; at; at = at->parentWidget()) {
    QVariant v = at->property("zurmetWindow");
    if (v.isValid()) {
      if (Window* w = AsWindow(reinterpret_cast<Hwnd>(v.value<quintptr>()))) return w;
    }
    if (at->isWindow()) break;
  }
  return nullptr;
}

Window* TopLevelOf(Window* w) {
  while (w && IsChild(w) && w->parent) w = w->parent;
  return w;
}

std::size_t WindowRecordCount() {
  const WindowTable& t = Windows();
  return t.entries.size() - t.freeEntries.size() + t.destroyed.size();
}

void FreeDestroyedWindows() { Windows().destroyed.clear(); }

std::vector<Window*> TopLevelOrder() { return Windows().topLevels; }

void MoveToTop(Window* w) {
  std::vector<Window*>& order = IsChild(w) && w->parent ? w->parent->children : Windows().topLevels;
  std::erase(order, w);
  order.insert(order.begin(), w);
}

// A window shown over its disabled owner is that owner's modal dialog, as
// on Win32: the platform is told so where it can hear it (on X11 the window
// manager, on Wayland a compositor with dialogs Qt speaks to), beside the
// owner it already knows. Qt takes it only from a hidden window.
void MarkModal(Window* w) {
  if (IsChild(w) || w->widget->isVisible()) return;
  const bool modal = w->parent && w->parent->disabled;
  const Qt::WindowModality modality = modal ? Qt::WindowModal : Qt::NonModal;
  if (w->widget->windowModality() != modality) w->widget->setWindowModality(modality);
}

void ApplyVisibility(Window* w, bool visible) {
  w->visible = visible;
  if (!w->widget) return;
  if (visible) {
    MarkModal(w);
    if (!IsChild(w) && w->showState == SW_SHOWMINIMIZED) {
      w->widget->showMinimized();
    } else if (!IsChild(w) && w->showState == SW_SHOWMAXIMIZED) {
      w->widget->showMaximized();
    } else {
      w->widget->setVisible(true);
    }
  } else {
    w->widget->setVisible(false);
  }
}

void ShowFont(QWidget* widget, const QFont& font) {
  if (widget->font() != font) widget->setFont(font);
}

}  // namespace qt

// ---- creation and destruction ------------------------------------------------

Hwnd CreateWindowEx(std::uint32_t exStyle, const std::string& className, const std::string& caption,
                    std::uint32_t style, int x, int y, int width, int height, Hwnd parent,
                    std::uint16_t id) {
  ClassInfo info;
  if (!GetClassInfo(className, info)) return nullptr;
  Window* parentWindow = AsWindow(parent);
  if ((style & WS_CHILD) && !parentWindow) return nullptr;
  EnsureApplication();
  Window* w = NewWindowRecord();
  w->className = className;
  w->procedure = info.procedure;
  w->classStyle = info.style;
  w->classCursor = info.cursor;
  w->style = style & ~(WS_VISIBLE | WS_DISABLED);
  w->exStyle = exStyle;
  w->id = (style & WS_CHILD) ? id : 0;
  w->parent = parentWindow;
  w->text = caption;
  Link(w);
  const Hwnd h = ToHwnd(w);
  const bool ok = SendMessage(h, WM_NCCREATE, 0, 0) != 0 || !AsWindow(h);
  if (!AsWindow(h)) return nullptr;
  if (!ok || SendMessage(h, WM_CREATE, 0, 0) == -1) {
    DestroyWindow(h);
    return nullptr;
  }
  if (!AsWindow(h)) return nullptr;
  MakeWidget(w);
  RenewInterface(w);
  PlaceNew(w, x, y, width, height);
  if (style & WS_DISABLED) EnableWindow(h, false);
  if (style & WS_VISIBLE) ShowWindow(h, SW_SHOW);
  return h;
}

bool DestroyWindow(Hwnd window) {
  Window* w = AsWindow(window);
  if (!w || w->destroying) return false;
  w->destroying = true;
  // Owned windows go first, as on Win32.
  for (Window* owned : TopLevelOrder())
    if (owned->parent == w && !IsChild(owned)) DestroyWindow(ToHwnd(owned));
  if (w->widget && !IsChild(w)) w->widget->hide();
  const bool wasForeground = !IsChild(w) && ForegroundWindow() == w;
  SendDestroy(w);
  SendNcDestroy(w);
  ReleaseWidget(w);
  // As on Win32, the owner of a destroyed active window becomes active.
  Window* owner = wasForeground ? AsWindow(ToHwnd(w->parent)) : nullptr;
  if (owner && owner->visible && !owner->disabled) SetForegroundWindow(ToHwnd(owner));
  return true;
}

bool IsWindow(Hwnd window) { return AsWindow(window) != nullptr; }

Hwnd SetParent(Hwnd window, Hwnd parent) {
  Window* w = AsWindow(window);
  if (!w) return nullptr;
  Window* previous = w->parent;
  Window* next = AsWindow(parent);
  // Where the child is in its parent's client area, which it keeps.
  const QPoint at = w->widget ? w->widget->pos() - ChildOffset(w) : QPoint();
  Unlink(w);
  w->parent = next;
  Link(w);
  if (w->widget && IsChild(w)) {
    w->widget->setParent(next ? next->widget.data() : nullptr);
    w->widget->move(at + ChildOffset(w));
    if (next) PlaceFrame(next);
    w->widget->setVisible(w->visible);
  } else if (w->widget) {
    SetOwner(w, next);
  }
  return ToHwnd(previous);
}

Hwnd GetParent(Hwnd window) {
  Window* w = AsWindow(window);
  return w ? ToHwnd(w->parent) : nullptr;
}

std::vector<Hwnd> ChildWindows(Hwnd window) {
  std::vector<Hwnd> children;
  if (Window* w = AsWindow(window))
    for (Window* child : w->children) children.push_back(ToHwnd(child));
  return children;
}

WndProc SubclassWindow(Hwnd window, WndProc procedure) {
  Window* w = AsWindow(window);
  if (!w || !procedure) return nullptr;
  return std::exchange(w->procedure, procedure);
}

// ---- properties -------------------------------------------------------

bool SetProp(Hwnd window, const char* name, void* value) {
  Window* w = AsWindow(window);
  if (!w || !name) return false;
  w->properties[name] = value;
  return true;
}

void* GetProp(Hwnd window, const char* name) {
  Window* w = AsWindow(window);
  if (!w || !name) return nullptr;
  auto found = w->properties.find(name);
  return found == w->properties.end() ? nullptr : found->second;
}

void* RemoveProp(Hwnd window, const char* name) {
  Window* w = AsWindow(window);
  if (!w || !name) return nullptr;
  auto found = w->properties.find(name);
  if (found == w->properties.end()) return nullptr;
  void* value = found->second;
  w->properties.erase(found);
  return value;
}

// ---- styles and state ---------------------------------------------------

std::uint32_t GetStyle(Hwnd window) {
  Window* w = AsWindow(window);
  if (!w) return 0;
  return w->style | (w->visible ? WS_VISIBLE : 0u) | (w->disabled ? WS_DISABLED : 0u);
}

// A drawn frame that changes with the styles keeps the client area's size.
bool FrameResizes(const Window* w, const QMargins& oldFrame) {
  return DrawsOwnFrame(w) && w->widget && FrameOf(w) != oldFrame;
}

void SetStyle(Hwnd window, std::uint32_t style) {
  Window* w = AsWindow(window);
  if (!w) return;
  const std::uint32_t old = GetStyle(window);
  const QMargins oldFrame = FrameOf(w);
  const QSize client = ClientSize(w);
  w->style = style & ~(WS_VISIBLE | WS_DISABLED);
  if ((old ^ style) & WS_DISABLED) {
    w->disabled = (style & WS_DISABLED) != 0;
    if (w->widget) w->widget->setEnabled(!w->disabled);
  }
  if ((old ^ style) & WS_VISIBLE) ApplyVisibility(w, (style & WS_VISIBLE) != 0);
  if ((((old ^ style) & WS_THICKFRAME) && !IsChild(w) && w->widget) || FrameResizes(w, oldFrame))
    ResizeClient(w, client);
  if (w->systemClass != SystemClass::None)
    SystemProcedure(w->systemClass, window, kApplyStyleMessage, old, 0);
}

std::uint32_t GetExStyle(Hwnd window) {
  Window* w = AsWindow(window);
  return w ? w->exStyle : 0;
}

void SetExStyle(Hwnd window, std::uint32_t exStyle) {
  Window* w = AsWindow(window);
  if (!w) return;
  const QMargins oldFrame = FrameOf(w);
  const QSize client = ClientSize(w);
  w->exStyle = exStyle;
  if (FrameResizes(w, oldFrame)) ResizeClient(w, client);
  if (w->systemClass != SystemClass::None)
    SystemProcedure(w->systemClass, window, kApplyStyleMessage, w->style, 0);
}

std::uint32_t GetClassStyle(Hwnd window) {
  Window* w = AsWindow(window);
  return w ? w->classStyle : 0;
}

bool ShowWindow(Hwnd window, int command) {
  Window* w = AsWindow(window);
  if (!w) return false;
  const bool wasVisible = (GetStyle(window) & WS_VISIBLE) != 0;
  const bool show = command != SW_HIDE;
  if (!IsChild(w)) {
    if (command == SW_SHOWMINIMIZED || command == SW_MINIMIZE || command == SW_SHOWMINNOACTIVE)
      w->showState = SW_SHOWMINIMIZED;
    else if (command == SW_SHOWMAXIMIZED)
      w->showState = SW_SHOWMAXIMIZED;
    else if (command == SW_SHOWNORMAL || command == SW_RESTORE)
      w->showState = SW_SHOWNORMAL;
  }
  if (show != wasVisible) Send(w, WM_SHOWWINDOW, show ? 1 : 0, 0);
  if (!AsWindow(window)) return wasVisible;
  if (show) {
    ApplyVisibility(w, true);
    if (!IsChild(w) && w->showState == SW_SHOWNORMAL) w->widget->showNormal();
  } else {
    ApplyVisibility(w, false);
    Window* focus = AsWindow(GetFocus());
    if (focus && TopLevelOf(focus) == w && !IsChild(w)) SetFocus(nullptr);
  }
  const bool activates = command == SW_SHOW || command == SW_SHOWNORMAL ||
                         command == SW_SHOWMAXIMIZED || command == SW_RESTORE;
  if (show && activates && !IsChild(w) && !w->disabled) SetForegroundWindow(window);
  if (wasVisible != show && w->widget)
    Send(w, WM_SIZE, w->showState == SW_SHOWMINIMIZED ? 1 : 0, SizeParam(w));
  return wasVisible;
}

bool IsWindowVisible(Hwnd window) {
  for (Window* w = AsWindow(window); w; w = IsChild(w) ? w->parent : nullptr)
    if (!(GetStyle(ToHwnd(w)) & WS_VISIBLE)) return false;
  return AsWindow(window) != nullptr;
}

bool IsWindowEnabled(Hwnd window) {
  Window* w = AsWindow(window);
  return w && !w->disabled;
}

bool EnableWindow(Hwnd window, bool enable) {
  Window* w = AsWindow(window);
  if (!w) return false;
  const bool wasDisabled = w->disabled;
  if (wasDisabled == !enable) return wasDisabled;
  w->disabled = !enable;
  if (w->widget) w->widget->setEnabled(enable);
  if (!enable && GetFocus() == window) SetFocus(nullptr);
  Send(w, WM_ENABLE, enable ? 1 : 0);
  return wasDisabled;
}

bool IsIconic(Hwnd window) {
  Window* w = AsWindow(window);
  return w && !IsChild(w) && w->showState == SW_SHOWMINIMIZED;
}

bool IsZoomed(Hwnd window) {
  Window* w = AsWindow(window);
  return w && !IsChild(w) && w->showState == SW_SHOWMAXIMIZED;
}

// ---- text ----------------------------------------------------------------

bool SetWindowText(Hwnd window, const std::string& text) {
  return AsWindow(window) &&
         SendMessage(window, WM_SETTEXT, 0, reinterpret_cast<LParam>(text.c_str())) != 0;
}

std::string GetWindowText(Hwnd window) {
  Window* w = AsWindow(window);
  if (!w) return {};
  std::string text;
  if (w->systemClass != SystemClass::None &&
      SystemProcedure(w->systemClass, window, kGetTextMessage, 0, reinterpret_cast<LParam>(&text)))
    return text;
  return w->text;
}

LResult SendTextMessage(Hwnd window, std::uint32_t message, WParam wParam,
                        const std::string& text) {
  return SendMessage(window, message, wParam, reinterpret_cast<LParam>(text.c_str()));
}

std::string GetItemText(Hwnd window, std::uint32_t lengthMessage, std::uint32_t getMessage,
                        WParam index) {
  const LResult length = SendMessage(window, lengthMessage, index, 0);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 2, '\0');
  if (getMessage == EM_GETLINE) {
    const auto size = static_cast<std::uint16_t>(std::min<LResult>(length, 0xFFFF));
    std::memcpy(text.data(), &size, sizeof size);
  }
  const LResult copied =
      SendMessage(window, getMessage, index, reinterpret_cast<LParam>(text.data()));
  if (copied <= 0) return {};
  text.resize(static_cast<std::size_t>(std::min(copied, length)));
  return text;
}

std::string TextOfSetTextMessage(LParam lParam) {
  const auto* text = reinterpret_cast<const char*>(lParam);
  return text ? std::string(text) : std::string();
}

}  // namespace native
