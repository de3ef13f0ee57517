// The Win32 back end's two kinds of pixel. The seam speaks in the layout's
// pixels (96 DPI); windows, device contexts and the system speak in the
// screen's. Each top-level window has the DPI of the monitor it is on,
// shared by every window inside it; this file keeps it, converts between the
// two, and lays a window out again when its DPI changes (WM_DPICHANGED).
// Private to controls/native/win32/.
#pragma once

#include <windows.h>

namespace native::win32 {

// DPI of the primary screen, as the system reported it at start.
int SystemDpi();
// Whether a window of this DPI is drawn just as the layout says, at 100%
// on a system at 100%: everything crosses the seam as it is.
bool Unscaled(int dpi);
// DPI of the window's top-level window: the one it was created with, or the
// last WM_DPICHANGED gave. 96 for no window.
int WindowDpi(HWND window);
// A new top-level window takes its screen's DPI.
void AdoptDpi(HWND topLevel);
// What the system reports for a window (GetDpiForWindow, or LOGPIXELSY of
// the screen where that is missing), before any WM_DPICHANGED the back end
// kept.
int SystemWindowDpi(HWND window);

// A placement the seam was given, in the screen's pixels for a window of this
// style under this parent (the parent's client area, or the screen for a
// top-level window, whose frame keeps its own size).
struct Placement {
  int x, y, width, height;
};
Placement DevicePlacementForNew(const Placement& layout, DWORD style, DWORD exStyle, HWND parent);
Placement DevicePlacement(HWND window, const Placement& layout, UINT flags);

// Rectangles and points the seam reads, in the layout's pixels. Screen
// positions are the layout's too, at the DPI of the top-level window
// concerned, so a child's position is its parent's client origin plus its
// own offset, exactly as it was placed.
RECT LayoutWindowRect(HWND window);  // screen
RECT LayoutClientRect(HWND window);
POINT LayoutClientOrigin(HWND window);  // screen
POINT LayoutCursorPos();
POINT LayoutPointOfMessage(HWND window, LPARAM lParam);  // a mouse message's point
int LayoutSystemMetric(int index);
SIZE DeviceTrackSize(HWND window, int width, int height);

// Painting: the window a device context draws, its DPI, and the layout's
// rectangles mapped onto it edge by edge, so that neighbours still meet; an
// edge at the far side of the client area stays there.
class PaintScope {
 public:
  PaintScope(HWND window, HDC dc);
  ~PaintScope();
  PaintScope(const PaintScope&) = delete;
  PaintScope& operator=(const PaintScope&) = delete;

 private:
  HWND previousWindow_;
  HDC previousDc_;
};
HWND WindowOfDc(HDC dc);
int DcDpi(HDC dc);
RECT DeviceRect(HDC dc, const RECT& layout);
// A DRAWITEMSTRUCT's rectangle; its device context draws the item from now on.
RECT LayoutRectOfItem(HWND item, HDC dc, const RECT& device);

// WM_DPICHANGED for a top-level window of the layer: takes the suggested
// rectangle, places every window inside it again at the new DPI and gives
// them their fonts at that DPI.
LRESULT ChangeDpi(HWND topLevel, WPARAM wParam, LPARAM lParam);

}  // namespace native::win32
