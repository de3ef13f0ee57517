// Which windows are the layer's, and which system class each of them is at
// heart. The layer registers classes of its own that pass messages on to a
// system class's procedure; the system itself does not always tell them
// apart from any other class (Wine's RealGetWindowClass answers
// "obj_BUTTON"), so the back end notes what it sees pass by.
// Private to controls/native/win32/.
#pragma once

#include <windows.h>

namespace native::win32 {

enum class SystemClass : unsigned char { None, Button, Static, Edit, ComboBox };

void NoteLayerClass(ATOM atom);
bool IsLayerWindow(HWND window);

// Called with each message the back end passes on to a class procedure: the
// first, WM_NCCREATE, tells which system class the window is.
void NoteProcedure(HWND window, UINT message, WNDPROC procedure);
SystemClass SystemClassOf(HWND window);

}  // namespace native::win32
