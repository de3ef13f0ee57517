// What the tests need from Win32 beyond the seam: reading back what a window
// painted, the pointer, icons and the window order. Kept apart from
// <windows.h>, whose macros would rename the seam's operations in the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/native/native.h"

namespace controls::testing {

// A window's client area as COLORREF values (0x00BBGGRR), row by row.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> rgb;

  std::uint32_t At(int x, int y) const { return rgb[static_cast<std::size_t>(y * width + x)]; }
};

// The pixels of one colour: how many, and the box around them (right and
// bottom inclusive).
struct Spot {
  int count = 0;
  int left = 0, top = 0, right = -1, bottom = -1;
};

// Repaints the window through the system (WM_ERASEBKGND and WM_PAINT for an
// invalidated window) and copies its client area from the screen.
Picture PaintAndCapture(native::Hwnd window);
// Sends WM_PRINTCLIENT with a memory DC filled with the given colour first.
Picture PrintClient(native::Hwnd window, std::uint32_t background);

bool Near(std::uint32_t a, std::uint32_t b, int tolerance = 8);
Spot Find(const Picture& picture, std::uint32_t rgb, int tolerance = 8);
// The size of a text drawn with a font, as the layer measures it.
native::Point MeasureText(native::Font font, const std::string& text);
// Where the pixels of a text drawn at (0, 0) with a font fall: the glyphs'
// own offsets from the text origin, which a drawing elsewhere must repeat.
Spot TextInk(native::Font font, const std::string& text);

// The pointer, moved as the user would move it.
void MovePointer(native::Point screen);
// Where a window is on the screen, and its middle, in the pixels the pointer
// moves in: the screen's own, which on Win32 above 96 DPI are not the layout's.
native::Rect PointerRect(native::Hwnd window);
native::Point PointerCentre(native::Hwnd window);

// The client area's height of a combo box's open list, and of one of its rows.
int OpenListClientHeight(native::Hwnd comboBox);
int OpenListRowHeight(native::Hwnd comboBox);
// Waits until input or a message reaches the thread or the deadline passes;
// false when nothing came.
bool WaitForInput(int milliseconds);

native::Cursor CurrentCursor();
void SetCapture(native::Hwnd window);
void ReleaseCapture();

// A 16x16 icon of the test's own; IconAlive is false once it was destroyed.
native::Icon MakeIcon();
bool IconAlive(native::Icon icon);
native::Icon BigIconOf(native::Hwnd window);  // WM_GETICON ICON_BIG

// True when a comes before b in the order of top-level windows.
bool IsAbove(native::Hwnd a, native::Hwnd b);
native::Hwnd ForegroundWindow();
// What the system does when the user presses a window's close button.
void PressCloseButton(native::Hwnd window);

}  // namespace controls::testing
