#include "controls/application.h"

#include <cstdlib>
#include <vector>

#include "controls/hooks.h"
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

bool ProcessOneMessage(Control* control) {
  QueuedMessage queued;
  if (!native::PeekMessage(queued)) return false;
  if (queued.message == WM_QUIT) {
    AppTerminated = true;
  } else if (!(control && control->messageFilter && control->messageFilter(control, queued))) {
    native::TranslateAndDispatch(queued);
  }
  return queued.message != 0;
}

// ---- Enter and Esc ------------------------------------------------------

// Shown: visible or waiting to be shown, and so are all its parents.
bool IsShown(Control* control) {
  for (Control* c = control; c; c = c->parent)
    if (!c->visible && !c->showAfterCreation) return false;
  return true;
}

bool HandlesEnterItself(const Control* control) {
  return control && (control->isCancel || control->handlesEnter);
}

Control* ButtonForKey(Control* form, WParam key) {
  if (key == VK_RETURN) {
    Control* button = form->defaultButton;
    Control* current = form->currentControl;
    if (!button || !IsShown(button) || !IsEnabled(button)) return nullptr;
    if (current != button && HandlesEnterItself(current)) return nullptr;
    return button;
  }
  Control* button = form->cancelButton;
  return button && IsShown(button) && IsEnabled(button) ? button : nullptr;
}

bool KeyHook(void*, Control* sender, Message& message, LResult& result) {
  if (AppWindow && AppWindow->savedOnMessage.Assigned() && AppWindow->savedOnMessage(sender, message, result))
    return true;
  if (AppTerminated || !AppWindow) return false;
  Control* form = AppWindow->isForm ? AppWindow : AppWindow->currentControl;
  if (!form) return false;
  if (message.message != WM_KEYDOWN && message.message != WM_KEYUP) return false;
  if (message.wParam != VK_RETURN && message.wParam != VK_ESCAPE) return false;
  Control* button = ButtonForKey(form, message.wParam);
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
  if (on) {
    if (app->keyHookInstalled) return;
    app->savedOnMessage = app->OnMessage;
    app->OnMessage = {KeyHook, nullptr};
    app->keyHookInstalled = true;
  } else if (app->keyHookInstalled) {
    app->OnMessage = app->savedOnMessage;
    app->savedOnMessage = {};
    app->keyHookInstalled = false;
  }
}

// ---- modal windows ------------------------------------------------------

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
      if (other->isForm && other != form && IsEnabled(other)) disabled.forms.push_back(other);
    }
  } else {
    disabled.reactivate = AppWindow;
    if (IsEnabled(AppWindow)) {
      disabled.forms.push_back(AppWindow);
      disabled.refocus = AppWindow->currentControl;
    }
  }
  for (Control* other : disabled.forms) SetEnabled(other, false);
  for (Control* other : disabled.forms) AddReference(other);
  return disabled;
}

void EnableAgain(DisabledWindows& disabled) {
  for (Control* other : disabled.forms) {
    if (!other->BeingDestroyed() && !(other->referenceWord & 1)) SetEnabled(other, true);
    ReleaseReference(other);
  }
  disabled.forms.clear();
}

}  // namespace

void ProcessMessages(Control* control) {
  while (ProcessOneMessage(control)) {
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
  if (IsEnabled(form) && form->tabStop) native::SetFocus(form->window);
}

int ShowModal(Control* form) {
  if (form->isChild || !form->parent) {
    Show(form);
    return 0;
  }
  AttachHook(form, ModalCloseHook);
  DisabledWindows disabled = DisableOthers(form);
  ++form->modalNesting;
  if (AppWindow) AppWindow->modalForm = form;
  SetEnabled(form, true);
  Show(form);
  form->modalCode = 0;
  while (!AppTerminated && form->modalCode == 0) {
    native::WaitMessage();
    ProcessMessages(AppWindow);
    RunIdleHook(form);
  }
  --form->modalNesting;
  if (AppWindow) AppWindow->modalForm = nullptr;
  DetachHook(form, ModalCloseHook);
  EnableAgain(disabled);
  if (disabled.reactivate && disabled.reactivate->window)
    native::PostMessage(disabled.reactivate->window, WM_ACTIVATE, 1, 0);
  if (disabled.refocus) Focus(disabled.refocus, true);
  return form->modalCode;
}

void MakeDefaultOrCancelButton(Control* button, int key, bool on) {
  if (key == VK_RETURN) {
    button->isDefault = on;
    button->isCancel = false;
  } else if (key == VK_ESCAPE) {
    button->isCancel = on;
    button->isDefault = false;
  } else {
    return;
  }
  Control* form = ParentForm(button);
  if (!AppWindow || !form) return;
  InstallKeyHook(on);
  if (key == VK_RETURN) {
    form->defaultButton = on ? button : nullptr;
    SetStyle(button, on ? button->style | BS_DEFPUSHBUTTON : button->style & ~BS_DEFPUSHBUTTON);
  } else {
    form->cancelButton = on ? button : nullptr;
  }
}

// ---- hooks of forms -----------------------------------------------------

bool ModalCloseHook(Control* control, Message& message, LResult& result) {
  if (message.message != WM_CLOSE) return false;
  if (control->modalCode == 0) control->modalCode = -1;
  result = 0;
  return true;
}

bool BackgroundHook(Control* control, Message& message, LResult& result) {
  if (message.message != WM_ERASEBKGND) return false;
  result = 1;
  CreateChildWindows(control);
  if (control->transparent) return false;
  auto dc = reinterpret_cast<Dc>(message.wParam);
  native::SetBkMode(dc, OPAQUE);
  native::SetBkColor(dc, ResolveColor(control->color));
  native::SetBrushOrigin(dc, 0, 0);
  native::FillRect(dc, native::GetClientRect(control->window), ControlBrush(control));
  return false;
}

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
  if (AppWindow && AppWindow != control) AppWindow->currentControl = control;
  Control* current = control->currentControl;
  if (!current) return false;
  native::SetFocus(WindowHandle(current));
  result = 0;
  return true;
}

}  // namespace controls
