// What forms do with the system's window-state messages: the end of the
// session, owner minimise and restore, minimise forwarding, the cursor, icons,
// the window order; and enter and leave under real pointer movement.
#include "harness.h"
#include "probe.h"

namespace controls::testing {
namespace {

using namespace native;

constexpr std::uint32_t kEndSession = 0x16, kParentClosing = 1, kParentOpening = 3;
constexpr WParam kMinimize = 0xF020;
constexpr int kShowMinimized = 2, kShowMaximized = 3, kShowNormal = 1;
constexpr int kHandCursor = 32649, kCrossCursor = 32515;

void LogDestroy(void* context, BaseObject*) { Log().push_back(static_cast<const char*>(context)); }

using WindowStateTest = WindowTest;

// ---- end of the session ---------------------------------------------------

struct EndState {
  int calls = 0;
  bool appWindowCleared = false, terminated = false, stopped = false;
} endState;

TEST_F(WindowStateTest, EndOfTheSessionEndsTheProcessAndFreesTheMainForm) {
  Control* main = CreateForm(nullptr, "main");
  main->OnDestroy = {LogDestroy, const_cast<char*>("freed")};
  AppWindow = main;
  AppRunning = 1;
  main->CreateWindow();
  const Hwnd window = main->window;
  void (*realEnd)() = EndProcess;
  endState = {};
  EndProcess = [] {
    endState.calls++;
    endState.appWindowCleared = AppWindow == nullptr;
    endState.terminated = AppTerminated;
    endState.stopped = AppRunning == 0;
  };
  SendMessage(window, kEndSession, 0, 0);  // the session goes on: nothing happens
  EXPECT_EQ(endState.calls, 0);
  EXPECT_EQ(AppWindow, main);
  SendMessage(window, kEndSession, 1, 0);
  EndProcess = realEnd;
  EXPECT_EQ(endState.calls, 1);
  EXPECT_TRUE(endState.appWindowCleared);
  EXPECT_TRUE(endState.terminated);
  EXPECT_TRUE(endState.stopped);
  EXPECT_EQ(Log(), std::vector<std::string>{"freed"});
  EXPECT_FALSE(IsWindow(window));
}

// ---- owner closing and opening ------------------------------------------

struct RestoreCase {
  const char* name;
  int showCommand;
  bool iconic, zoomed;
};

void PrintTo(const RestoreCase& c, std::ostream* out) { *out << c.name; }

class ParentClosingTest : public WindowTest, public ::testing::WithParamInterface<RestoreCase> {};

TEST_P(ParentClosingTest, AnOwnedFormComesBackInTheStateItHadWhenItsOwnerClosed) {
  const RestoreCase& c = GetParam();
  Control* main = NewForm("main");
  Control* owned = CreateForm(main, "owned");
  CreateEditBox(owned, 0);
  ShowForm(main);
  Show(owned);
  ShowWindow(owned->window, c.showCommand);
  Pump();
  SendMessage(owned->window, WM_SHOWWINDOW, 0, kParentClosing);
  ShowWindow(owned->window, SW_HIDE);
  EXPECT_EQ(SendMessage(owned->window, WM_SHOWWINDOW, 1, kParentOpening), 0);
  EXPECT_TRUE(IsWindowVisible(owned->window));
  EXPECT_EQ(IsIconic(owned->window), c.iconic);
  EXPECT_EQ(IsZoomed(owned->window), c.zoomed);
  // The state is used once: a second opening without a closing shows nothing.
  ShowWindow(owned->window, SW_HIDE);
  SendMessage(owned->window, WM_SHOWWINDOW, 1, kParentOpening);
  EXPECT_FALSE(IsWindowVisible(owned->window));
}

INSTANTIATE_TEST_SUITE_P(States, ParentClosingTest,
                         ::testing::Values(RestoreCase{"Minimized", kShowMinimized, true, false},
                                           RestoreCase{"Maximized", kShowMaximized, false, true},
                                           RestoreCase{"Normal", kShowNormal, false, false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- minimise forwarding --------------------------------------------------

bool LogMinimize(void*, Control*, Message& message, LResult& result) {
  if (message.message != WM_SYSCOMMAND || (message.wParam & 0xFFF0) != kMinimize) return false;
  Log().push_back("application minimizes");
  result = 0;
  return true;
}

TEST_F(WindowStateTest, MinimisingTheMainFormMinimisesTheApplicationInstead) {
  Control* app = NewForm("application");
  app->isApplication = true;
  app->events.OnMessage = {LogMinimize, nullptr};
  Control* main = CreateForm(app, "main");
  Control* second = CreateForm(app, "second");
  ShowForm(main);
  Show(second);
  AppWindow = app;
  Send(main, WM_SYSCOMMAND, kMinimize);
  EXPECT_FALSE(IsIconic(main->window)) << "handled, not minimised by the system";
  EXPECT_TRUE(Log().empty()) << "posted, not sent";
  Pump();
  EXPECT_EQ(Log(), std::vector<std::string>{"application minimizes"});
  // Any other form minimises itself.
  Send(second, WM_SYSCOMMAND, kMinimize);
  Pump();
  EXPECT_TRUE(IsIconic(second->window));
  EXPECT_EQ(Log().size(), 1u);
}

TEST_F(WindowStateTest, TheMainFormThatIsTheApplicationMinimisesItself) {
  Control* main = NewForm("main");
  ShowForm(main);
  AppWindow = main;
  Send(main, WM_SYSCOMMAND, kMinimize);
  Pump();
  EXPECT_TRUE(IsIconic(main->window));
}

// ---- cursor -------------------------------------------------------------

struct CursorCase {
  const char* name;
  std::uint16_t hitTest;
  bool busy, captured, screenCursor, ownCursor;
  bool shown;  // the layer sets a cursor and answers 1
};

void PrintTo(const CursorCase& c, std::ostream* out) { *out << c.name; }

class SetCursorTest : public WindowTest, public ::testing::WithParamInterface<CursorCase> {
 protected:
  void TearDown() override {
    ReleaseCapture();
    CursorBusy = false;
    ScreenCursor = nullptr;
    WindowTest::TearDown();
  }
};

TEST_P(SetCursorTest, TheControlsCursorIsShownOverItsClientAreaOnly) {
  const CursorCase& c = GetParam();
  Control* form = NewForm();
  Control* label = CreateLabel(form, "l");
  ShowForm(form);
  const Cursor hand = LoadSystemCursor(kHandCursor), cross = LoadSystemCursor(kCrossCursor);
  const Cursor arrow = LoadSystemCursor(IDC_ARROW);
  if (c.ownCursor) label->look.cursor = hand;
  if (c.screenCursor) ScreenCursor = cross;
  CursorBusy = c.busy;
  if (c.captured) SetCapture(form->window);
  native::SetCursor(arrow);
  const LResult answer = Send(label, WM_SETCURSOR, reinterpret_cast<WParam>(label->window),
                              PointParam(c.hitTest, WM_MOUSEMOVE));
  if (c.shown) {
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(CurrentCursor(), c.screenCursor ? cross : hand);
  } else {
    EXPECT_NE(CurrentCursor(), hand);
    EXPECT_NE(CurrentCursor(), cross);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetCursorTest,
    ::testing::Values(CursorCase{"OverTheClientArea", HTCLIENT, false, false, false, true, true},
                      CursorCase{"TheScreenCursorWins", HTCLIENT, false, false, true, true, true},
                      CursorCase{"OverTheBorder", HTBORDER, false, false, false, true, false},
                      CursorCase{"WhileBusy", HTCLIENT, true, false, false, true, false},
                      CursorCase{"WhileCaptured", HTCLIENT, false, true, false, true, false},
                      CursorCase{"WithoutOne", HTCLIENT, false, false, false, false, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(WindowStateTest, SettingTheCursorShowsItAtOnceOnlyUnderThePointer) {
  Control* form = NewForm();
  Control* label = CreateLabel(form, "l");
  SetCursor(form, LoadSystemCursor(kCrossCursor));
  Control* later = CreateLabel(form, "m");
  EXPECT_EQ(later->look.cursor, LoadSystemCursor(kCrossCursor)) << "copied from the parent";
  SetPosition(later, 200, 100);
  ShowForm(form);
  const Cursor arrow = LoadSystemCursor(IDC_ARROW), hand = LoadSystemCursor(kHandCursor);
  MovePointer(ClientToScreen(label, {2, 2}));
  native::SetCursor(arrow);
  SetCursor(later, hand);
  EXPECT_EQ(CurrentCursor(), arrow) << "the pointer is over another control";
  SetCursor(label, hand);
  EXPECT_EQ(CurrentCursor(), hand);
}

TEST_F(WindowStateTest, WithoutACursorOfItsOwnAnEditBoxShowsTheTextCursorOthersTheArrow) {
  Control* form = NewForm();
  Control* edit = CreateEditBox(form, 0);
  Control* label = CreateLabel(form, "l");
  SetPosition(label, 200, 100);
  Control* list = CreateComboBox(form, kComboDropDownList);  // no edit field
  SetPosition(list, 200, 150);
  ShowForm(form);
  struct Case {
    Control* control;
    int cursor;
  };
  for (const Case& c : {Case{edit, IDC_IBEAM}, Case{label, IDC_ARROW}, Case{list, IDC_ARROW},
                        Case{form, IDC_ARROW}}) {
    native::SetCursor(LoadSystemCursor(kCrossCursor));
    Send(c.control, WM_SETCURSOR, reinterpret_cast<WParam>(c.control->window),
         PointParam(HTCLIENT, WM_MOUSEMOVE));
    EXPECT_EQ(CurrentCursor(), LoadSystemCursor(c.cursor)) << c.cursor;
  }
}

// ---- icons --------------------------------------------------------------

TEST_F(WindowStateTest, AReplacedIconIsDestroyedUnlessShared) {
  for (bool shared : {false, true}) {
    Control* form = NewForm();
    form->formPart->iconShared = shared;
    const Icon first = MakeIcon(), second = MakeIcon();
    SetIcon(form, first);
    EXPECT_EQ(BigIconOf(form->window), first);
    SetIcon(form, second);
    EXPECT_EQ(BigIconOf(form->window), second);
    EXPECT_EQ(IconAlive(first), shared);
    SetIcon(form, kNoIcon);
    EXPECT_EQ(BigIconOf(form->window), nullptr);
    EXPECT_EQ(IconAlive(second), shared);
    if (shared) {
      DestroyIcon(first);
      DestroyIcon(second);
    }
  }
}

TEST_F(WindowStateTest, FreeingAFormDestroysItsIconUnlessShared) {
  for (bool shared : {false, true}) {
    Control* form = CreateForm(nullptr, "form");
    form->formPart->iconShared = shared;
    const Icon icon = MakeIcon();
    SetIcon(form, icon);
    Free(form);
    EXPECT_EQ(IconAlive(icon), shared);
    if (shared) DestroyIcon(icon);
  }
}

// A form that started with the program's shared icon still owns the icons
// it is given later.
TEST_F(WindowStateTest, AnIconGivenAfterTheProgramsIconIsDestroyedWhenReplaced) {
  Control* form = CreateForm(nullptr, "first form");
  CreateEditBox(form, 0);
  EnsureWindow(form);
  const Icon first = MakeIcon(), second = MakeIcon();
  SetIcon(form, first);
  SetIcon(form, second);
  EXPECT_FALSE(IconAlive(first));
  Free(form);
  EXPECT_FALSE(IconAlive(second));
  if (const Icon program = LoadMainIcon()) {
    EXPECT_TRUE(IconAlive(program));
  }
}

TEST_F(WindowStateTest, AFormWithoutIconGetsACopyOfTheApplicationsIcon) {
  Control* main = NewForm("main");
  const Icon icon = MakeIcon();
  SetIcon(main, icon);
  AppWindow = main;
  Control* second = CreateForm(main, "second");
  CreateEditBox(second, 0);
  EnsureWindow(second);
  const Icon copy = BigIconOf(second->window);
  ASSERT_NE(copy, nullptr);
  EXPECT_NE(copy, icon) << "its own copy, destroyed with it";
  Free(second);
  EXPECT_FALSE(IconAlive(copy));
  EXPECT_TRUE(IconAlive(icon));
  // A form that asked for no icon stays without one.
  Control* bare = CreateForm(main, "bare");
  CreateEditBox(bare, 0);
  bare->formPart->icon = kNoIcon;
  EnsureWindow(bare);
  EXPECT_EQ(BigIconOf(bare->window), nullptr);
}

// ---- window order -------------------------------------------------------

TEST_F(WindowStateTest, BringToTopRaisesAndShowsWithoutActivating) {
  Control* lower = NewForm("lower");
  Control* upper = NewForm("upper");
  ShowForm(lower);
  ShowForm(upper);
  ASSERT_TRUE(IsAbove(upper->window, lower->window));
  SetVisible(lower, false);
  BringToTop(lower);
  Pump();
  EXPECT_TRUE(IsWindowVisible(lower->window));
  EXPECT_TRUE(IsAbove(lower->window, upper->window));
  EXPECT_EQ(ForegroundWindow(), upper->window);
}

// ---- enter and leave under the real pointer --------------------------------

// Pumps until the condition holds, waiting for input in between; the deadline
// only ends a wait that nothing would end.
template <class Condition>
bool PumpUntil(Condition condition) {
  for (int round = 0; round < 50 && !condition(); ++round) {
    WaitForInput(200);
    Pump();
  }
  return condition();
}

TEST_F(WindowStateTest, EnterAndLeaveFollowTheRealPointer) {
  Control* form = NewForm();
  Control* label = CreateLabel(form, "?");
  SetPosition(label, 50, 50);
  label->events.OnMouseEnter = Record("enter");
  SetMouseLeaveEvent(label, Record("leave"));
  MovePointer({2, 2});  // away from every window of the test
  ShowForm(form);
  MovePointer(ClientToScreen(label, {5, 5}));
  EXPECT_TRUE(PumpUntil([&] { return label->state.pointerInside; }))
      << "no mouse move reached the label";
  MovePointer({2, 2});
  EXPECT_TRUE(PumpUntil([&] { return !label->state.pointerInside; })) << "no leave notice came";
  EXPECT_EQ(Log(), (std::vector<std::string>{"enter", "leave"}));
}

}  // namespace
}  // namespace controls::testing
