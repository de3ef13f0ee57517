// Real keyboard and mouse input, queued by the system as if a person typed
// and clicked. Kept apart from <windows.h> like the layer tests' probe.
#pragma once

#include <string>

#include "controls/native/native.h"

namespace ui::testing {

// Each character of a UTF-8 text as a key press to the focused window.
void SendText(const std::string& text);
// A key press (down and up) of a virtual key.
void SendKey(int virtualKey);
// A key pressed, or released, and left so (Shift held for Shift+Insert).
void SendKeyDown(int virtualKey);
void SendKeyUp(int virtualKey);
// Moves the pointer to a screen position, then presses and releases the
// left button there.
void SendClick(native::Point screen);
// Moves the pointer to a screen position and turns the wheel by notches
// (positive: away from the user).
void SendWheel(native::Point screen, int notches);
// Puts a UTF-8 text on the clipboard, as another program would.
void SetClipboardText(const std::string& text);

}  // namespace ui::testing
