// The window record behind an Hwnd, and the tree of windows: which exist,
// their parents, children and owners, and the order of the top-level ones.
// Private to controls/native/qt/ and its test probes.
#pragma once

#include <QElapsedTimer>
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "controls/native/qt/win_defs_qt.h"

namespace native::qt {

class DeviceContext;

enum class SystemClass { None, Button, Static, Edit, ComboBox };

// One window of the seam. Its Hwnd names a slot of the table of windows and
// the slot's generation, so a handle of a destroyed window never names a new
// one; the record goes once no window procedure is running.
struct Window {
  Hwnd handle = nullptr;
  std::string className;
  SystemClass systemClass = SystemClass::None;  // set by the system procedure at WM_CREATE
  WndProc procedure = nullptr;
  std::uint32_t classStyle = 0;
  Cursor classCursor = nullptr;  // the arrow when null
  std::uint32_t style = 0;
  std::uint32_t exStyle = 0;
  std::uint16_t id = 0;
  Window* parent = nullptr;       // owner, for a top-level window
  std::vector<Window*> children;  // z-order: first is the top
  std::string text;
  QPointer<QWidget> widget;
  std::map<std::string, void*> properties;
  Font font = nullptr;
  Icon bigIcon = nullptr;
  Icon smallIcon = nullptr;
  bool destroying = false;
  bool visible = false;   // its own WS_VISIBLE
  bool disabled = false;  // its own WS_DISABLED
  bool trackLeave = false;
  int showState = SW_SHOWNORMAL;  // of a top-level window: normal, minimised or maximised
  // A top-level window whose widget holds the frame the back end draws
  // (frame_qt.h), the caption button held down in it and where the pointer is.
  bool ownFrame = false;
  int framePressed = 0;  // a FramePart
  QPoint framePointer;
  // When a maximised or full-screen state the window may not take was last refused.
  QElapsedTimer stateRefused;
  Accessibility accessibility;

  // Set by a system procedure while it handles WM_PAINT: the widget paints
  // itself once the dispatch returns.
  bool widgetPaints = false;
  // The context of the paint event in progress, which Paint(window, null)
  // draws with (BeginPaint's DC).
  DeviceContext* paintDc = nullptr;

  // Class-specific state.
  std::int64_t textLimit = 30000;  // EDIT
  bool checked = false;            // BUTTON: check boxes and owner-drawn buttons
  bool pushed = false;             // BUTTON: BM_SETSTATE, or held under the pointer
  bool dropped = false;            // COMBOBOX
  int droppedHeight = 0;           // COMBOBOX: the height given, list included
  std::vector<std::pair<std::string, LParam>> items;  // COMBOBOX
  int selected = -1;                                  // COMBOBOX
  Window* innerEdit = nullptr;                        // COMBOBOX with an edit field
  std::uint16_t highSurrogate = 0;                    // EDIT: the first half of a typed pair
};

Window* AsWindow(Hwnd window);  // null unless the window exists
inline Hwnd ToHwnd(const Window* window) { return window ? window->handle : nullptr; }
// The window whose widget is or contains this widget.
Window* WindowOfWidget(const QWidget* widget);

inline bool IsChild(const Window* window) { return (window->style & WS_CHILD) != 0; }
Window* TopLevelOf(Window* window);

// The window records held: those of existing windows, and those of windows
// destroyed since the last FreeDestroyedWindows.
std::size_t WindowRecordCount();
// Frees the records of destroyed windows; only while no window procedure
// runs, which may still use the record of the window it was called for.
void FreeDestroyedWindows();

// Top-level windows from the top of the window order down.
std::vector<Window*> TopLevelOrder();
// Puts the window first among its siblings, or among the top-level windows.
void MoveToTop(Window* window);

// Shows or hides the widget as the window's own WS_VISIBLE says.
void ApplyVisibility(Window* window, bool visible);

// A combo box builds its drop-down list as soon as its font changes, even
// to the same font, so only a different font is set.
void ShowFont(QWidget* widget, const QFont& font);

inline LResult Send(Window* window, U32 message, WParam wParam = 0, LParam lParam = 0) {
  return SendMessage(ToHwnd(window), message, wParam, lParam);
}

}  // namespace native::qt
