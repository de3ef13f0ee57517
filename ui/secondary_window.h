// What the help and About windows share: an owned, fixed-size tool window
// with an OK button, shown modally and destroyed by its opener.
#pragma once

#include <string>

#include "controls/control.h"

namespace ui {

using controls::Control;

// A form owned by `owner` with the given client size and background; the
// record goes on the form's auto-free list so it dies with the form.
Control* CreateSecondaryForm(Control* owner, controls::BaseObject* record,
                             const std::string& caption, int clientWidth, int clientHeight,
                             controls::Color background);
// Binds CloseWithOk and draws the button as the form's default.
void BindOkButton(Control* button);
// Centres the form on the screen and freezes its size.
void FinishSecondaryForm(Control* form);
// Runs the form modally, then destroys it with its controls and record.
void ShowAndDestroy(Control* form);

// Click handler of an OK button: ends the modal run of its form with code 1.
void CloseWithOk(void* context, Control* sender);

}  // namespace ui
