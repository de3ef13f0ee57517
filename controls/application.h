// The application loop, modal windows and the Enter and Esc buttons.
#pragma once

#include "controls/control.h"

namespace controls {

void RunApplication(Control*& mainForm);
void ProcessMessages(Control* control);
void TerminateApplication(Control*& mainForm);
int ShowModal(Control* form);
// Ends the modal run of the form with a code other than 0.
void EndModal(Control* form, int code);
void Show(Control* form);

// The keys that press a form's default and its cancel button.
inline constexpr int kEnterKey = 13, kEscapeKey = 27;
// kEnterKey makes the button the form's default button, kEscapeKey its cancel
// button; a control that is no button cannot be either.
void MakeDefaultOrCancelButton(Control* button, int key, bool on);

// Attached to every form: gives the focus on to the form's current control,
// and ends the process with the logon session.
bool FormFocusHook(Control* control, Message& message, LResult& result);

// Runs after each batch of messages; nothing by default.
extern void (*IdleHook)(Control*);
// Ends the process once the logon session ends (WM_ENDSESSION); replaceable for tests.
extern void (*EndProcess)();

}  // namespace controls
