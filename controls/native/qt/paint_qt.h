// Painting windows over Qt Widgets: a widget's paint event becomes the
// window's WM_ERASEBKGND and WM_PAINT, and a system control takes the
// colours its parent answers WM_CTLCOLOR* with. Private to controls/native/qt/.
#pragma once

#include "controls/native/qt/window_qt.h"

namespace native::qt {

// Paints a window from its widget's paint event: colours, background and the
// window's own WM_PAINT. False when the widget still has to paint itself.
bool PaintWindow(Window* window);

// The colours a system control gets from its parent's WM_CTLCOLOR* answer,
// applied to the widget's palette.
void ApplyControlColours(Window* window);

// What a button's WM_DRAWITEM points to, in the order of DRAWITEMSTRUCT.
struct DrawItemStruct {
  std::uint32_t controlType = ODT_BUTTON;
  std::uint32_t controlId = 0;
  std::uint32_t itemId = 0;
  std::uint32_t itemAction = ODA_DRAWENTIRE;
  std::uint32_t state = 0;
  Hwnd item = nullptr;
  Dc dc = nullptr;
  Rect rect;
  std::uintptr_t itemData = 0;
};

}  // namespace native::qt
