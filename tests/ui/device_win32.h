// What the Win32 tests read of a window in the screen's own pixels, beside
// the layout's pixels the layer works in; and what a screen reader reads of
// it through Microsoft Active Accessibility. Kept apart from <windows.h>,
// whose macros would rename the seam's operations in the tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controls/native/native.h"

namespace ui::testing {

// The DPI the back end draws the window's top-level window at, and whether
// it draws it just as the layout says: at 96 DPI on a system at 96 DPI.
int DpiOf(native::Hwnd window);
bool DrawnAsLaidOut(native::Hwnd window);
int ToDevice(int layout, int dpi);

// In the screen's pixels: where a window is in its parent's client area (on
// the screen for a top-level window), and its size and client size.
struct DeviceGeometry {
  int left = 0, top = 0, width = 0, height = 0;
  int clientWidth = 0, clientHeight = 0;
  bool operator==(const DeviceGeometry&) const = default;
};
DeviceGeometry DeviceGeometryOf(native::Hwnd window);

// The font a window draws its text with: its own, or the system's when it
// was given none.
struct Face {
  std::string name;
  bool scalable = false;  // TrueType or vector, not a bitmap strike
};
Face FaceOf(native::Hwnd window);

// A text the window shows and, in the screen's pixels, how wide it is drawn
// and how wide the part of the control is that it is drawn in.
struct ShownText {
  std::string text;
  int width = 0;
  int room = 0;
};
// The lines of a label, the caption of a button, check box or group box, or
// the items of a combo box; nothing for a text field.
std::vector<ShownText> ShownTexts(native::Hwnd window);
// A caption the layer paints itself, in the window's client area, with the
// font the layer gave: as the back end draws that font at the window's DPI.
ShownText PaintedCaption(native::Hwnd window, native::Font layoutFont, const std::string& text);
// Whether that font is drawn in a scalable face at the window's DPI.
bool PaintedScalable(native::Hwnd window, native::Font layoutFont);

// WM_DPICHANGED as the system sends it when the window moves to a screen of
// this DPI, with the rectangle it suggests: where the window is, its frame as
// it is and its client area scaled.
void SendDpiChange(native::Hwnd topLevel, int dpi);

// Microsoft Active Accessibility roles and states the tests look for.
enum Role : long {
  kRoleClient = 10,
  kRoleDialog = 18,
  kRoleGrouping = 20,
  kRoleLink = 30,
  kRolePageTab = 37,
  kRoleStaticText = 41,
  kRoleText = 42,
  kRolePushButton = 43,
  kRoleCheckButton = 44,
  kRoleComboBox = 46,
  kRolePageTabList = 60,
  kRolePane = 16,
};
enum State : long {
  kStateUnavailable = 0x1,
  kStateSelected = 0x2,
  kStateFocused = 0x4,
  kStateChecked = 0x10,
  kStateReadOnly = 0x40,
  kStateInvisible = 0x8000,
  kStateSelectable = 0x200000,
  kStateLinked = 0x400000,
};

// One object as a screen reader reads it: found through
// AccessibleObjectFromWindow for the window's client area.
struct Accessible {
  bool found = false;
  long role = 0;
  std::string name;
  std::string value;
  long state = 0;
  std::string defaultAction;
  long childCount = 0;
};
Accessible ReadAccessible(native::Hwnd window);
// The children of the window's object, in the order it gives them.
std::vector<Accessible> ReadAccessibleChildren(native::Hwnd window);
bool DoDefaultAction(native::Hwnd window);

}  // namespace ui::testing
