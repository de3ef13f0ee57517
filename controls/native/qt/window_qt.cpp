// Windows, classes, the message queue and focus over Qt Widgets. A window is
// a record of ours that owns a widget; its messages go through its class's
// window procedure exactly as on Win32, and the system classes' procedures
// (system_classes_qt.cpp) drive the widgets.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QCursor>
#include <QDateTime>
#include <QGuiApplication>
#include <QScreen>
#include <QWindow>
#include <algorithm>
#include <cstring>
#include <deque>
#include <unordered_set>

#include "controls/native/qt/qt_backend.h"

namespace native {

using namespace qt;

namespace {

constexpr U32 WM_CREATE = 0x1, WM_DESTROY = 0x2, WM_ENABLE = 0xA, WM_GETFONT = 0x31,
              WM_GETICON = 0x7F, WM_NCCREATE = 0x81;
constexpr WParam SC_CLOSE = 0xF060, SC_RESTORE = 0xF120, SC_MAXIMIZE = 0xF030;
constexpr LResult HTNOWHERE = 0, HTCAPTION = 2, HTRIGHT = 11, HTTOP = 12, HTTOPLEFT = 13,
                  HTTOPRIGHT = 14, HTBOTTOM = 15, HTBOTTOMLEFT = 16;
constexpr int SW_SHOWNORMAL = 1, SW_SHOWMINIMIZED = 2, SW_MINIMIZE = 6, SW_RESTORE = 9;
constexpr U32 WS_CAPTION = 0x00C00000, WS_SYSMENU = 0x00080000;

// ---- the table of windows ----------------------------------------------

struct WindowTable {
  std::unordered_set<Window*> live;
  // Destroyed records stay allocated, so a stale handle never names a new window.
  std::vector<std::unique_ptr<Window>> all;
  std::vector<Window*> topLevels;  // the top first
  Window* focus = nullptr;
  Window* foreground = nullptr;
  Window* capture = nullptr;
  Cursor cursor = nullptr;
};

WindowTable& Windows() {
  static WindowTable table;
  return table;
}

bool IsChild(const Window* w) { return (w->style & WS_CHILD) != 0; }

Window* TopLevelOf(Window* w) {
  while (w && IsChild(w) && w->parent) w = w->parent;
  return w;
}

// ---- classes -------------------------------------------------------------

struct SystemClassEntry {
  const char* name;
  SystemClass systemClass;
  U32 style;
};

// CS_DBLCLKS | CS_PARENTDC and the like, as the system registers them.
constexpr SystemClassEntry kSystemClasses[] = {
    {"BUTTON", SystemClass::Button, 0x4088},
    {"STATIC", SystemClass::Static, 0x4088},
    {"EDIT", SystemClass::Edit, 0x4088},
    {"COMBOBOX", SystemClass::ComboBox, 0x4088},
};

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

const SystemClassEntry* FindSystemClass(const std::string& name) {
  for (const SystemClassEntry& entry : kSystemClasses)
    if (SameName(entry.name, name)) return &entry;
  return nullptr;
}

std::vector<std::pair<std::string, ClassInfo>>& Registered() {
  static std::vector<std::pair<std::string, ClassInfo>> classes;
  return classes;
}

const ClassInfo* FindRegistered(const std::string& name) {
  for (const auto& [known, info] : Registered())
    if (SameName(known, name)) return &info;
  return nullptr;
}

// ---- frames ------------------------------------------------------------

// The non-client frame a window of these styles has on Win32. The client
// area is what the layout places; under a window manager the manager draws
// its own frame around it instead.
QMargins FrameOf(const Window* w) {
  if (IsChild(w)) {
    int edge = (w->exStyle & WS_EX_CLIENTEDGE) ? 2 : (w->style & WS_BORDER) ? 1 : 0;
    if (w->style & WS_DLGFRAME) edge += 1;
    if (w->systemClass == SystemClass::Static && (w->style & SS_SUNKEN)) edge += 1;
    return {edge, edge, edge, edge};
  }
  const int border = (w->style & WS_THICKFRAME)               ? 4
                     : (w->style & (WS_DLGFRAME | WS_BORDER)) ? 3
                                                              : 0;
  const int caption =
      (w->style & WS_CAPTION) == WS_CAPTION ? ((w->exStyle & WS_EX_TOOLWINDOW) ? 17 : 23) : 0;
  return {border, border + caption, border, border};
}

QPoint ScreenOrigin(const Window* w) {
  if (!w->widget) return {};
  return IsChild(w) ? w->widget->mapToGlobal(QPoint(0, 0)) : w->widget->geometry().topLeft();
}

// Outer rectangle in screen coordinates.
QRect OuterRect(const Window* w) {
  if (!w->widget) return {};
  if (IsChild(w)) {
    QRect r(ScreenOrigin(w), w->widget->size());
    if (w->systemClass == SystemClass::ComboBox && w->dropped) r.setHeight(w->droppedHeight);
    return r;
  }
  return w->widget->geometry().marginsAdded(FrameOf(w));
}

// The offscreen platform keeps no window order of its own; ours is the one
// the program sees.
void Raise(QWidget* widget) {
  if (widget->isWindow() && QGuiApplication::platformName() == QLatin1String("offscreen")) return;
  widget->raise();
}

// A combo box builds its drop-down list as soon as its font changes, even
// to the same font; the list waits until it is first opened otherwise.
void ShowFont(QWidget* widget, const QFont& font) {
  if (widget->font() != font) widget->setFont(font);
}

Rect ToRect(const QRect& r) {
  return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
}

// ---- messages --------------------------------------------------------

std::deque<QueuedMessage>& Queue() {
  static std::deque<QueuedMessage> queue;
  return queue;
}

// PostQuitMessage's exit code; WM_QUIT comes once the queue is empty.
std::pair<bool, int>& QuitPosted() {
  static std::pair<bool, int> posted{false, 0};
  return posted;
}

std::uint32_t Now() { return static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()); }

LResult Send(Window* w, U32 message, WParam wParam = 0, LParam lParam = 0) {
  return SendMessage(ToHwnd(w), message, wParam, lParam);
}

// ---- creation ----------------------------------------------------------

Qt::WindowFlags TopLevelFlags(const Window* w) {
  Qt::WindowFlags flags = (w->exStyle & WS_EX_TOOLWINDOW) ? Qt::Tool : Qt::Window;
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
  if (!w->widget) {
    w->widget =
        IsChild(w) ? new QWidget(w->parent->widget.data()) : new QWidget(nullptr, TopLevelFlags(w));
    w->widget->setAutoFillBackground(false);
  } else if (!IsChild(w)) {
    w->widget->setWindowFlags(TopLevelFlags(w));
  }
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
  if (t.focus == w) t.focus = nullptr;
  if (t.foreground == w) t.foreground = nullptr;
  if (t.capture == w) t.capture = nullptr;
}

void ApplyVisibility(Window* w, bool visible) {
  w->visible = visible;
  if (!w->widget) return;
  if (visible) {
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
  Windows().live.erase(w);
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

// ---- hit testing -------------------------------------------------------

LResult HitTest(Window* w, Point screen) {
  const QRect outer = OuterRect(w);
  const QPoint p(screen.x, screen.y);
  if (!outer.contains(p)) return HTNOWHERE;
  if (IsChild(w)) return HTCLIENT;
  const QRect client = w->widget->geometry();
  if (client.contains(p)) return HTCLIENT;
  const QMargins frame = FrameOf(w);
  const int border = frame.left();
  const bool left = p.x()<outer.left() + border, right = p.x()> outer.right() - border;
  const bool top = p.y()<outer.top() + border, bottom = p.y()> outer.bottom() - border;
  if (!(w->style & WS_THICKFRAME)) return (left || right || top || bottom) ? HTBORDER : HTCAPTION;
  if (top) return left ? HTTOPLEFT : right ? HTTOPRIGHT : HTTOP;
  if (bottom) return left ? HTBOTTOMLEFT : right ? HTBOTTOMRIGHT : HTBOTTOM;
  if (left) return HTLEFT;
  if (right) return HTRIGHT;
  return HTCAPTION;
}

// The layout of the system's MINMAXINFO.
struct MinMaxInfo {
  Point reserved, maxSize, maxPosition, minTrack, maxTrack;
};

void DefaultMinMax(LParam lParam) {
  auto* info = reinterpret_cast<MinMaxInfo*>(lParam);
  if (!info) return;
  const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
  info->maxSize = {width + 8, height + 8};
  info->maxPosition = {-4, -4};
  info->minTrack = {112, 27};
  info->maxTrack = {width + 12, height + 12};
}

LResult DefaultSetCursor(Window* w, LParam lParam) {
  if (w->parent && IsChild(w) && Send(w->parent, WM_SETCURSOR, reinterpret_cast<WParam>(w), lParam))
    return 1;
  if ((lParam & 0xFFFF) != HTCLIENT) return 0;
  SetCursor(LoadSystemCursor(IDC_ARROW));
  return 1;
}

LResult DefaultSysCommand(Window* w, WParam command) {
  switch (command & 0xFFF0) {
    case SC_MINIMIZE:
      ShowWindow(ToHwnd(w), SW_MINIMIZE);
      return 0;
    case SC_MAXIMIZE:
      ShowWindow(ToHwnd(w), SW_SHOWMAXIMIZED);
      return 0;
    case SC_RESTORE:
      ShowWindow(ToHwnd(w), SW_RESTORE);
      return 0;
    case SC_CLOSE:
      Send(w, WM_CLOSE);
      return 0;
    default:
      return 0;
  }
}

LResult SetIconOf(Window* w, WParam which, LParam lParam) {
  Icon& slot = which == ICON_BIG ? w->bigIcon : w->smallIcon;
  Icon previous = slot;
  slot = reinterpret_cast<Icon>(lParam);
  if (w->widget && !IsChild(w)) {
    IconObject* icon = AsIcon(w->bigIcon ? w->bigIcon : w->smallIcon);
    w->widget->setWindowIcon(icon ? icon->icon : QIcon());
  }
  return reinterpret_cast<LResult>(previous);
}

}  // namespace

// ---- the back end's shared lookups --------------------------------------

namespace qt {

Window* AsWindow(Hwnd window) {
  auto* w = reinterpret_cast<Window*>(window);
  return w && Windows().live.count(w) ? w : nullptr;
}

Window* WindowOfWidget(const QWidget* widget) {
  for (const QWidget* at = widget; at; at = at->parentWidget()) {
    QVariant v = at->property("zurmetWindow");
    if (v.isValid()) {
      auto* w = reinterpret_cast<Window*>(v.value<quintptr>());
      if (Windows().live.count(w)) return w;
    }
    if (at->isWindow()) break;
  }
  return nullptr;
}

QPoint ClientOrigin(const Window* window) {
  if (!IsChild(window)) return {};
  const QMargins frame = FrameOf(window);
  return {frame.left(), frame.top()};
}

std::vector<Window*> TopLevelOrder() { return Windows().topLevels; }
Window* ForegroundWindow() { return Windows().foreground; }
Window* CaptureWindow() { return Windows().capture; }
void SetCaptureWindow(Window* window) { Windows().capture = window; }
Cursor ShownCursor() { return Windows().cursor; }

void Enqueue(const QueuedMessage& message) {
  Queue().push_back(message);
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void EnqueueFront(const QueuedMessage& message) { Queue().push_front(message); }

void EnsureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "zurmet";
  static char* argv[] = {name, nullptr};
  // Fusion draws the same on every desktop, and colours set through the
  // palette reach every part of its controls.
  QApplication::setStyle(MakeApplicationStyle());
  auto* app = new QApplication(argc, argv);
  app->setQuitOnLastWindowClosed(false);
  QApplication::setFont(SystemFont());
  InstallInputFilter();
}

}  // namespace qt

// ---- classes -------------------------------------------------------------

bool GetClassInfo(const std::string& className, ClassInfo& info) {
  if (const SystemClassEntry* system = FindSystemClass(className)) {
    info = {system->style, SystemProcedureOf(system->systemClass), 0, 8, nullptr};
    return true;
  }
  if (const ClassInfo* registered = FindRegistered(className)) {
    info = *registered;
    return true;
  }
  return false;
}

bool RegisterClass(const std::string& className, const ClassInfo& info) {
  if (className.empty() || !info.procedure || FindRegistered(className) ||
      FindSystemClass(className))
    return false;
  Registered().emplace_back(className, info);
  return true;
}

Hwnd CreateWindowEx(std::uint32_t exStyle, const std::string& className, const std::string& caption,
                    std::uint32_t style, int x, int y, int width, int height, Hwnd parent,
                    std::uint16_t id) {
  ClassInfo info;
  if (!GetClassInfo(className, info)) return nullptr;
  Window* parentWindow = AsWindow(parent);
  if ((style & WS_CHILD) && !parentWindow) return nullptr;
  EnsureApplication();
  WindowTable& t = Windows();
  t.all.push_back(std::make_unique<Window>());
  Window* w = t.all.back().get();
  w->className = className;
  w->procedure = info.procedure;
  w->classStyle = info.style;
  w->style = style & ~(WS_VISIBLE | WS_DISABLED);
  w->exStyle = exStyle;
  w->id = (style & WS_CHILD) ? id : 0;
  w->parent = parentWindow;
  w->text = caption;
  t.live.insert(w);
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
  w->widget->setProperty("zurmetWindow", QVariant::fromValue(reinterpret_cast<quintptr>(w)));
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
  const bool wasForeground = !IsChild(w) && Windows().foreground == w;
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
  Unlink(w);
  w->parent = next;
  Link(w);
  if (w->widget && IsChild(w)) {
    const QPoint at = w->widget->pos();
    w->widget->setParent(next ? next->widget.data() : nullptr);
    w->widget->move(at);
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

void SetStyle(Hwnd window, std::uint32_t style) {
  Window* w = AsWindow(window);
  if (!w) return;
  const std::uint32_t old = GetStyle(window);
  w->style = style & ~(WS_VISIBLE | WS_DISABLED);
  if ((old ^ style) & WS_DISABLED) {
    w->disabled = (style & WS_DISABLED) != 0;
    if (w->widget) w->widget->setEnabled(!w->disabled);
  }
  if ((old ^ style) & WS_VISIBLE) ApplyVisibility(w, (style & WS_VISIBLE) != 0);
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
  w->exStyle = exStyle;
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
    if (Windows().focus && (Windows().focus == w || TopLevelOf(Windows().focus) == w) &&
        !IsChild(w))
      SetFocus(nullptr);
  }
  const bool activates = command == SW_SHOW || command == SW_SHOWNORMAL ||
                         command == SW_SHOWMAXIMIZED || command == SW_RESTORE;
  if (show && activates && !IsChild(w) && !w->disabled) SetForegroundWindow(window);
  if (wasVisible != show && w->widget)
    Send(w, WM_SIZE, w->showState == SW_SHOWMINIMIZED ? 1 : 0,
         (w->widget->height() << 16) | (w->widget->width() & 0xFFFF));
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
  if (!enable && Windows().focus == w) SetFocus(nullptr);
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

// ---- placement -----------------------------------------------------------

bool SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int width, int height,
                  std::uint32_t flags) {
  Window* w = AsWindow(window);
  if (!w || !w->widget) return false;
  QWidget* widget = w->widget;
  const QSize oldSize = widget->size();
  const QMargins frame = FrameOf(w);
  if (!(flags & SWP_NOSIZE)) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (w->systemClass == SystemClass::ComboBox) {
      w->droppedHeight = height;
      height = SystemProcedure(w->systemClass, window, kFieldHeightMessage, 0, 0);
    }
    if (IsChild(w)) {
      widget->resize(width, height);
    } else {
      const QSize client(std::max(width - frame.left() - frame.right(), 1),
                         std::max(height - frame.top() - frame.bottom(), 1));
      if (w->style & WS_THICKFRAME) {
        widget->setMinimumSize(0, 0);
        widget->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        widget->resize(client);
      } else {
        widget->setFixedSize(client);
      }
    }
  }
  if (!(flags & SWP_NOMOVE)) {
    if (IsChild(w))
      widget->move(x, y);
    else
      widget->move(x + frame.left(), y + frame.top());
  }
  if (!(flags & SWP_NOZORDER) && (!insertAfter || insertAfter == TopWindow())) {
    WindowTable& t = Windows();
    std::vector<Window*>& order = IsChild(w) && w->parent ? w->parent->children : t.topLevels;
    std::erase(order, w);
    order.insert(order.begin(), w);
    Raise(widget);
  }
  if (flags & SWP_SHOWWINDOW) ApplyVisibility(w, true);
  if (flags & SWP_HIDEWINDOW) ApplyVisibility(w, false);
  if (flags & SWP_FRAMECHANGED && w->systemClass != SystemClass::None)
    SystemProcedure(w->systemClass, window, kApplyStyleMessage, w->style, 0);
  if ((flags & SWP_SHOWWINDOW) && !(flags & SWP_NOACTIVATE) && !IsChild(w))
    SetForegroundWindow(window);
  if (widget->size() != oldSize)
    Send(w, WM_SIZE, 0, (widget->height() << 16) | (widget->width() & 0xFFFF));
  return true;
}

Rect GetWindowRect(Hwnd window) {
  Window* w = AsWindow(window);
  if (!w) return {};
  QRect r = OuterRect(w);
  if (w->systemClass == SystemClass::ComboBox) r.setHeight(w->widget ? w->widget->height() : 0);
  return ToRect(r);
}

Rect GetClientRect(Hwnd window) {
  Window* w = AsWindow(window);
  if (!w || !w->widget) return {};
  QSize size = w->widget->size();
  if (IsChild(w)) size = size.shrunkBy(FrameOf(w));
  return {0, 0, std::max(size.width(), 0), std::max(size.height(), 0)};
}

Point ScreenToClient(Hwnd window, Point point) {
  Window* w = AsWindow(window);
  if (!w || !w->widget) return point;
  const QPoint origin = ScreenOrigin(w) + ClientOrigin(w);
  return {point.x - origin.x(), point.y - origin.y()};
}

Point ClientToScreen(Hwnd window, Point point) {
  Window* w = AsWindow(window);
  if (!w || !w->widget) return point;
  const QPoint origin = ScreenOrigin(w) + ClientOrigin(w);
  return {point.x + origin.x(), point.y + origin.y()};
}

int GetSystemMetrics(int index) {
  EnsureApplication();
  const QScreen* screen = QGuiApplication::primaryScreen();
  const QSize size = screen ? screen->size() : QSize(1024, 768);
  if (index == SM_CXSCREEN) return size.width();
  if (index == SM_CYSCREEN) return size.height();
  return 0;
}

Hwnd TopWindow() { return nullptr; }

// ---- messages and the queue ----------------------------------------------

LResult SendMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
  Window* w = AsWindow(window);
  if (!w || !w->procedure) return 0;
  return w->procedure(window, message, wParam, lParam);
}

bool PostMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
  if (window && !AsWindow(window)) return false;
  Enqueue({window, message, wParam, lParam, Now(), GetCursorPos()});
  return true;
}

LResult CallWindowProc(WndProc procedure, Hwnd window, std::uint32_t message, WParam wParam,
                       LParam lParam) {
  return procedure ? procedure(window, message, wParam, lParam) : 0;
}

LResult DefWindowProc(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
  Window* w = AsWindow(window);
  if (!w) return 0;
  switch (message) {
    case WM_NCCREATE:
      return 1;
    case WM_CLOSE:
      DestroyWindow(window);
      return 0;
    case WM_SETTEXT:
      w->text = TextOfSetTextMessage(lParam);
      if (w->widget && !IsChild(w)) w->widget->setWindowTitle(QString::fromStdString(w->text));
      return 1;
    case WM_GETMINMAXINFO:
      DefaultMinMax(lParam);
      return 0;
    case WM_NCHITTEST:
      return HitTest(w, {static_cast<std::int16_t>(lParam & 0xFFFF),
                         static_cast<std::int16_t>((lParam >> 16) & 0xFFFF)});
    case WM_SETICON:
      return SetIconOf(w, wParam, lParam);
    case WM_GETICON:
      return reinterpret_cast<LResult>(wParam == ICON_BIG ? w->bigIcon : w->smallIcon);
    case WM_SYSCOMMAND:
      return DefaultSysCommand(w, wParam);
    case WM_SETCURSOR:
      return DefaultSetCursor(w, lParam);
    case WM_ACTIVATE:
      if ((wParam & 0xFFFF) != 0 && w->showState != SW_SHOWMINIMIZED) SetFocus(window);
      return 0;
    case WM_ERASEBKGND:
      return 0;
    case WM_MOUSEWHEEL:
      // Unused turns go up to the parent, which may scroll.
      return IsChild(w) && w->parent ? Send(w->parent, message, wParam, lParam) : 0;
    case WM_SETFONT:
      w->font = reinterpret_cast<Font>(wParam);
      if (w->widget) ShowFont(w->widget, AsFont(w->font) ? AsFont(w->font)->font : SystemFont());
      return 0;
    case WM_GETFONT:
      return reinterpret_cast<LResult>(w->font);
    default:
      if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
        if (DeviceContext* dc = AsDc(reinterpret_cast<void*>(wParam))) {
          dc->textColor = GetSysColor(COLOR_WINDOWTEXT);
          dc->backColor = GetSysColor(message == WM_CTLCOLOREDIT ? 5 : COLOR_BTNFACE);
        }
        return 0;
      }
      return 0;
  }
}

bool PeekMessage(QueuedMessage& message) {
  EnsureApplication();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (Queue().empty()) {
    if (!QuitPosted().first) return false;
    message = {nullptr, WM_QUIT, static_cast<WParam>(QuitPosted().second),
               0,       Now(),   GetCursorPos()};
    QuitPosted() = {false, 0};
    return true;
  }
  message = Queue().front();
  Queue().pop_front();
  return true;
}

void TranslateAndDispatch(const QueuedMessage& message) {
  TranslateKey(message);
  if (message.window) SendMessage(message.window, message.message, message.wParam, message.lParam);
}

// Returns once Qt has handled a batch of events, which may have queued
// messages or only painted: as on Win32, where painting comes through the
// queue too, the loop's idle step then sees the window as it now is.
void WaitMessage() {
  EnsureApplication();
  if (!Queue().empty() || QuitPosted().first) return;
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
}

void PostQuitMessage(int exitCode) {
  QuitPosted() = {true, exitCode};
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

// ---- focus, keyboard, pointer ---------------------------------------------

Hwnd GetFocus() { return ToHwnd(Windows().focus); }

Hwnd SetFocus(Hwnd window) {
  WindowTable& t = Windows();
  Window* next = AsWindow(window);
  if (window && !next) return nullptr;
  // Focus in an inactive window activates it first, which may move the focus.
  if (Window* top = TopLevelOf(next); top && top != t.foreground && !top->disabled)
    SetForegroundWindow(ToHwnd(top));
  if (window && !AsWindow(window)) return nullptr;
  Window* old = t.focus;
  if (old == next) return ToHwnd(old);
  t.focus = next;
  if (old && AsWindow(ToHwnd(old))) Send(old, WM_KILLFOCUS, reinterpret_cast<WParam>(next));
  if (next && t.focus == next && AsWindow(window)) {
    if (next->widget) next->widget->setFocus(Qt::OtherFocusReason);
    Send(next, WM_SETFOCUS, reinterpret_cast<WParam>(AsWindow(ToHwnd(old))));
  }
  return ToHwnd(AsWindow(ToHwnd(old)));
}

bool SetForegroundWindow(Hwnd window) {
  Window* w = TopLevelOf(AsWindow(window));
  if (!w) return false;
  WindowTable& t = Windows();
  if (t.foreground == w) return true;
  Window* previous = t.foreground;
  t.foreground = w;
  std::erase(t.topLevels, w);
  t.topLevels.insert(t.topLevels.begin(), w);
  if (w->widget && w->widget->isVisible()) {
    Raise(w->widget);
    w->widget->activateWindow();
  }
  if (previous && AsWindow(ToHwnd(previous)))
    Send(previous, WM_ACTIVATE, 0, reinterpret_cast<LParam>(w));
  if (t.foreground == w) Send(w, WM_ACTIVATE, 1, reinterpret_cast<LParam>(previous));
  return true;
}

Hwnd GetCapture() { return ToHwnd(Windows().capture); }

std::int16_t GetKeyState(int virtualKey) {
  const Qt::KeyboardModifiers modifiers = QGuiApplication::keyboardModifiers();
  bool down = false;
  if (virtualKey == VK_SHIFT) down = modifiers & Qt::ShiftModifier;
  if (virtualKey == VK_CONTROL) down = modifiers & Qt::ControlModifier;
  if (virtualKey == VK_MENU) down = modifiers & Qt::AltModifier;
  return down ? static_cast<std::int16_t>(0x8000) : 0;
}

Point GetCursorPos() {
  const QPoint p = QCursor::pos();
  return {p.x(), p.y()};
}

Cursor SetCursor(Cursor cursor) {
  WindowTable& t = Windows();
  Cursor previous = t.cursor;
  t.cursor = cursor;
  CursorObject* shape = AsCursor(cursor);
  // The cursor shows over whichever window is under the pointer.
  if (QWidget* under = QApplication::widgetAt(QCursor::pos())) {
    if (Window* w = WindowOfWidget(under); w && w->widget) {
      if (shape)
        w->widget->setCursor(shape->shape);
      else
        w->widget->setCursor(Qt::BlankCursor);
    }
  }
  return previous;
}

void InitCommonControls() { EnsureApplication(); }

bool TrackMouseLeave(Hwnd window, bool cancel) {
  Window* w = AsWindow(window);
  if (!w) return false;
  w->trackLeave = !cancel;
  return true;
}

// ---- structures --------------------------------------------------------

DrawItem ReadDrawItem(LParam lParam) {
  const auto* item = reinterpret_cast<const DrawItemStruct*>(lParam);
  if (!item) return {};
  return {item->item, item->dc, item->state, item->rect};
}

void SetTrackSizes(LParam minMaxInfo, int width, int height) {
  auto* info = reinterpret_cast<MinMaxInfo*>(minMaxInfo);
  if (!info) return;
  info->minTrack = {width, height};
  info->maxTrack = {width, height};
}

bool InvalidateRect(Hwnd window, bool) {
  Window* w = AsWindow(window);
  if (!w || !w->widget) return false;
  w->widget->update();
  return true;
}

}  // namespace native
