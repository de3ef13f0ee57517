// Which window has the keyboard focus, which is active (the foreground
// window), which has captured the pointer, and the cursor shown.
// Private to controls/native/qt/ and its test probes.
#pragma once

#include "controls/native/qt/window_qt.h"

namespace native::qt {

Window* ForegroundWindow();
Window* CaptureWindow();
void SetCaptureWindow(Window* window);  // null releases
Cursor ShownCursor();                   // the cursor SetCursor set last

// A window that goes holds the focus, activation and capture no more.
void ForgetWindow(Window* window);

}  // namespace native::qt
