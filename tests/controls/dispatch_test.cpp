// The fixed dispatch order, hook chains and the built-in handling.
#include "harness.h"

namespace controls::testing {
namespace {

using namespace native;

constexpr std::uint32_t kProbe = 0x8001;
std::string consumer;  // the stage that consumes the probe

bool Stage(const char* name, const Message& message, LResult& result) {
  if (message.message != kProbe) return false;
  Log().push_back(name);
  if (consumer != name) return false;
  result = 42;
  return true;
}

bool AppOnMessage(void*, Control*, Message& m, LResult& r) { return Stage("app", m, r); }
bool OwnOnMessage(void*, Control*, Message& m, LResult& r) { return Stage("own", m, r); }
bool OldHook(Control*, Message& m, LResult& r) { return Stage("old hook", m, r); }
bool NewHook(Control*, Message& m, LResult& r) { return Stage("new hook", m, r); }

class DispatchTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    main = NewForm("main");
    AppWindow = main;
    AppRunning = 1;
    main->events.OnMessage = {AppOnMessage, nullptr};
    label = CreateLabel(main, "l");
    label->events.OnMessage = {OwnOnMessage, nullptr};
    AttachHook(label, OldHook);
    AttachHook(label, NewHook);
    AttachHook(label, OldHook);  // attached twice, runs once
    main->CreateWindow();
  }
  Control* main = nullptr;
  Control* label = nullptr;
};

TEST_F(DispatchTest, StagesRunInOrderAndTheConsumerEndsTheDispatch) {
  struct Case {
    const char* consumer;
    std::vector<std::string> ran;
    LResult result;
  };
  const Case cases[] = {
      {"app", {"app"}, 42},
      {"own", {"app", "own"}, 42},
      {"new hook", {"app", "own", "new hook"}, 42},
      {"old hook", {"app", "own", "new hook", "old hook"}, 42},
      {"nobody", {"app", "own", "new hook", "old hook"}, 0},  // the static control's default answer
  };
  for (const Case& c : cases) {
    consumer = c.consumer;
    Log().clear();
    EXPECT_EQ(Send(label, kProbe), c.result) << c.consumer;
    EXPECT_EQ(Log(), c.ran) << c.consumer;
  }
}

TEST_F(DispatchTest, TheApplicationsOnMessageSeesOnlyWhileTheApplicationRuns) {
  consumer = "nobody";
  AppRunning = 0;
  Send(label, kProbe);
  EXPECT_EQ(Log(), (std::vector<std::string>{"own", "new hook", "old hook"}));
}

TEST_F(DispatchTest, ADetachedHookNoLongerRuns) {
  consumer = "nobody";
  DetachHook(label, NewHook);
  Send(label, kProbe);
  EXPECT_EQ(Log(), (std::vector<std::string>{"app", "own", "old hook"}));
}

TEST_F(DispatchTest, ControlNotificationsReachTheControlAsForwardedCommands) {
  Control* button = CreateButton(main, "b");
  button->events.OnClick = Record("click");
  button->events.OnEnter = Record("enter");
  button->events.OnLeave = Record("leave");
  main->CreateWindow();
  struct Case {
    std::uint32_t code;
    const char* event;
  };
  const Case cases[] = {{BN_CLICKED, "click"}, {BN_SETFOCUS, "enter"}, {BN_KILLFOCUS, "leave"}};
  for (const Case& c : cases) {
    Log().clear();
    Send(main, WM_COMMAND, WParam{c.code} << 16 | button->controlId, reinterpret_cast<LParam>(button->window));
    EXPECT_EQ(Log(), std::vector<std::string>{c.event});
  }
  Log().clear();
  Send(main, WM_COMMAND, WParam{0x1234} << 16, reinterpret_cast<LParam>(button->window));
  EXPECT_TRUE(Log().empty()) << "a code the kind does not know fires nothing";
}

TEST_F(DispatchTest, AClickDuringALayerFocusChangeIsIgnored) {
  Control* button = CreateButton(main, "b");
  button->events.OnClick = Record("click");
  main->CreateWindow();
  button->state.focusing = 1;
  Send(main, WM_COMMAND, 0, reinterpret_cast<LParam>(button->window));
  button->state.focusing = 0;
  Send(main, WM_COMMAND, 0, reinterpret_cast<LParam>(button->window));
  EXPECT_EQ(Log(), std::vector<std::string>{"click"});
}

TEST_F(DispatchTest, ColourRequestsAreAnsweredByTheAskingControl) {
  Control* panel = CreatePanel(main, PanelEdge::None);
  SetColor(panel, 0x00336699);
  Control* same = CreateLabel(panel, "same colour");
  Control* own = CreateLabel(panel, "own colour");
  main->CreateWindow();
  auto answer = [&](Control* c) {
    return reinterpret_cast<Brush>(Send(panel, WM_CTLCOLORSTATIC, 0, reinterpret_cast<LParam>(c->window)));
  };
  Brush shared = answer(same);
  ASSERT_NE(shared, nullptr);
  EXPECT_EQ(shared, ControlBrush(panel)) << "one colour, one brush";
  EXPECT_EQ(answer(own), shared);
  SetColor(own, 0x00FFFFFF);
  EXPECT_NE(answer(own), shared);
  EXPECT_EQ(answer(own), ControlBrush(own));
  EXPECT_EQ(answer(same), shared);
}

}  // namespace
}  // namespace controls::testing
