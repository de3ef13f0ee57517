// Keyboard and mouse input through the layer: key events, Tab, clicks,
// mouse records, enter and leave.
#include "harness.h"

namespace controls::testing {
namespace {

using namespace native;

class InputTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    form = NewForm();
    edit = CreateEditBox(form, 0);
    ShowForm(form);
    Focus(edit, true);
    Pump();
  }
  Control* form = nullptr;
  Control* edit = nullptr;
};

TEST_F(InputTest, TheEditHasTheFocus) { ASSERT_EQ(GetFocus(), edit->window); }

TEST_F(InputTest, TabIsSwallowedAndNeverTyped) {
  Type(edit, "1\t2");
  EXPECT_EQ(GetText(edit), "12");
}

TEST_F(InputTest, KeysGoNowhereWhileAnotherWindowHasTheFocus) {
  Control* other = CreateEditBox(form, 0);
  form->CreateWindow();
  Type(other, "x");
  EXPECT_EQ(GetText(other), "");
}

void FilterKey(void*, Control*, WParam& key, std::uint32_t) {
  if (key == ',') key = '.';  // replaced
  if (key == 'x') key = 0;    // swallowed
}

TEST_F(InputTest, KeyCharHandlerMayReplaceOrSwallowTheCharacter) {
  edit->events.OnKeyChar = {FilterKey, nullptr};
  Type(edit, "1,5x0");
  EXPECT_EQ(GetText(edit), "1.50");
}

TEST_F(InputTest, KeyEventsAreRoutedByMessage) {
  auto record = [](void* context, Control*, WParam& key, std::uint32_t) {
    Log().push_back(std::string(static_cast<const char*>(context)) + " " + std::to_string(key));
  };
  edit->events.OnKeyDown = {record, const_cast<char*>("down")};
  edit->events.OnKeyUp = {record, const_cast<char*>("up")};
  edit->events.OnKeyChar = {record, const_cast<char*>("char")};
  Send(edit, WM_KEYDOWN, 'A', 1);
  Send(edit, WM_CHAR, 'a', 1);
  Send(edit, WM_KEYUP, 'A', 1);
  Send(edit, WM_SYSCHAR, 'a', 1);  // not routed
  EXPECT_EQ(Log(), (std::vector<std::string>{"down 65", "char 97", "up 65"}));
}

TEST_F(InputTest, TextLimitRefusesFurtherTyping) {
  SetTextLimit(edit, 3);
  Type(edit, "12345");
  EXPECT_EQ(GetText(edit), "123");
}

TEST_F(InputTest, EditChangeAndFocusEvents) {
  Control* other = CreateEditBox(form, 0);
  form->CreateWindow();
  edit->events.OnChange = Record("change");
  edit->events.OnLeave = Record("leave");
  other->events.OnEnter = Record("enter other");
  Type(edit, "7");
  Focus(other, true);
  Pump();
  EXPECT_EQ(Log(), (std::vector<std::string>{"change", "leave", "enter other"}));
  EXPECT_EQ(form->formPart->currentControl, other);
}

TEST_F(InputTest, ClicksOnButtonsLabelsAndCheckBoxes) {
  Control* button = CreateButton(form, "b");
  Control* label = CreateLabel(form, "l");
  Control* check = CreateCheckBox(form, "c");
  SetPosition(label, 120, 2);
  SetPosition(check, 200, 2);
  form->CreateWindow();
  button->events.OnClick = Record("button");
  label->events.OnClick = Record("label");
  check->events.OnClick = Record("check");
  Click(button);
  Click(label);
  Click(check);
  EXPECT_EQ(Log(), (std::vector<std::string>{"button", "label", "check"}));
  EXPECT_TRUE(GetChecked(check));
  SetChecked(check, false);
  EXPECT_FALSE(GetChecked(check));
}

TEST_F(InputTest, OwnerDrawnButtonTreatsADoubleClickAsASecondPress) {
  Control* button = CreateOwnerDrawnButton(form, "o", 0);
  form->CreateWindow();
  button->events.OnClick = Record("click");
  Send(button, WM_LBUTTONDOWN, 1, PointParam(3, 3));
  Send(button, WM_LBUTTONUP, 0, PointParam(3, 3));
  Send(button, WM_LBUTTONDBLCLK, 1, PointParam(3, 3));
  Send(button, WM_LBUTTONUP, 0, PointParam(3, 3));
  Pump();
  EXPECT_EQ(Log(), (std::vector<std::string>{"click", "click"}));
}

TEST_F(InputTest, MouseRecordsCarryButtonPositionAndStop) {
  Control* label = CreateLabel(form, "l");
  form->CreateWindow();
  static MouseRecord seen;
  auto record = [](void* context, Control*, MouseRecord& mouse) {
    seen = mouse;
    Log().push_back(static_cast<const char*>(context));
  };
  SetMouseEvent(label, &ControlEvents::OnMouseDown, {record, const_cast<char*>("down")});
  SetMouseEvent(label, &ControlEvents::OnMouseMove, {record, const_cast<char*>("move")});
  SetMouseEvent(label, &ControlEvents::OnMouseUp, {record, const_cast<char*>("up")});
  Send(label, WM_RBUTTONDOWN, 2, PointParam(5, -3));
  EXPECT_EQ(seen.button, 2);
  EXPECT_EQ(seen.x, 5);
  EXPECT_EQ(seen.y, -3);
  EXPECT_EQ(seen.shift & 0xFF, 2u);
  Send(label, WM_MOUSEMOVE, 0, PointParam(1, 1));
  EXPECT_EQ(seen.button, 0);
  Send(label, WM_MBUTTONUP, 0, PointParam(1, 1));
  EXPECT_EQ(seen.button, 3);
  EXPECT_EQ(Log(), (std::vector<std::string>{"down", "move", "up"}));
}

bool pointerOver = false;

TEST_F(InputTest, EnterAndLeaveFollowThePointer) {
  Control* label = CreateLabel(form, "?");
  form->CreateWindow();
  label->events.pointerOverTest = {[](void*, Control*) { return pointerOver; }, nullptr};
  label->events.OnMouseEnter = Record("enter");
  SetMouseLeaveEvent(label, Record("leave"));
  pointerOver = true;
  Send(label, WM_MOUSEMOVE);
  Send(label, WM_MOUSEMOVE);  // still inside: nothing new
  EXPECT_TRUE(label->state.pointerInside);
  Send(label, WM_MOUSELEAVE);
  EXPECT_FALSE(label->state.pointerInside);
  Send(label, WM_MOUSELEAVE);  // already outside
  Send(label, WM_MOUSEMOVE);
  pointerOver = false;
  Send(label, WM_MOUSEMOVE);
  EXPECT_EQ(Log(), (std::vector<std::string>{"enter", "leave", "enter", "leave"}));
}

}  // namespace
}  // namespace controls::testing
