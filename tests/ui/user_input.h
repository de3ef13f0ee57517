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
// Moves the pointer to a screen position, then presses and releases the
// left button there.
void SendClick(native::Point screen);

}  // namespace ui::testing
