#include "controls/application.h"

#include <cstdlib>
#include <vector>

#include "controls/native/win_defs.h"
#include "controls/properties.h"

namespace controls {

using namespace native;

void (*IdleHook)(Control*) = nullptr;
void (*EndProcess)() = [] { std::exit(0); };

namespace {

void RunIdleHook(Control* control) {
  if (IdleHook) IdleHook(control);
}

bool ProcessOneMessage() {
  QueuedMessage queued;
  if (!native::PeekMessage(queued)) return false;
  if (queued.message == WM_QUIT) {
    AppTerminated = true;
  } else {
    native::TranslateAndDispatch(queued);
  }
  return queued.message != 0;
}

// ---- Enter and Esc ------------------------------------------------------

// Shown: visible or waiting to be shown, and so are all its parents.
bool IsShown(Control* control) {
  for (Control* c = control; c; c = c->parent)
    if (!c->state.visible && !c->state.showAfterCreation) return false;
  return true;
}

bool HandlesEnterItself(const Control* control) {
  if (!control) return false;
  return (control->buttonPart && control->buttonPart->isCancel) || control->kindTable->handlesEnter;
}

Control* ButtonForKey(const FormPart& form, WParam key) {
  if (key == VK_RETURN) {
    Control* button = form.defaultButton;
    Control* current = form.currentControl;
    if (!button || !IsShown(button) || !IsEnabled(button)) return nullptr;
    if (current != button && HandlesEnterItself(current)) return nullptr;
    return button;
  }
  Control* button = form.cancelButton;
  return button && IsShown(button) && IsEnabled(button) ? button : nullptr;
}

// The buttons are looked up on the AppWindow's form, whichever window has the
// key: Enter in a secondary window does not press that window's button.
bool KeyHook(void*, Control* sender, Message& message, LResult& result) {
  FormPart* app = AppWindow ? AppWindow->formPart.get() : nullptr;
  if (app && app->savedOnMessage.Assigned() && app->savedOnMessage(sender, message, result))
    return true;
  if (AppTerminated || !app) return false;
  if (message.message != WM_KEYDOWN && message.message != WM_KEYUP) return false;
  if (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE) return false;
  Control* button = ButtonForKey(*app, message.wParam);
  if (!button) return false;
  if (message.message == WM_KEYDOWN) Focus(button, true);
  // The button presses itself on the key-up of a Space.
  Perform(button, message.message, VK_SPACE, message.lParam);
  message.wParam = 0;
  result = 0;
  return true;
}

void InstallKeyHook(bool on) {
  Control* app = AppWindow;
  FormPart& form = *app->formPart;
  if (on) {
    if (form.keyHookInstalled) return;
    form.savedOnMessage = app->events.OnMessage;
    app->events.OnMessage = {KeyHook, nullptr};
    form.keyHookInstalled = true;
  } else if (form.keyHookInstalled) {
    app->events.OnMessage = form.savedOnMessage;
    form.savedOnMessage = {};
    form.keyHookInstalled = false;
  }
}

// ---- modal windows ------------------------------------------------------

// Closing a modal form by its caption ends the modal run instead of
// destroying the window.
bool ModalCloseHook(Control* control, Message& message, LResult& result) {
  if (message.message != WM_CLOSE) return false;
  if (control->formPart->modalCode == 0) control->formPart->modalCode = -1;
  result = 0;
  return true;
}

struct DisabledWindows {
  std::vector<Control*> forms;
  Control* reactivate = nullptr;
  Control* refocus = nullptr;
};

DisabledWindows DisableOthers(Control* form) {
  DisabledWindows disabled;
  if (!AppWindow) return disabled;
  if (AppWindow->isApplication) {
    for (int i = 0; i < ChildCount(AppWindow); ++i) {
      Control* other = Child(AppWindow, i);
      if (other->IsForm() && other != form && IsEnabled(other)) disabled.forms.push_back(other);
    }
  } else {
    disabled.reactivate = AppWindow;
    if (IsEnabled(AppWindow)) {
      disabled.forms.push_back(AppWindow);
      disabled.refocus = AppWindow->formPart ? AppWindow->formPart->currentControl : nullptr;
    }
  }
  for (Control* other : disabled.forms) SetEnabled(other, false);
  for (Control* other : disabled.forms) AddReference(other);
  return disabled;
}

// A window that a handler did not free in the meantime, and that still exists.
bool StillThere(const Control* control) {
  return control && !control->FreeRequested() && control->window && !control->state.windowGone;
}

void EnableAgain(DisabledWindows& disabled) {
  for (Control* other : disabled.forms) {
    if (!other->BeingDestroyed() && !other->FreeRequested()) SetEnabled(other, true);
    ReleaseReference(other);
  }
  disabled.forms.clear();
}

}  // namespace

void ProcessMessages(Control*) {
  while (ProcessOneMessage()) {
  }
}

void RunApplication(Control*& mainForm) {
  ++AppRunning;
  AppWindow = mainForm;
  if (mainForm) mainForm->CreateWindow();
  while (!AppTerminated) {
    native::WaitMessage();
    ProcessMessages(AppWindow);
    RunIdleHook(mainForm);
  }
  if (mainForm) TerminateApplication(mainForm);
}

void TerminateApplication(Control*& mainForm) {
  const bool wasTerminated = AppTerminated;
  AppTerminated = true;
  AppRunning = 0;
  Control* app = AppWindow;
  AppWindow = nullptr;
  if (!app) return;
  AddReference(app);
  if (!wasTerminated) {
    ProcessMessages(app);
    native::SendMessage(app->window, WM_CLOSE, 0, 0);
  }
  mainForm = nullptr;
  Free(app);
  ReleaseReference(app);
}

void Show(Control* form) {
  form->CreateWindow();
  SetVisible(form, true);
  native::SetForegroundWindow(form->window);
  if (IsEnabled(form) && form->state.tabStop) native::SetFocus(form->window);
}

int ShowModal(Control* form) {
  if (form->isChild || !form->parent || !form->formPart) {
    Show(form);
    return 0;
  }
  // What a handler frees while the loop runs goes once ShowModal is done with it.
  const Hold holdForm(form);
  Control* app = AppWindow;
  const Hold holdApp(app);
  FormPart& part = *form->formPart;
  AttachHook(form, ModalCloseHook);
  DisabledWindows disabled = DisableOthers(form);
  const Hold holdReactivate(disabled.reactivate), holdRefocus(disabled.refocus);
  ++part.modalNesting;
  if (app && app->formPart) app->formPart->modalForm = form;
  SetEnabled(form, true);
  Show(form);
  part.modalCode = 0;
  while (!AppTerminated && part.modalCode == 0) {
    native::WaitMessage();
    ProcessMessages(AppWindow);
    RunIdleHook(form);
  }
  --part.modalNesting;
  if (app && app->formPart && app->formPart->modalForm == form) app->formPart->modalForm = nullptr;
  DetachHook(form, ModalCloseHook);
  EnableAgain(disabled);
  if (StillThere(disabled.reactivate))
    native::PostMessage(disabled.reactivate->window, WM_ACTIVATE, 1, 0);
  if (StillThere(disabled.refocus)) Focus(disabled.refocus, true);
  return part.modalCode;
}

void EndModal(Control* form, int code) {
  if (form->formPart) form->formPart->modalCode = code;
}

void MakeDefaultOrCancelButton(Control* button, int key, bool on) {
  ButtonPart* marks = button->buttonPart.get();
  if (!marks) return;
  if (key == VK_RETURN) {
    marks->isDefault = on;
    marks->isCancel = false;
  } else if (key == VK_ESCAPE) {
    marks->isCancel = on;
    marks->isDefault = false;
  } else {
    return;
  }
  Control* form = ParentForm(button);
  if (!AppWindow || !AppWindow->formPart || !form) return;
  InstallKeyHook(on);
  if (key == VK_RETURN) {
    form->formPart->defaultButton = on ? button : nullptr;
    SetStyle(button, on ? button->style | BS_DEFPUSHBUTTON : button->style & ~BS_DEFPUSHBUTTON);
  } else {
    form->formPart->cancelButton = on ? button : nullptr;
  }
}

// ---- hooks of forms -----------------------------------------------------

static void EndSession() {
  // The dispatch holds references on the form, so the Free completes when it
  // unwinds; the process normally ends before that.
  AppRunning = 0;
  Control* app = AppWindow;
  AppWindow = nullptr;
  AppTerminated = true;
  Free(app);
  EndProcess();
}

bool FormFocusHook(Control* control, Message& message, LResult& result) {
  if (message.message == WM_ENDSESSION && message.wParam != 0) {
    EndSession();
    return true;
  }
  if (message.message != WM_SETFOCUS) return false;
  if (AppWindow && AppWindow != control && AppWindow->formPart)
    AppWindow->formPart->currentControl = control;
  Control* current = control->formPart->currentControl;
  if (!current) return false;
  native::SetFocus(EnsureWindow(current));
  result = 0;
  return true;
}

}  // namespace controls
