// The message hooks of the layer and the built-in handling of the shared
// window procedure.
#pragma once

#include "controls/control.h"

namespace controls {

// Built-in handling (the last stage before default processing).
bool BuiltInHandling(Control* control, Message& message, LResult& result);
// Key messages of a combo box's inner window; true swallows the message.
bool InnerKeyMessage(Control* control, Message& message);

bool GenericControlHook(Control* control, Message& message, LResult& result);
bool KeyboardRouter(Control* control, Message& message, LResult& result);
bool MouseHook(Control* control, Message& message, LResult& result);
bool EnterLeaveHook(Control* control, Message& message, LResult& result);
bool ComboHook(Control* control, Message& message, LResult& result);
bool SizeHook(Control* control, Message& message, LResult& result);
void DropDownHandler(Control* control);

// Forms, colours and modal windows (app.cpp)
bool BackgroundHook(Control* control, Message& message, LResult& result);
bool FormFocusHook(Control* control, Message& message, LResult& result);
bool ModalCloseHook(Control* control, Message& message, LResult& result);

// Layer-painted kinds (paint.cpp)
bool ShadowLabelHook(Control* control, Message& message, LResult& result);
bool DrawItemReflector(Control* control, Message& message, LResult& result);
bool OwnerDrawnButtonHook(Control* control, Message& message, LResult& result);

std::uint32_t ShiftState();

}  // namespace controls
