// The seam over user32, gdi32 and comctl32. Text crosses as UTF-8 and is
// converted to UTF-16 for the wide functions; positions and sizes cross in
// the layout's pixels and are scaled to the screen's DPI (dpi_win32.h), fonts
// cross as their layout size (fonts_win32.h).
#include <windows.h>
#include <commctrl.h>

// The seam's operations carry the Win32 names that <windows.h> maps to its
// A or W variants; this file calls the W variants by their full names.
#undef GetClassInfo
#undef RegisterClass
#undef CreateWindowEx
#undef SetProp
#undef GetProp
#undef RemoveProp
#undef SetWindowText
#undef GetWindowText
#undef SendMessage
#undef PostMessage
#undef CallWindowProc
#undef DefWindowProc
#undef PeekMessage
#undef CreateFont
#undef ExtTextOut

#include <cstddef>
#include <iterator>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

#include "controls/native/native.h"
#include "controls/native/win32/accessibility_win32.h"
#include "controls/native/win32/classes_win32.h"
#include "controls/native/win32/dpi_win32.h"
#include "controls/native/win32/fonts_win32.h"
#include "controls/native/win32/scale.h"

namespace native {

using namespace win32;

namespace {

static_assert(sizeof(WParam) == sizeof(WPARAM) && sizeof(LParam) == sizeof(LPARAM));
static_assert(sizeof(LResult) == sizeof(LRESULT));

HWND H(Hwnd window) { return reinterpret_cast<HWND>(window); }
Hwnd N(HWND window) { return reinterpret_cast<Hwnd>(window); }
HDC D(Dc dc) { return reinterpret_cast<HDC>(dc); }
template <class T>
GdiTag* G(T handle) {
  return reinterpret_cast<GdiTag*>(handle);
}

// On x64 the window procedure calling convention is the only one, so the
// layer's procedures are Win32 window procedures as they are.
WNDPROC ToWin(WndProc procedure) { return reinterpret_cast<WNDPROC>(reinterpret_cast<void*>(procedure)); }
WndProc FromWin(WNDPROC procedure) { return reinterpret_cast<WndProc>(reinterpret_cast<void*>(procedure)); }

std::wstring Wide(const std::string& text) {
  if (text.empty()) return {};
  int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

std::string Utf8(const wchar_t* text, int length) {
  if (!text || length <= 0) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text, length, nullptr, 0, nullptr, nullptr);
  std::string utf8(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, length, utf8.data(), size, nullptr, nullptr);
  return utf8;
}

HINSTANCE Module() { return GetModuleHandleW(nullptr); }

RECT ToWin(const Rect& r) { return {r.left, r.top, r.right, r.bottom}; }
Rect FromWin(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

bool GetClassInfo(const std::string& className, ClassInfo& info) {
  WNDCLASSW wc{};
  if (!GetClassInfoW(Module(), Wide(className).c_str(), &wc)) return false;
  info.style = wc.style;
  info.procedure = FromWin(wc.lpfnWndProc);
  info.classExtra = wc.cbClsExtra;
  info.windowExtra = wc.cbWndExtra;
  info.background = G(wc.hbrBackground);
  info.cursor = G(wc.hCursor);
  return true;
}

bool RegisterClass(const std::string& className, const ClassInfo& info) {
  std::wstring name = Wide(className);
  WNDCLASSW wc{};
  wc.style = info.style;
  wc.lpfnWndProc = ToWin(info.procedure);
  wc.cbClsExtra = info.classExtra;
  wc.cbWndExtra = info.windowExtra;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(info.background);
  wc.hInstance = Module();
  wc.hCursor = info.cursor ? reinterpret_cast<HCURSOR>(info.cursor)
                           : LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
  wc.lpszClassName = name.c_str();
  const ATOM atom = RegisterClassW(&wc);
  NoteLayerClass(atom);
  return atom != 0;
}

Hwnd CreateWindowEx(std::uint32_t exStyle, const std::string& className, const std::string& caption,
                    std::uint32_t style, int x, int y, int width, int height, Hwnd parent, std::uint16_t id) {
  // A top-level window's menu parameter is a menu handle, never an identifier.
  HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
  const Placement device = DevicePlacementForNew({x, y, width, height}, style, exStyle, H(parent));
  HWND created = CreateWindowExW(exStyle, Wide(className).c_str(), Wide(caption).c_str(), style, device.x,
                                 device.y, device.width, device.height, H(parent), menu, Module(), nullptr);
  if (created && !(style & WS_CHILD)) AdoptDpi(created);
  return N(created);
}

bool DestroyWindow(Hwnd window) { return ::DestroyWindow(H(window)) != 0; }
bool IsWindow(Hwnd window) { return ::IsWindow(H(window)) != 0; }
Hwnd SetParent(Hwnd window, Hwnd parent) { return N(::SetParent(H(window), H(parent))); }
Hwnd GetParent(Hwnd window) { return N(::GetParent(H(window))); }

std::vector<Hwnd> ChildWindows(Hwnd window) {
  std::vector<Hwnd> children;
  for (HWND child = GetWindow(H(window), GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
    children.push_back(N(child));
  return children;
}

WndProc SubclassWindow(Hwnd window, WndProc procedure) {
  return FromWin(reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(H(window), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(ToWin(procedure)))));
}

namespace {

// The layer reads a property on every message it dispatches. Some systems
// (Wine) keep window properties in a separate server process, which costs a
// round trip per read, so the properties set here are also kept in the
// process. The system keeps its copy, and a window that no longer exists has
// no properties, as there.
using PropertyList = std::vector<std::pair<std::string, void*>>;

std::unordered_map<HWND, PropertyList>& KnownProperties() {
  static std::unordered_map<HWND, PropertyList> known;
  return known;
}

void Remember(HWND window, const char* name, void* value) {
  PropertyList& list = KnownProperties()[window];
  for (auto& [known, stored] : list) {
    if (known == name) {
      stored = value;
      return;
    }
  }
  list.emplace_back(name, value);
}

void Forget(HWND window, const char* name) {
  auto found = KnownProperties().find(window);
  if (found == KnownProperties().end()) return;
  std::erase_if(found->second, [&](const auto& entry) { return entry.first == name; });
  if (found->second.empty()) KnownProperties().erase(found);
}

}  // namespace

bool SetProp(Hwnd window, const char* name, void* value) {
  if (SetPropW(H(window), Wide(name).c_str(), value) == 0) return false;
  Remember(H(window), name, value);
  return true;
}

void* GetProp(Hwnd window, const char* name) {
  auto found = KnownProperties().find(H(window));
  if (found == KnownProperties().end()) return GetPropW(H(window), Wide(name).c_str());
  if (!IsWindow(H(window))) {
    KnownProperties().erase(found);
    return nullptr;
  }
  for (const auto& [known, value] : found->second)
    if (known == name) return value;
  return GetPropW(H(window), Wide(name).c_str());
}

void* RemoveProp(Hwnd window, const char* name) {
  Forget(H(window), name);
  return RemovePropW(H(window), Wide(name).c_str());
}

std::uint32_t GetStyle(Hwnd window) { return static_cast<std::uint32_t>(GetWindowLongW(H(window), GWL_STYLE)); }
void SetStyle(Hwnd window, std::uint32_t style) {
  SetWindowLongW(H(window), GWL_STYLE, static_cast<LONG>(style));
}
std::uint32_t GetExStyle(Hwnd window) {
  return static_cast<std::uint32_t>(GetWindowLongW(H(window), GWL_EXSTYLE));
}
void SetExStyle(Hwnd window, std::uint32_t exStyle) {
  SetWindowLongW(H(window), GWL_EXSTYLE, static_cast<LONG>(exStyle));
}
std::uint32_t GetClassStyle(Hwnd window) {
  return static_cast<std::uint32_t>(GetClassLongW(H(window), GCL_STYLE));
}
bool ShowWindow(Hwnd window, int command) { return ::ShowWindow(H(window), command) != 0; }
bool IsWindowVisible(Hwnd window) { return ::IsWindowVisible(H(window)) != 0; }
bool IsWindowEnabled(Hwnd window) { return ::IsWindowEnabled(H(window)) != 0; }
bool EnableWindow(Hwnd window, bool enable) { return ::EnableWindow(H(window), enable) != 0; }
bool IsIconic(Hwnd window) { return ::IsIconic(H(window)) != 0; }
bool IsZoomed(Hwnd window) { return ::IsZoomed(H(window)) != 0; }

bool SetWindowText(Hwnd window, const std::string& text) {
  return SetWindowTextW(H(window), Wide(text).c_str()) != 0;
}

std::string GetWindowText(Hwnd window) {
  int length = GetWindowTextLengthW(H(window));
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  int copied = GetWindowTextW(H(window), text.data(), length + 1);
  return Utf8(text.data(), copied);
}

LResult SendTextMessage(Hwnd window, std::uint32_t message, WParam wParam, const std::string& text) {
  std::wstring wide = Wide(text);
  return SendMessageW(H(window), message, wParam, reinterpret_cast<LPARAM>(wide.c_str()));
}

std::string GetItemText(Hwnd window, std::uint32_t lengthMessage, std::uint32_t getMessage, WParam index) {
  LRESULT length = SendMessageW(H(window), lengthMessage, index, 0);
  if (length <= 0) return {};
  std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
  LRESULT copied = SendMessageW(H(window), getMessage, index, reinterpret_cast<LPARAM>(text.data()));
  return copied > 0 ? Utf8(text.data(), static_cast<int>(copied)) : std::string{};
}

std::string TextOfSetTextMessage(LParam lParam) {
  auto text = reinterpret_cast<const wchar_t*>(lParam);
  return text ? Utf8(text, static_cast<int>(wcslen(text))) : std::string{};
}

bool SetWindowPos(Hwnd window, Hwnd insertAfter, int x, int y, int width, int height, std::uint32_t flags) {
  const Placement device = DevicePlacement(H(window), {x, y, width, height}, flags);
  return ::SetWindowPos(H(window), H(insertAfter), device.x, device.y, device.width, device.height, flags) !=
         0;
}

Rect GetWindowRect(Hwnd window) { return FromWin(LayoutWindowRect(H(window))); }
Rect GetClientRect(Hwnd window) { return FromWin(LayoutClientRect(H(window))); }

Point ScreenToClient(Hwnd window, Point point) {
  const POINT origin = LayoutClientOrigin(H(window));
  return {point.x - origin.x, point.y - origin.y};
}

Point ClientToScreen(Hwnd window, Point point) {
  const POINT origin = LayoutClientOrigin(H(window));
  return {point.x + origin.x, point.y + origin.y};
}

int GetSystemMetrics(int index) { return LayoutSystemMetric(index); }
Hwnd TopWindow() { return N(HWND_TOP); }

LResult SendMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
  if (message == WM_SETFONT) return GiveFont(H(window), reinterpret_cast<HGDIOBJ>(wParam), lParam);
  const LRESULT result = SendMessageW(H(window), message, wParam, lParam);
  if (message == WM_GETFONT) return reinterpret_cast<LResult>(LayoutObjectOf(reinterpret_cast<HGDIOBJ>(result)));
  return result;
}
bool PostMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
  return PostMessageW(H(window), message, wParam, lParam) != 0;
}
// What the back end answers for a window of the layer before its class
// does: who it is to a screen reader, and a change of its screen's DPI.
static bool AnswerFirst(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam, LResult& result) {
  if (message == WM_GETOBJECT) return AnswerGetObject(H(window), wParam, lParam, result);
  if (message == WM_DPICHANGED && IsLayerWindow(H(window)) && !(GetWindowLongW(H(window), GWL_STYLE) & WS_CHILD)) {
    result = ChangeDpi(H(window), wParam, lParam);
    return true;
  }
  return false;
}

LResult CallWindowProc(WndProc procedure, Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
  NoteProcedure(H(window), message, ToWin(procedure));
  if (LResult result = 0; AnswerFirst(window, message, wParam, lParam, result)) return result;
  return CallWindowProcW(ToWin(procedure), H(window), message, wParam, lParam);
}
LResult DefWindowProc(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
  if (LResult result = 0; AnswerFirst(window, message, wParam, lParam, result)) return result;
  return DefWindowProcW(H(window), message, wParam, lParam);
}

bool PeekMessage(QueuedMessage& message) {
  MSG msg{};
  if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) return false;
  message = {N(msg.hwnd), msg.message, msg.wParam, msg.lParam, static_cast<std::uint32_t>(msg.time),
             {msg.pt.x, msg.pt.y}};
  return true;
}

void TranslateAndDispatch(const QueuedMessage& message) {
  MSG msg{};
  msg.hwnd = H(message.window);
  msg.message = message.message;
  msg.wParam = message.wParam;
  msg.lParam = message.lParam;
  msg.time = message.time;
  msg.pt = {message.point.x, message.point.y};
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
}

void WaitMessage() { ::WaitMessage(); }
void PostQuitMessage(int exitCode) { ::PostQuitMessage(exitCode); }

Hwnd GetFocus() { return N(::GetFocus()); }
Hwnd SetFocus(Hwnd window) { return N(::SetFocus(H(window))); }
bool SetForegroundWindow(Hwnd window) { return ::SetForegroundWindow(H(window)) != 0; }
Hwnd GetCapture() { return N(::GetCapture()); }
std::int16_t GetKeyState(int virtualKey) { return ::GetKeyState(virtualKey); }

Point GetCursorPos() {
  const POINT p = LayoutCursorPos();
  return {p.x, p.y};
}

Point MousePosition(Hwnd window, LParam lParam) {
  const POINT p = LayoutPointOfMessage(H(window), lParam);
  return {p.x, p.y};
}

Cursor SetCursor(Cursor cursor) { return G(::SetCursor(reinterpret_cast<HCURSOR>(cursor))); }
Cursor LoadSystemCursor(int id) { return G(LoadCursorW(nullptr, MAKEINTRESOURCEW(id))); }
void InitCommonControls() { ::InitCommonControls(); }

bool TrackMouseLeave(Hwnd window, bool cancel) {
  // Looked up at each use: a system without it simply gets no leave notices.
  using TrackFunction = BOOL(WINAPI*)(LPTRACKMOUSEEVENT);
  HMODULE comctl = GetModuleHandleA("comctl32.dll");
  if (!comctl) return false;
  auto track = reinterpret_cast<TrackFunction>(
      reinterpret_cast<void*>(GetProcAddress(comctl, "_TrackMouseEvent")));
  if (!track) return false;
  TRACKMOUSEEVENT request{sizeof(TRACKMOUSEEVENT), TME_LEAVE | (cancel ? TME_CANCEL : 0u), H(window), 0};
  return track(&request) != 0;
}

bool DestroyIcon(Icon icon) { return ::DestroyIcon(reinterpret_cast<HICON>(icon)) != 0; }
Icon CopyIcon(Icon icon) { return G(CopyImage(reinterpret_cast<HANDLE>(icon), IMAGE_ICON, 0, 0, 0)); }
Icon LoadMainIcon() { return G(LoadIconW(Module(), L"MAINICON")); }

void SetAccessibility(Hwnd window, const Accessibility& accessibility) { Describe(H(window), accessibility); }

DrawItem ReadDrawItem(LParam lParam) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
  return {N(item->hwndItem), G(item->hDC), item->itemState,
          FromWin(LayoutRectOfItem(item->hwndItem, item->hDC, item->rcItem))};
}

void SetTrackSizes(Hwnd window, LParam minMaxInfo, int width, int height) {
  auto* info = reinterpret_cast<MINMAXINFO*>(minMaxInfo);
  const SIZE device = DeviceTrackSize(H(window), width, height);
  info->ptMinTrackSize = {device.cx, device.cy};
  info->ptMaxTrackSize = {device.cx, device.cy};
}

void SetOpenListRows(Hwnd comboBox, int rows) {
  HWND combo = H(comboBox);
  // A list of integral height is sized by its rows where the system knows
  // CB_SETMINVISIBLE (not Wine 8), and by the height it is given elsewhere.
  if (!(GetWindowLongW(combo, GWL_STYLE) & CBS_NOINTEGRALHEIGHT))
    SendMessageW(combo, CB_SETMINVISIBLE, static_cast<WPARAM>(rows), 0);
  // The height holds the closed box, the rows and the list's border.
  RECT closed{};
  ::GetWindowRect(combo, &closed);
  const auto row = static_cast<int>(SendMessageW(combo, CB_GETITEMHEIGHT, 0, 0));
  const int height = (closed.bottom - closed.top) + rows * row + 2 * ::GetSystemMetrics(SM_CYBORDER);
  ::SetWindowPos(combo, nullptr, 0, 0, closed.right - closed.left, height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_HIDEWINDOW);
  ::SetWindowPos(combo, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOREDRAW | SWP_NOACTIVATE | SWP_SHOWWINDOW);
}

std::uint32_t GetSysColor(int index) { return ::GetSysColor(index); }
Brush CreateSolidBrush(std::uint32_t rgb) { return G(::CreateSolidBrush(rgb)); }

Font CreateFont(const LogFont& font) {
  LOGFONTW lf{};
  lf.lfHeight = font.height;
  lf.lfWidth = font.width;
  lf.lfEscapement = font.escapement;
  lf.lfOrientation = font.orientation;
  lf.lfWeight = font.weight;
  lf.lfItalic = font.italic;
  lf.lfUnderline = font.underline;
  lf.lfStrikeOut = font.strikeOut;
  lf.lfCharSet = font.charSet;
  lf.lfOutPrecision = font.outPrecision;
  lf.lfClipPrecision = font.clipPrecision;
  lf.lfQuality = font.quality;
  lf.lfPitchAndFamily = font.pitchAndFamily;
  std::wstring face = Wide(font.faceName).substr(0, LF_FACESIZE - 1);
  face.copy(lf.lfFaceName, face.size());
  return G(CreateLayoutFont(lf));
}

bool DeleteObject(void* object) {
  return DeleteLayoutFont(static_cast<HGDIOBJ>(object)) || ::DeleteObject(static_cast<HGDIOBJ>(object)) != 0;
}
Brush GetStockBrush(int stockObject) { return G(GetStockObject(stockObject)); }

bool InvalidateRect(Hwnd window, bool erase) { return ::InvalidateRect(H(window), nullptr, erase) != 0; }

void Paint(Hwnd window, Dc dc, const std::function<void(Dc)>& draw) {
  if (dc) {
    const PaintScope scope(H(window), D(dc));
    draw(dc);
    return;
  }
  PAINTSTRUCT ps{};
  HDC painted = BeginPaint(H(window), &ps);
  if (painted) {
    const PaintScope scope(H(window), painted);
    draw(G(painted));
  }
  EndPaint(H(window), &ps);
}

void* SelectObject(Dc dc, void* object) {
  return ::SelectObject(D(dc), ObjectForDpi(static_cast<HGDIOBJ>(object), DcDpi(D(dc))));
}
std::uint32_t SetTextColor(Dc dc, std::uint32_t rgb) { return ::SetTextColor(D(dc), rgb); }
std::uint32_t SetBkColor(Dc dc, std::uint32_t rgb) { return ::SetBkColor(D(dc), rgb); }
int SetBkMode(Dc dc, int mode) { return ::SetBkMode(D(dc), mode); }
void SetBrushOrigin(Dc dc, int x, int y) {
  const int dpi = DcDpi(D(dc));
  SetBrushOrgEx(D(dc), ToDevice(x, dpi), ToDevice(y, dpi), nullptr);
}

void FillRect(Dc dc, const Rect& rect, Brush brush) {
  const RECT r = DeviceRect(D(dc), ToWin(rect));
  ::FillRect(D(dc), &r, reinterpret_cast<HBRUSH>(brush));
}

namespace {

// A line of the layout, one of its pixels thick, as wide as that pixel is
// on the screen.
void FillLine(HDC dc, RECT line, HBRUSH brush) {
  const RECT r = DeviceRect(dc, line);
  ::FillRect(dc, &r, brush);
}

// The sides of a rectangle, each one layout pixel thick: the top and left in
// one brush, then the bottom and right in the other, which takes the corners.
void FrameSides(HDC dc, const RECT& r, UINT sides, HBRUSH topLeft, HBRUSH bottomRight) {
  if (sides & BF_TOP) FillLine(dc, {r.left, r.top, r.right, r.top + 1}, topLeft);
  if (sides & BF_LEFT) FillLine(dc, {r.left, r.top, r.left + 1, r.bottom}, topLeft);
  if (sides & BF_BOTTOM) FillLine(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  if (sides & BF_RIGHT) FillLine(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

// The two lines of a 3D edge, in the system's colours for each.
struct EdgeLine {
  UINT raised, sunken;
  int raisedTopLeft, raisedBottomRight;
};
constexpr EdgeLine kEdgeLines[] = {
    {BDR_RAISEDOUTER, BDR_SUNKENOUTER, COLOR_3DLIGHT, COLOR_3DDKSHADOW},
    {BDR_RAISEDINNER, BDR_SUNKENINNER, COLOR_3DHILIGHT, COLOR_3DSHADOW},
};

// The sunken outer line is the raised inner one's colours reversed, and the
// other way round.
void DrawScaledEdge(HDC dc, RECT& r, UINT edge, UINT flags) {
  for (std::size_t i = 0; i < std::size(kEdgeLines); ++i) {
    const EdgeLine& line = kEdgeLines[i];
    const EdgeLine& mirror = kEdgeLines[std::size(kEdgeLines) - 1 - i];
    int topLeft = 0, bottomRight = 0;
    if (edge & line.raised) {
      topLeft = line.raisedTopLeft;
      bottomRight = line.raisedBottomRight;
    } else if (edge & line.sunken) {
      topLeft = mirror.raisedBottomRight;
      bottomRight = mirror.raisedTopLeft;
    } else {
      continue;
    }
    FrameSides(dc, r, flags, GetSysColorBrush(topLeft), GetSysColorBrush(bottomRight));
    if (flags & BF_LEFT) ++r.left;
    if (flags & BF_TOP) ++r.top;
    if (flags & BF_RIGHT) --r.right;
    if (flags & BF_BOTTOM) --r.bottom;
  }
  if (flags & BF_MIDDLE) FillLine(dc, r, GetSysColorBrush(COLOR_3DFACE));
}

}  // namespace

void FrameRect(Dc dc, const Rect& rect, Brush brush) {
  RECT r = ToWin(rect);
  if (DcDpi(D(dc)) == kLayoutDpi) {
    ::FrameRect(D(dc), &r, reinterpret_cast<HBRUSH>(brush));
    return;
  }
  if (r.right <= r.left || r.bottom <= r.top) return;
  FrameSides(D(dc), r, BF_RECT, reinterpret_cast<HBRUSH>(brush), reinterpret_cast<HBRUSH>(brush));
}

void DrawEdge(Dc dc, Rect& rect, std::uint32_t edge, std::uint32_t flags) {
  RECT r = ToWin(rect);
  RECT drawn = r;
  if (DcDpi(D(dc)) == kLayoutDpi) {
    ::DrawEdge(D(dc), &drawn, edge, flags);
  } else {
    DrawScaledEdge(D(dc), drawn, edge, flags);
  }
  if (flags & BF_ADJUST) r = drawn;
  rect = FromWin(r);
}

Point GetTextExtent(Dc dc, const std::string& text) {
  std::wstring wide = Wide(text);
  SIZE size{};
  GetTextExtentPoint32W(D(dc), wide.c_str(), static_cast<int>(wide.size()), &size);
  const int dpi = DcDpi(D(dc));
  return {ToLayout(size.cx, dpi), ToLayout(size.cy, dpi)};
}

void ExtTextOut(Dc dc, int x, int y, std::uint32_t options, const Rect& clip, const std::string& text) {
  std::wstring wide = Wide(text);
  const RECT r = DeviceRect(D(dc), ToWin(clip));
  const int dpi = DcDpi(D(dc));
  ExtTextOutW(D(dc), ToDevice(x, dpi), ToDevice(y, dpi), options, &r, wide.c_str(),
              static_cast<UINT>(wide.size()), nullptr);
}

}  // namespace native
