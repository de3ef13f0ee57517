// What a screen reader reads of the layer's windows: Microsoft Active
// Accessibility, which Narrator and NVDA read (UI Automation through its
// MSAA proxy). The system's own proxies go by class, and the layer's classes
// are its own, so each window of the layer answers WM_GETOBJECT with an
// object of ours: the role its system class and style say, or the one the
// layer gave it; the name the layer gave it, or its text; its value, states
// and default action. Private to controls/native/win32/.
#pragma once

#include <windows.h>

#include "controls/native/native.h"

namespace native::win32 {

void Describe(HWND window, const Accessibility& accessibility);

// WM_GETOBJECT for the client area of a window of the layer; false leaves
// the message to the class's procedure.
bool AnswerGetObject(HWND window, WPARAM wParam, LPARAM lParam, LRESULT& result);

}  // namespace native::win32
