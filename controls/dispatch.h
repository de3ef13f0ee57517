// The shared window procedure and the fixed order in which a message passes
// the stages of the layer.
#pragma once

#include "controls/control.h"

namespace controls {

// The procedure every registered class of the layer uses.
LResult SharedWindowProc(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam);

// Runs the control's hook chain, newest hook first; true when a hook consumed
// the message or freed the control.
bool RunHookChain(Control* control, Message& message, LResult& result);

// The subclassed system class's procedure, or the system's default one.
LResult DefaultProcessing(Control* control, const Message& message);

// Routes the inner windows of an editable combo box through the layer.
void SubclassInnerWindows(Control* control);

// For the stages and hooks: the message is consumed with this result.
inline bool HandledWith(LResult& result, LResult value) {
  result = value;
  return true;
}
bool IsKeyDown(int virtualKey);
bool IsColorRequest(std::uint32_t message);  // WM_CTLCOLORMSGBOX .. WM_CTLCOLORSTATIC

}  // namespace controls
