#include "controls/native/win32/dpi_win32.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "controls/native/win32/classes_win32.h"
#include "controls/native/win32/fonts_win32.h"
#include "controls/native/win32/scale.h"

namespace native::win32 {

namespace {

// The per-monitor functions came with Windows 10; before that, and where a
// system lacks them, the screen's LOGPIXELSY and the plain functions serve.
template <class Function>
Function UserFunction(const char* name) {
  return reinterpret_cast<Function>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), name)));
}

int ScreenDpi() {
  HDC screen = GetDC(nullptr);
  if (!screen) return kLayoutDpi;
  const int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return UsableDpi(dpi);
}

std::unordered_map<HWND, int>& TopLevelDpi() {
  static std::unordered_map<HWND, int> dpi;
  return dpi;
}

HWND TopLevelOf(HWND window) {
  HWND root = GetAncestor(window, GA_ROOT);
  return root ? root : window;
}

bool IsTopLevel(HWND window) {
  return !(GetWindowLongW(window, GWL_STYLE) & WS_CHILD) ||
         GetAncestor(window, GA_PARENT) == GetDesktopWindow();
}

// A top-level window's frame is the system's, at the size the system gives
// it on that screen; only its client area is the layout's, scaled. To the
// layout the frame is as wide as at 96 DPI, so that a window's size in the
// layout's pixels (a fixed window's track size, say) means the same client
// area at every DPI.
SIZE DeviceFrame(HWND window) {
  RECT outer{}, client{};
  ::GetWindowRect(window, &outer);
  ::GetClientRect(window, &client);
  return {(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
}

SIZE FrameOfStyle(DWORD style, DWORD exStyle, int dpi) {
  using Adjust = BOOL(WINAPI*)(LPRECT, DWORD, BOOL, DWORD, UINT);
  static const auto adjustForDpi = UserFunction<Adjust>("AdjustWindowRectExForDpi");
  RECT r{};
  if (adjustForDpi) {
    adjustForDpi(&r, style, FALSE, exStyle, static_cast<UINT>(dpi));
  } else {
    AdjustWindowRectEx(&r, style, FALSE, exStyle);
  }
  return {r.right - r.left, r.bottom - r.top};
}

SIZE LayoutFrame(HWND window) {
  return FrameOfStyle(static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)),
                      static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)), kLayoutDpi);
}

int FramedDeviceLength(int layout, int layoutFrame, int deviceFrame, int dpi) {
  return ToDevice(layout - layoutFrame, dpi) + deviceFrame;
}

int FramedLayoutLength(int device, int layoutFrame, int deviceFrame, int dpi) {
  return ToLayout(device - deviceFrame, dpi) + layoutFrame;
}

bool IsScreenMetric(int index) {
  return index == SM_CXSCREEN || index == SM_CYSCREEN || index == SM_XVIRTUALSCREEN ||
         index == SM_YVIRTUALSCREEN || index == SM_CXVIRTUALSCREEN || index == SM_CYVIRTUALSCREEN;
}

HWND paintingWindow = nullptr;
HDC paintingDc = nullptr;
// The device context of the last WM_DRAWITEM read: a button printed into a
// bitmap (WM_PRINTCLIENT) draws its item there, with no window behind it.
HWND drawnItem = nullptr;
HDC drawnItemDc = nullptr;

// Every window of the layer inside a top-level window, parents first, where
// it stands in its parent's client area.
struct Placed {
  HWND window;
  RECT layout;
};

void CollectPlacements(HWND parent, std::vector<Placed>& placed) {
  const POINT origin = LayoutClientOrigin(parent);
  for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsLayerWindow(child)) continue;
    RECT r = LayoutWindowRect(child);
    OffsetRect(&r, -origin.x, -origin.y);
    placed.push_back({child, r});
    CollectPlacements(child, placed);
  }
}

}  // namespace

bool Unscaled(int dpi) { return dpi == kLayoutDpi && SystemDpi() == kLayoutDpi; }

int SystemDpi() {
  static const int dpi = [] {
    using GetForSystem = UINT(WINAPI*)();
    const auto forSystem = UserFunction<GetForSystem>("GetDpiForSystem");
    return forSystem ? UsableDpi(static_cast<int>(forSystem())) : ScreenDpi();
  }();
  return dpi;
}

int SystemWindowDpi(HWND window) {
  using GetForWindow = UINT(WINAPI*)(HWND);
  static const auto forWindow = UserFunction<GetForWindow>("GetDpiForWindow");
  const int dpi = forWindow && window ? static_cast<int>(forWindow(window)) : 0;
  return dpi > 0 ? UsableDpi(dpi) : SystemDpi();
}

int WindowDpi(HWND window) {
  if (!window) return kLayoutDpi;
  HWND root = TopLevelOf(window);
  const auto found = TopLevelDpi().find(root);
  return found != TopLevelDpi().end() ? found->second : SystemWindowDpi(root);
}

void AdoptDpi(HWND topLevel) {
  static std::size_t checkedAt = 16;
  if (TopLevelDpi().size() >= checkedAt) {
    std::erase_if(TopLevelDpi(), [](const auto& entry) { return !IsWindow(entry.first); });
    checkedAt = std::max<std::size_t>(16, 2 * TopLevelDpi().size());
  }
  TopLevelDpi()[topLevel] = SystemWindowDpi(topLevel);
}

Placement DevicePlacementForNew(const Placement& layout, DWORD style, DWORD exStyle, HWND parent) {
  const bool child = (style & WS_CHILD) && parent;
  const int dpi = child ? WindowDpi(parent) : SystemDpi();
  if (Unscaled(dpi)) return layout;
  const auto scaled = [dpi](int value) {
    return value == CW_USEDEFAULT ? value : ToDevice(value, dpi);
  };
  Placement device{scaled(layout.x), scaled(layout.y), scaled(layout.width), scaled(layout.height)};
  if (!child) {
    const SIZE frame = FrameOfStyle(style, exStyle, dpi);
    const SIZE layoutFrame = FrameOfStyle(style, exStyle, kLayoutDpi);
    if (layout.width != CW_USEDEFAULT)
      device.width = FramedDeviceLength(layout.width, layoutFrame.cx, frame.cx, dpi);
    if (layout.height != CW_USEDEFAULT)
      device.height = FramedDeviceLength(layout.height, layoutFrame.cy, frame.cy, dpi);
  }
  return device;
}

Placement DevicePlacement(HWND window, const Placement& layout, UINT flags) {
  const int dpi = WindowDpi(window);
  if (Unscaled(dpi)) return layout;
  Placement device = layout;
  if (!(flags & SWP_NOMOVE))
    device = {ToDevice(layout.x, dpi), ToDevice(layout.y, dpi), layout.width, layout.height};
  if (flags & SWP_NOSIZE) return device;
  if (IsTopLevel(window)) {
    const SIZE frame = DeviceFrame(window), layoutFrame = LayoutFrame(window);
    device.width = FramedDeviceLength(layout.width, layoutFrame.cx, frame.cx, dpi);
    device.height = FramedDeviceLength(layout.height, layoutFrame.cy, frame.cy, dpi);
  } else {
    device.width = ToDevice(layout.width, dpi);
    device.height = ToDevice(layout.height, dpi);
  }
  return device;
}

RECT LayoutWindowRect(HWND window) {
  RECT device{};
  ::GetWindowRect(window, &device);
  const int dpi = WindowDpi(window);
  if (Unscaled(dpi)) return device;
  const int width = device.right - device.left, height = device.bottom - device.top;
  if (IsTopLevel(window)) {
    const SIZE frame = DeviceFrame(window), layoutFrame = LayoutFrame(window);
    const int left = ToLayout(device.left, dpi), top = ToLayout(device.top, dpi);
    return {left, top, left + FramedLayoutLength(width, layoutFrame.cx, frame.cx, dpi),
            top + FramedLayoutLength(height, layoutFrame.cy, frame.cy, dpi)};
  }
  // The parent's client origin plus the child's own offset, each converted
  // once: a child reads back the position it was given.
  HWND parent = GetAncestor(window, GA_PARENT);
  POINT parentDevice{0, 0};
  ::ClientToScreen(parent, &parentDevice);
  const POINT parentLayout = LayoutClientOrigin(parent);
  const int left = parentLayout.x + ToLayout(device.left - parentDevice.x, dpi);
  const int top = parentLayout.y + ToLayout(device.top - parentDevice.y, dpi);
  return {left, top, left + ToLayout(width, dpi), top + ToLayout(height, dpi)};
}

RECT LayoutClientRect(HWND window) {
  RECT device{};
  ::GetClientRect(window, &device);
  const int dpi = WindowDpi(window);
  return {0, 0, ToLayout(device.right, dpi), ToLayout(device.bottom, dpi)};
}

POINT LayoutClientOrigin(HWND window) {
  POINT device{0, 0};
  ::ClientToScreen(window, &device);
  const int dpi = WindowDpi(window);
  if (Unscaled(dpi)) return device;
  RECT outer{};
  ::GetWindowRect(window, &outer);
  const RECT layout = LayoutWindowRect(window);
  return {layout.left + ToLayout(device.x - outer.left, dpi),
          layout.top + ToLayout(device.y - outer.top, dpi)};
}

POINT LayoutCursorPos() {
  POINT device{};
  ::GetCursorPos(&device);
  HWND under = WindowFromPoint(device);
  const int dpi = under ? WindowDpi(under) : SystemDpi();
  return {ToLayout(device.x, dpi), ToLayout(device.y, dpi)};
}

POINT LayoutPointOfMessage(HWND window, LPARAM lParam) {
  const int x = static_cast<short>(LOWORD(lParam)), y = static_cast<short>(HIWORD(lParam));
  const int dpi = WindowDpi(window);
  return {ToLayout(x, dpi), ToLayout(y, dpi)};
}

int LayoutSystemMetric(int index) {
  if (IsScreenMetric(index)) return ToLayout(GetSystemMetrics(index), SystemDpi());
  using ForDpi = int(WINAPI*)(int, UINT);
  static const auto forDpi = UserFunction<ForDpi>("GetSystemMetricsForDpi");
  return forDpi ? forDpi(index, kLayoutDpi) : GetSystemMetrics(index);
}

SIZE DeviceTrackSize(HWND window, int width, int height) {
  const int dpi = WindowDpi(window);
  if (Unscaled(dpi)) return {width, height};
  const SIZE frame = DeviceFrame(window), layoutFrame = LayoutFrame(window);
  return {FramedDeviceLength(width, layoutFrame.cx, frame.cx, dpi),
          FramedDeviceLength(height, layoutFrame.cy, frame.cy, dpi)};
}

PaintScope::PaintScope(HWND window, HDC dc)
    : previousWindow_(paintingWindow), previousDc_(paintingDc) {
  paintingWindow = window;
  paintingDc = dc;
}

PaintScope::~PaintScope() {
  paintingWindow = previousWindow_;
  paintingDc = previousDc_;
}

HWND WindowOfDc(HDC dc) {
  if (dc && dc == paintingDc) return paintingWindow;
  if (HWND window = WindowFromDC(dc)) return window;
  return dc && dc == drawnItemDc && IsWindow(drawnItem) ? drawnItem : nullptr;
}

// A device context of no window (a bitmap in memory) is drawn 1:1.
int DcDpi(HDC dc) {
  HWND window = WindowOfDc(dc);
  return window ? WindowDpi(window) : kLayoutDpi;
}

RECT DeviceRect(HDC dc, const RECT& layout) {
  HWND window = WindowOfDc(dc);
  const int dpi = window ? WindowDpi(window) : kLayoutDpi;
  if (Unscaled(dpi)) return layout;
  RECT client{};
  ::GetClientRect(window, &client);
  const int layoutRight = ToLayout(client.right, dpi), layoutBottom = ToLayout(client.bottom, dpi);
  const auto edge = [dpi](int value, int layoutFar, int deviceFar) {
    return value == layoutFar ? deviceFar : ToDevice(value, dpi);
  };
  return {ToDevice(layout.left, dpi), ToDevice(layout.top, dpi),
          edge(layout.right, layoutRight, client.right),
          edge(layout.bottom, layoutBottom, client.bottom)};
}

RECT LayoutRectOfItem(HWND item, HDC dc, const RECT& device) {
  drawnItem = item;
  drawnItemDc = dc;
  const int dpi = WindowDpi(item);
  return {ToLayout(device.left, dpi), ToLayout(device.top, dpi), ToLayout(device.right, dpi),
          ToLayout(device.bottom, dpi)};
}

LRESULT ChangeDpi(HWND topLevel, WPARAM wParam, LPARAM lParam) {
  std::vector<Placed> placed;
  CollectPlacements(topLevel, placed);
  TopLevelDpi()[topLevel] = UsableDpi(LOWORD(wParam));
  if (const auto* suggested = reinterpret_cast<const RECT*>(lParam)) {
    ::SetWindowPos(topLevel, nullptr, suggested->left, suggested->top,
                   suggested->right - suggested->left, suggested->bottom - suggested->top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  for (const Placed& p : placed) {
    const Placement device =
        DevicePlacement(p.window,
                        {p.layout.left, p.layout.top, p.layout.right - p.layout.left,
                         p.layout.bottom - p.layout.top},
                        0);
    ::SetWindowPos(p.window, nullptr, device.x, device.y, device.width, device.height,
                   SWP_NOZORDER | SWP_NOACTIVATE);
  }
  RefreshFonts(topLevel);
  RedrawWindow(topLevel, nullptr, nullptr,
               RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
  return 0;
}

}  // namespace native::win32
