// The message hooks that the kinds attach to their controls.
#pragma once

#include "controls/control.h"

namespace controls {

// Every child control: reflected colours and commands, focus memory.
bool GenericControlHook(Control* control, Message& message, LResult& result);
// Controls with mouse events.
bool MouseHook(Control* control, Message& message, LResult& result);
// Controls with a pointer-leave event.
bool EnterLeaveHook(Control* control, Message& message, LResult& result);
bool ComboHook(Control* control, Message& message, LResult& result);
// Forms that are not resizable.
bool SizeHook(Control* control, Message& message, LResult& result);

}  // namespace controls
