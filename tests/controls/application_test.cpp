// The application loop, modal windows, default and cancel buttons.
#include <utility>

#include "harness.h"
#include "probe.h"

namespace controls::testing {
namespace {

using namespace native;

bool CountCloses(void*, Control*, Message& message, LResult&) {
  if (message.message == WM_CLOSE) Log().push_back("WM_CLOSE");
  return false;
}

void LogDestroy(void* context, BaseObject*) { Log().push_back(static_cast<const char*>(context)); }

using ApplicationTest = WindowTest;

TEST_F(ApplicationTest, ClosingTheMainFormEndsTheApplicationAndFreesItOnce) {
  Control* main = CreateForm(nullptr, "main");
  CreateButton(main, "b");
  main->events.OnMessage = {CountCloses, nullptr};
  main->OnDestroy = {LogDestroy, const_cast<char*>("freed")};
  EnsureWindow(main);
  PostMessage(main->window, WM_CLOSE, 0, 0);
  PostMessage(main->window, 0x8001, 0, 0);  // still in the queue after WM_QUIT
  Control* variable = main;
  RunApplication(variable);
  EXPECT_EQ(variable, nullptr);
  EXPECT_EQ(AppWindow, nullptr);
  EXPECT_TRUE(AppTerminated);
  EXPECT_EQ(Log(), (std::vector<std::string>{"WM_CLOSE", "freed"}));
  QueuedMessage left;
  EXPECT_FALSE(PeekMessage(left)) << "the loop drains the queue";
}

TEST_F(ApplicationTest, TerminatingARunningApplicationClosesAndFreesTheMainForm) {
  Control* main = CreateForm(nullptr, "main");
  main->events.OnMessage = {CountCloses, nullptr};
  main->OnDestroy = {LogDestroy, const_cast<char*>("freed")};
  AppWindow = main;
  AppRunning = 1;
  main->CreateWindow();
  Control* variable = main;
  TerminateApplication(variable);
  EXPECT_EQ(variable, nullptr);
  EXPECT_EQ(AppRunning, 0);
  EXPECT_EQ(Log(), (std::vector<std::string>{"WM_CLOSE", "freed"}));
}

// Showing and painting the window is all that happens here: no input, no
// posted message. The loop's idle step must still come round once the window
// is up, or a program that waits for it would wait for ever.
TEST_F(ApplicationTest, TheIdleStepRunsOnceTheMainFormIsShownWithoutAnyInput) {
  Control* main = CreateForm(nullptr, "main");
  SetPosition(main, 40, 40);
  SetSize(main, 200, 120);
  CreateButton(main, "b");
  IdleHook = [](Control* form) {
    if (!AppWindow || !IsWindowVisible(form->window)) return;
    Log().push_back("idle with the window shown");
    PostMessage(form->window, WM_CLOSE, 0, 0);
    IdleHook = nullptr;
  };
  Control* variable = main;
  RunApplication(variable);
  EXPECT_EQ(variable, nullptr);
  EXPECT_EQ(Log(), std::vector<std::string>{"idle with the window shown"});
}

TEST_F(ApplicationTest, TheCloseButtonEndsTheApplication) {
  Control* main = CreateForm(nullptr, "main");
  SetPosition(main, 40, 40);
  SetSize(main, 200, 120);
  main->events.OnMessage = {CountCloses, nullptr};
  main->OnDestroy = {LogDestroy, const_cast<char*>("freed")};
  IdleHook = [](Control* form) {
    if (!AppWindow || !IsWindowVisible(form->window)) return;
    IdleHook = nullptr;
    PressCloseButton(form->window);
  };
  Control* variable = main;
  RunApplication(variable);
  EXPECT_EQ(variable, nullptr);
  EXPECT_EQ(Log(), (std::vector<std::string>{"WM_CLOSE", "freed"}));
}

TEST_F(ApplicationTest, OnCloseMayRefuseWhileTheApplicationRuns) {
  Control* main = NewForm("main");
  AppWindow = main;
  AppRunning = 1;
  main->formPart->OnClose = {[](void*, Control*, bool& accept) { accept = false; }, nullptr};
  main->CreateWindow();
  Send(main, WM_CLOSE);
  ProcessMessages(main);
  EXPECT_FALSE(AppTerminated) << "no WM_QUIT was posted";
  EXPECT_TRUE(main->formPart->OnClose.Assigned());
}

class ModalTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    main = NewForm("main");
    AppWindow = main;
    AppRunning = 1;
    mainEdit = CreateEditBox(main, 0);
    ShowForm(main);
    Focus(mainEdit, true);
    Pump();
    dialog = CreateForm(main, "dialog");
    SetSize(dialog, 200, 120);
    // A first child so the dialog is not taken for the main window.
    dialogEdit = CreateEditBox(dialog, 0);
    ok = CreateButton(dialog, "OK");
    SetPosition(ok, 100, 60);
    ok->events.OnClick = {
        [](void*, Control* sender) { ParentForm(sender)->formPart->modalCode = 1; }, nullptr};
  }
  void TearDown() override {
    Free(dialog);
    WindowTest::TearDown();
  }
  // Queues a message for the dialog before its loop starts.
  void PostToDialog(Control* target, std::uint32_t message) {
    EnsureWindow(target);
    PostMessage(target->window, message, 0, 0);
  }
  Control* main = nullptr;
  Control* mainEdit = nullptr;
  Control* dialog = nullptr;
  Control* dialogEdit = nullptr;
  Control* ok = nullptr;
};

TEST_F(ModalTest, ClosingByTheCaptionReturnsMinusOne) {
  PostToDialog(dialog, WM_CLOSE);
  EXPECT_EQ(ShowModal(dialog), -1);
  EXPECT_TRUE(IsWindow(dialog->window)) << "the caller frees the form";
}

TEST_F(ModalTest, TheOkHandlerReturnsOne) {
  PostToDialog(ok, 0xF5 /* BM_CLICK */);
  EXPECT_EQ(ShowModal(dialog), 1);
}

TEST_F(ModalTest, TheMainWindowIsDisabledDuringTheLoopAndEnabledAndRefocusedAfter) {
  static bool mainEnabledInside = true;
  ok->events.OnClick = {[](void* context, Control* sender) {
                          mainEnabledInside = IsEnabled(static_cast<Control*>(context));
                          ParentForm(sender)->formPart->modalCode = 1;
                        },
                        main};
  PostToDialog(ok, 0xF5);
  ShowModal(dialog);
  EXPECT_FALSE(mainEnabledInside);
  EXPECT_TRUE(IsEnabled(main));
  EXPECT_EQ(GetFocus(), mainEdit->window);
  EXPECT_FALSE(dialog->formPart->modalNesting);
  EXPECT_EQ(main->formPart->modalForm, nullptr);
}

TEST_F(ModalTest, AFormWithoutParentIsOnlyShown) {
  Control* lone = NewForm("lone");
  EXPECT_EQ(ShowModal(lone), 0);
  EXPECT_TRUE(IsWindowVisible(lone->window));
}

TEST_F(ModalTest, TheModalCloseHookIsGoneAfterTheLoop) {
  PostToDialog(dialog, WM_CLOSE);
  ShowModal(dialog);
  Hwnd window = dialog->window;
  Send(dialog, WM_CLOSE);  // no longer modal: closing destroys and frees it
  EXPECT_FALSE(IsWindow(window));
  dialog = nullptr;
}

// The logon session ends while a modal window is open: the application
// window is freed from inside the modal loop. ShowModal still needs the
// windows it disabled, refocuses and reactivates, and the form it shows.
TEST_F(ModalTest, WindowsFreedInsideTheModalLoopGoOnlyOnceShowModalIsDone) {
  void (*savedEnd)() = std::exchange(EndProcess, [] { Log().push_back("process ends"); });
  main->OnDestroy = {LogDestroy, const_cast<char*>("main freed")};
  dialog->OnDestroy = {LogDestroy, const_cast<char*>("dialog freed")};
  Forget(main);
  EnsureWindow(dialog);
  PostMessage(dialog->window, WM_ENDSESSION, 1, 0);
  EXPECT_EQ(ShowModal(dialog), 0);
  dialog = nullptr;  // freed with the application window
  EndProcess = savedEnd;
  EXPECT_EQ(Log(), (std::vector<std::string>{"process ends", "main freed", "dialog freed"}));
}

TEST_F(ModalTest, AFormFreedByItsOwnOkButtonGoesAfterItsModalRun) {
  ok->events.OnClick = {[](void*, Control* sender) {
                          Control* form = ParentForm(sender);
                          EndModal(form, 1);
                          Free(form);
                        },
                        nullptr};
  dialog->OnDestroy = {LogDestroy, const_cast<char*>("dialog freed")};
  PostToDialog(ok, 0xF5 /* BM_CLICK */);
  EXPECT_EQ(ShowModal(dialog), 1);
  dialog = nullptr;
  EXPECT_EQ(Log(), std::vector<std::string>{"dialog freed"});
  EXPECT_EQ(main->formPart->modalForm, nullptr);
  EXPECT_TRUE(IsEnabled(main));
}

class DefaultButtonTest : public ModalTest {
 protected:
  void PressEnterIn(Control* control) {
    Focus(control, true);
    Pump();
    Send(control, WM_KEYDOWN, VK_RETURN, 1);
    Send(control, WM_KEYUP, VK_RETURN, 0xC0000001);
    Pump();
  }
};

TEST_F(DefaultButtonTest, EnterInTheMainWindowPressesItsDefaultButton) {
  Control* go = CreateButton(main, "Go");
  SetPosition(go, 150, 150);
  go->events.OnClick = Record("go");
  main->CreateWindow();
  MakeDefaultOrCancelButton(go, VK_RETURN, true);
  EXPECT_TRUE(go->style & BS_DEFPUSHBUTTON);
  PressEnterIn(mainEdit);
  EXPECT_EQ(Log(), std::vector<std::string>{"go"});
}

TEST_F(DefaultButtonTest, EnterInASecondaryWindowDoesNotPressItsDefaultButton) {
  MakeDefaultOrCancelButton(ok, VK_RETURN, true);
  ok->events.OnClick = Record("ok");
  Show(dialog);
  PressEnterIn(dialogEdit);
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(ok->style & BS_DEFPUSHBUTTON) << "still drawn as the default button";
}

TEST_F(DefaultButtonTest, EscapePressesTheCancelButtonAndNothingWithoutOne) {
  Control* cancel = CreateButton(main, "Cancel");
  SetPosition(cancel, 150, 150);
  cancel->events.OnClick = Record("cancel");
  main->CreateWindow();
  Focus(mainEdit, true);
  Send(mainEdit, WM_KEYDOWN, VK_ESCAPE, 1);
  Send(mainEdit, WM_KEYUP, VK_ESCAPE, 0xC0000001);
  Pump();
  EXPECT_TRUE(Log().empty());
  MakeDefaultOrCancelButton(cancel, VK_ESCAPE, true);
  Focus(mainEdit, true);
  Send(mainEdit, WM_KEYDOWN, VK_ESCAPE, 1);
  Send(mainEdit, WM_KEYUP, VK_ESCAPE, 0xC0000001);
  Pump();
  EXPECT_EQ(Log(), std::vector<std::string>{"cancel"});
}

TEST_F(DefaultButtonTest, AFreedDefaultOrCancelButtonIsTheFormsNoLonger) {
  Control* go = CreateButton(main, "Go");
  Control* cancel = CreateButton(main, "Cancel");
  main->CreateWindow();
  MakeDefaultOrCancelButton(go, VK_RETURN, true);
  MakeDefaultOrCancelButton(cancel, VK_ESCAPE, true);
  Free(go);
  Free(cancel);
  EXPECT_EQ(main->formPart->defaultButton, nullptr);
  EXPECT_EQ(main->formPart->cancelButton, nullptr);
  PressEnterIn(mainEdit);  // looks the buttons up: none
  Send(mainEdit, WM_KEYDOWN, VK_ESCAPE, 1);
  Pump();
  EXPECT_EQ(GetFocus(), mainEdit->window);
}

TEST_F(DefaultButtonTest, OnlyAButtonBecomesTheFormsEnterOrEscButton) {
  const std::uint32_t style = mainEdit->style;
  MakeDefaultOrCancelButton(mainEdit, VK_RETURN, true);
  MakeDefaultOrCancelButton(mainEdit, VK_ESCAPE, true);
  EXPECT_EQ(main->formPart->defaultButton, nullptr);
  EXPECT_EQ(main->formPart->cancelButton, nullptr);
  EXPECT_EQ(mainEdit->style, style);
  Control* check = CreateCheckBox(main, "Check");
  MakeDefaultOrCancelButton(check, VK_ESCAPE, true);
  EXPECT_EQ(main->formPart->cancelButton, check);
}

TEST_F(DefaultButtonTest, RemovingTheLastButtonRestoresThePreviousOnMessage) {
  main->events.OnMessage = {CountCloses, nullptr};
  Control* go = CreateButton(main, "Go");
  MakeDefaultOrCancelButton(go, VK_RETURN, true);
  EXPECT_NE(main->events.OnMessage.code, CountCloses);
  MakeDefaultOrCancelButton(go, VK_RETURN, false);
  EXPECT_EQ(main->events.OnMessage.code, CountCloses);
  EXPECT_EQ(main->formPart->defaultButton, nullptr);
  EXPECT_FALSE(go->style & BS_DEFPUSHBUTTON);
}

}  // namespace
}  // namespace controls::testing
