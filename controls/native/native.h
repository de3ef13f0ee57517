// The seam between the control layer and a windowing platform. Every call the
// layer makes into a windowing system goes through these operations; each back
// end (controls/native/win32, controls/native/qt) implements all of them.
//
// Semantics are Win32's on every back end: window handles, message numbers,
// style bits, class styles and colour values (COLORREF, COLOR_ indexes) mean
// what they mean on Win32, so the layer's tables work unchanged. Text is UTF-8
// on this side of the seam; a back end converts to its own encoding.
// Positions, sizes and fonts are the layout's, at 100% (96 DPI), on a screen
// of any scale: a back end draws them at its screen's scale and reads them
// back as they were given.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace native {

struct WindowTag;
struct GdiTag;
using Hwnd = WindowTag*;
using Dc = GdiTag*;
using Font = GdiTag*;
using Brush = GdiTag*;
using Cursor = GdiTag*;
using Icon = GdiTag*;

using WParam = std::uintptr_t;
using LParam = std::intptr_t;
using LResult = std::intptr_t;

// A window procedure: a back end's system class procedure, or the layer's
// shared procedure that every registered class uses.
using WndProc = LResult (*)(Hwnd, std::uint32_t, WParam, LParam);

struct Point {
  int x = 0;
  int y = 0;
};

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
};

// The fields of a Win32 LOGFONT; the face name is UTF-8.
struct LogFont {
  std::int32_t height = 0;
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = 0;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charSet = 0;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;
  std::string faceName;

  bool operator==(const LogFont&) const = default;
};

// What a class registration takes over from a system class: a subclassed
// control keeps the system class's extra bytes, where it keeps its state.
struct ClassInfo {
  std::uint32_t style = 0;
  WndProc procedure = nullptr;
  int classExtra = 0;
  int windowExtra = 0;
  Brush background = nullptr;
  Cursor cursor = nullptr;  // shown over the client area; the arrow when null
};

// One dequeued message of the thread's queue.
struct QueuedMessage {
  Hwnd window = nullptr;
  std::uint32_t message = 0;
  WParam wParam = 0;
  LParam lParam = 0;
  std::uint32_t time = 0;
  Point point;  // pointer position in screen coordinates when it was posted
};

// What a WM_DRAWITEM's DRAWITEMSTRUCT tells the layer.
struct DrawItem {
  Hwnd item = nullptr;
  Dc dc = nullptr;
  std::uint32_t state = 0;
  Rect rect;
};

// What assistive technology is told of a window beyond what its class and
// text say: a role (Default: the class's own), a name (empty: the window's
// text) and whether it is the selected one of its list.
enum class AccessibleRole : std::uint8_t { Default, StaticText, Link, PageTab, PageTabList, Pane };
struct Accessibility {
  AccessibleRole role = AccessibleRole::Default;
  std::string name;
  bool selected = false;

  bool operator==(const Accessibility&) const = default;
};

// Window classes, creation and destruction
bool GetClassInfo(const std::string& className, ClassInfo& info);      // system or registered class
bool RegisterClass(const std::string& className, const ClassInfo& info);  // no icon
Hwnd CreateWindowEx(std::uint32_t exStyle, const std::string& className, const std::string& caption,
                    std::uint32_t style, int x, int y, int width, int height, Hwnd parent,
                    std::uint16_t id);
bool DestroyWindow(Hwnd window);
bool IsWindow(Hwnd window);
Hwnd SetParent(Hwnd window, Hwnd parent);
Hwnd GetParent(Hwnd window);
std::vector<Hwnd> ChildWindows(Hwnd window);  // direct children, GW_CHILD then GW_HWNDNEXT order
WndProc SubclassWindow(Hwnd window, WndProc procedure);  // GWL_WNDPROC; returns the previous one

// Window properties tie a platform window to the layer's objects ("SELF_", "PREV_PROC").
bool SetProp(Hwnd window, const char* name, void* value);
void* GetProp(Hwnd window, const char* name);
void* RemoveProp(Hwnd window, const char* name);

// Styles and state
std::uint32_t GetStyle(Hwnd window);
void SetStyle(Hwnd window, std::uint32_t style);
std::uint32_t GetExStyle(Hwnd window);
void SetExStyle(Hwnd window, std::uint32_t exStyle);
std::uint32_t GetClassStyle(Hwnd window);
bool ShowWindow(Hwnd window, int command);
bool IsWindowVisible(Hwnd window);
bool IsWindowEnabled(Hwnd window);
bool EnableWindow(Hwnd window, bool enable);
bool IsIconic(Hwnd window);
bool IsZoomed(Hwnd window);

// Text (UTF-8 here, the platform's own encoding behind the seam)
bool SetWindowText(Hwnd window, const std::string& text);
std::string GetWindowText(Hwnd window);
// Sends a message whose lParam is a text (CB_ADDSTRING, CB_INSERTSTRING, ...).
LResult SendTextMessage(Hwnd window, std::uint32_t message, WParam wParam, const std::string& text);
// Reads an item text with a length message and a get message (CB_GETLBTEXTLEN, CB_GETLBTEXT).
std::string GetItemText(Hwnd window, std::uint32_t lengthMessage, std::uint32_t getMessage, WParam index);
// The text carried by the lParam of a WM_SETTEXT that reached the layer's window procedure.
std::string TextOfSetTextMessage(LParam lParam);

// Placement
bool SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int width, int height,
                  std::uint32_t flags);
Rect GetWindowRect(Hwnd window);  // screen coordinates
Rect GetClientRect(Hwnd window);
Point ScreenToClient(Hwnd window, Point point);
Point ClientToScreen(Hwnd window, Point point);
int GetSystemMetrics(int index);
Hwnd TopWindow();  // HWND_TOP for SetWindowPos

// Messages and the queue
LResult SendMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam);
bool PostMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam);
LResult CallWindowProc(WndProc procedure, Hwnd window, std::uint32_t message, WParam wParam,
                       LParam lParam);
LResult DefWindowProc(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam);
bool PeekMessage(QueuedMessage& message);  // any window, all messages, removed from the queue
void TranslateAndDispatch(const QueuedMessage& message);
void WaitMessage();
void PostQuitMessage(int exitCode);

// Focus, keyboard, pointer
Hwnd GetFocus();
Hwnd SetFocus(Hwnd window);
bool SetForegroundWindow(Hwnd window);
Hwnd GetCapture();
std::int16_t GetKeyState(int virtualKey);
Point GetCursorPos();
// The point a mouse message carries: in the window's client area, or on the
// screen for WM_MOUSEWHEEL.
Point MousePosition(Hwnd window, LParam lParam);
Cursor SetCursor(Cursor cursor);
Cursor LoadSystemCursor(int id);  // IDC_ values
void InitCommonControls();
// Asks for (or cancels) a WM_MOUSELEAVE for the window. False when the platform
// offers no such request, which the layer then does without.
bool TrackMouseLeave(Hwnd window, bool cancel);

// Icons
bool DestroyIcon(Icon icon);
Icon CopyIcon(Icon icon);
Icon LoadMainIcon();  // the program's "MAINICON", or null

// Accessibility; a back end whose platform takes roles and names from the
// classes and texts alone keeps nothing.
void SetAccessibility(Hwnd window, const Accessibility& accessibility);

// The layout of the structures some messages point to.
DrawItem ReadDrawItem(LParam lParam);
void SetTrackSizes(Hwnd window, LParam minMaxInfo, int width, int height);  // WM_GETMINMAXINFO

// While a combo box's list opens (CBN_DROPDOWN): it shows this many rows, each
// of them whole.
void SetOpenListRows(Hwnd comboBox, int rows);

// Colours and GDI objects
std::uint32_t GetSysColor(int index);
Brush CreateSolidBrush(std::uint32_t rgb);
Font CreateFont(const LogFont& font);
bool DeleteObject(void* object);  // a Font or Brush
Brush GetStockBrush(int stockObject);  // NULL_BRUSH, BLACK_BRUSH

// Painting
bool InvalidateRect(Hwnd window, bool erase);  // the whole client area
// Runs draw with the given DC, or between BeginPaint and EndPaint when dc is null.
void Paint(Hwnd window, Dc dc, const std::function<void(Dc)>& draw);
void* SelectObject(Dc dc, void* object);
std::uint32_t SetTextColor(Dc dc, std::uint32_t rgb);
std::uint32_t SetBkColor(Dc dc, std::uint32_t rgb);
int SetBkMode(Dc dc, int mode);
void SetBrushOrigin(Dc dc, int x, int y);
void FillRect(Dc dc, const Rect& rect, Brush brush);
void FrameRect(Dc dc, const Rect& rect, Brush brush);
void DrawEdge(Dc dc, Rect& rect, std::uint32_t edge, std::uint32_t flags);
Point GetTextExtent(Dc dc, const std::string& text);
void ExtTextOut(Dc dc, int x, int y, std::uint32_t options, const Rect& clip, const std::string& text);

}  // namespace native
