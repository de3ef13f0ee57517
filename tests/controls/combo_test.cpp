// Combo boxes: items, selection, the posted change event, drop-down sizing.
#include "harness.h"
#include "probe.h"

namespace controls::testing {
namespace {

using namespace native;

class ComboTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    form = NewForm();
    combo = CreateComboBox(form, 0x11);
  }
  void Fill(int count) {
    for (int i = 0; i < count; ++i) AddItem(combo, std::to_string(i));
  }
  Control* form = nullptr;
  Control* combo = nullptr;
};

TEST_F(ComboTest, TheFirstItemAddedIsSelectedLaterOnesLeaveTheSelection) {
  EXPECT_EQ(AddItem(combo, "a"), 0);
  EXPECT_EQ(GetSelectedIndex(combo), 0);
  SetSelectedIndex(combo, -1);
  EXPECT_EQ(AddItem(combo, "b"), 1);
  EXPECT_EQ(GetSelectedIndex(combo), -1);
  Clear(combo);
  EXPECT_EQ(ItemCount(combo), 0);
  AddItem(combo, "c");
  EXPECT_EQ(GetSelectedIndex(combo), 0);
}

// Before its window exists a combo box has no items (adding one makes the
// window), so it is asked about them without being made.
TEST_F(ComboTest, AskingAComboBoxBeforeItsWindowAnswersAsTheEmptyBoxAndMakesNoWindow) {
  for (const bool windowMade : {false, true}) {
    if (windowMade) form->CreateWindow();
    EXPECT_EQ(GetSelectedIndex(combo), -1) << windowMade;
    EXPECT_EQ(ItemCount(combo), 0) << windowMade;
    EXPECT_EQ(GetItemText(combo, 0), "") << windowMade;
    EXPECT_EQ(combo->window != nullptr, windowMade);
    EXPECT_EQ(form->window != nullptr, windowMade);
  }
}

TEST_F(ComboTest, SettingItemsInTurnFillsTheListAndKeepsTheSelection) {
  for (int i = 0; i < 3; ++i) SetItemText(combo, i, "item " + std::to_string(i));
  ASSERT_EQ(ItemCount(combo), 3);
  SetSelectedIndex(combo, 1);
  SetItemText(combo, 1, "µm");
  EXPECT_EQ(ItemCount(combo), 3);
  EXPECT_EQ(GetItemText(combo, 1), "µm");
  EXPECT_EQ(GetItemText(combo, 2), "item 2");
  EXPECT_EQ(GetSelectedIndex(combo), 1);
}

TEST_F(ComboTest, ASelectionFiresOnChangeOnceWithTheNewTextInPlace) {
  Fill(3);
  static std::string textSeen;
  combo->events.OnChange = {[](void*, Control* sender) {
                              textSeen = GetText(sender);
                              Log().push_back("change");
                            },
                            nullptr};
  ShowForm(form);
  Focus(combo, true);
  Pump();
  ASSERT_EQ(GetFocus(), combo->window);
  Send(combo, WM_KEYDOWN, 0x28 /* VK_DOWN */, 1);
  EXPECT_TRUE(Log().empty()) << "the change arrives as a posted notification";
  Pump();
  EXPECT_EQ(Log(), std::vector<std::string>{"change"});
  EXPECT_EQ(textSeen, "1");
  EXPECT_EQ(GetSelectedIndex(combo), 1);
}

TEST_F(ComboTest, TheWheelStepsThroughAClosedListLikeTheArrowKeys) {
  Fill(3);
  combo->events.OnChange = Record("change");
  ShowForm(form);
  Focus(combo, true);
  Pump();
  const WParam down = WParam{static_cast<std::uint16_t>(-120)} << 16, up = WParam{120} << 16;
  Send(combo, WM_MOUSEWHEEL, down);
  Send(combo, WM_MOUSEWHEEL, down);
  Pump();
  EXPECT_EQ(GetSelectedIndex(combo), 2);
  Send(combo, WM_MOUSEWHEEL, up);
  Pump();
  EXPECT_EQ(GetSelectedIndex(combo), 1);
  EXPECT_EQ(Log(), (std::vector<std::string>{"change", "change", "change"}));
}

TEST_F(ComboTest, OnSelChangeTakesPrecedenceOverOnChange) {
  Fill(3);
  combo->events.OnChange = Record("change");
  combo->comboPart->OnSelChange = Record("selchange");
  ShowForm(form);
  Focus(combo, true);
  Send(combo, WM_KEYDOWN, 0x28, 1);
  Pump();
  EXPECT_EQ(Log(), std::vector<std::string>{"selchange"});
}

TEST_F(ComboTest, OpeningTheListShowsOneToEightItems) {
  ShowForm(form);
  const int fieldHeight = Height(combo);
  ASSERT_GT(fieldHeight, 0);
  combo->comboPart->OnDropDown = Record("drop");
  combo->comboPart->OnCloseUp = Record("close");
  struct Case {
    int items;
    int shown;
  };
  const Case cases[] = {{0, 1}, {1, 1}, {5, 5}, {8, 8}, {20, 8}};
  // Whether the reported rectangle includes the selection field differs by
  // platform; what grows with the items is the same everywhere: a list row,
  // lower than the selection field.
  const auto itemHeight = static_cast<int>(Send(combo, CB_GETITEMHEIGHT, 0));
  ASSERT_GT(itemHeight, 0);
  int oneItemHeight = 0;
  for (const Case& c : cases) {
    Clear(combo);
    Fill(c.items);
    Log().clear();
    Send(combo, CB_SHOWDROPDOWN, 1);
    Pump();
    EXPECT_TRUE(combo->comboPart->droppedDown);
    Rect list{};
    Send(combo, CB_GETDROPPEDCONTROLRECT, 0, reinterpret_cast<LParam>(&list));
    if (c.items == 0) oneItemHeight = list.bottom - list.top;
    EXPECT_EQ(list.bottom - list.top - oneItemHeight, itemHeight * (c.shown - 1))
        << c.items << " items";
    Send(combo, CB_SHOWDROPDOWN, 0);
    Pump();
    EXPECT_FALSE(combo->comboPart->droppedDown);
    EXPECT_EQ(Log(), (std::vector<std::string>{"drop", "close"}));
  }
}

// With or without integral height (which the system sizes by rows itself,
// and the box without by the height it is given), a list shows up to eight
// rows, none of them cut.
TEST_F(ComboTest, AnOpenListShowsItsRowsWhole) {
  Control* integral = CreateComboBox(form, kComboDropDownList);
  ShowForm(form);
  const struct {
    int items;
    int shown;
  } cases[] = {{1, 1}, {4, 4}, {8, 8}, {31, 8}};
  for (Control* box : {combo, integral}) {
    for (const auto& c : cases) {
      Clear(box);
      for (int i = 0; i < c.items; ++i) AddItem(box, std::to_string(i));
      Send(box, CB_SHOWDROPDOWN, 1);
      Pump();
      const int row = OpenListRowHeight(box->window);
      ASSERT_GT(row, 0);
      EXPECT_EQ(OpenListClientHeight(box->window), c.shown * row)
          << c.items << " items" << (box == integral ? ", integral height" : "");
      Send(box, CB_SHOWDROPDOWN, 0);
      Pump();
    }
  }
}

TEST_F(ComboTest, EscapeInAnOpenEditableListRestoresTheSelection) {
  Control* editable = CreateComboBox(form, 0);  // drop-down with an inner edit
  for (const char* item : {"a", "b", "c"}) AddItem(editable, item);
  ShowForm(form);
  std::vector<Hwnd> inner = ChildWindows(editable->window);
  ASSERT_FALSE(inner.empty());
  Send(editable, CB_SHOWDROPDOWN, 1);
  Pump();
  Send(editable, CB_SETCURSEL, 2);
  native::SendMessage(inner.front(), WM_CHAR, 0x1B, 1);
  Pump();
  EXPECT_EQ(Send(editable, CB_GETDROPPEDSTATE), 0);
  EXPECT_EQ(GetSelectedIndex(editable), 0);
}

TEST_F(ComboTest, AnEditableComboFreedByItsKeyHandlerGoesAfterTheKey) {
  Control* editable = CreateComboBox(form, 0);
  editable->events.OnKeyChar = {
      [](void*, Control* sender, WParam&, std::uint32_t) {
        Free(sender);
        Log().push_back(sender->BeingDestroyed() ? "gone in handler" : "alive in handler");
      },
      nullptr};
  editable->OnDestroy = {[](void*, BaseObject*) { Log().push_back("destroyed"); }, nullptr};
  ShowForm(form);
  std::vector<Hwnd> inner = ChildWindows(editable->window);
  ASSERT_FALSE(inner.empty());
  native::SendMessage(inner.front(), WM_CHAR, 'a', 1);
  EXPECT_EQ(Log(), (std::vector<std::string>{"alive in handler", "destroyed"}));
  EXPECT_EQ(ChildCount(form), 1) << "only the fixture's combo box is left";
}

TEST_F(ComboTest, TabTypedIntoTheInnerEditIsSwallowed) {
  Control* editable = CreateComboBox(form, 0);
  ShowForm(form);
  std::vector<Hwnd> inner = ChildWindows(editable->window);
  ASSERT_FALSE(inner.empty());
  for (char c : std::string("a\tb"))
    native::SendMessage(inner.front(), WM_CHAR, static_cast<WParam>(c), 1);
  EXPECT_EQ(GetText(editable), "ab");
}

}  // namespace
}  // namespace controls::testing
