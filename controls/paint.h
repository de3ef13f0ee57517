// What the layer paints itself: backgrounds, the shadow label and the
// owner-drawn button.
#pragma once

#include "controls/control.h"

namespace controls {

// Forms, group boxes and shadow labels fill their background with their colour.
bool BackgroundHook(Control* control, Message& message, LResult& result);
bool ShadowLabelHook(Control* control, Message& message, LResult& result);
// On the parent of an owner-drawn button: hands the drawing to the button.
bool DrawItemReflector(Control* control, Message& message, LResult& result);
bool OwnerDrawnButtonHook(Control* control, Message& message, LResult& result);

}  // namespace controls
