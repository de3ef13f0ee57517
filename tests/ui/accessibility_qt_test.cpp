// The main window as assistive technology reads it through Qt's
// accessibility interfaces: every control's role and name, the category
// bar as tabs with the shown one selected, and the Result as read-only text.
// That changes reach assistive technology is checked end to end, through
// AT-SPI, by tests/desktop/check_desktop.
#include <QAccessible>
#include <QWidget>
#include <string>
#include <vector>

#include "controls/native/qt/window_qt.h"
#include "main_window_harness.h"

namespace ui::testing {
namespace {

using namespace controls;
using M = MainWindow;

QAccessibleInterface* InterfaceOf(Control* control) {
  native::qt::Window* window = native::qt::AsWindow(control->window);
  return window && window->widget ? QAccessible::queryAccessibleInterface(window->widget) : nullptr;
}

std::string NameOf(QAccessibleInterface* item) {
  return item->text(QAccessible::Name).toStdString();
}

class AccessibilityTest : public MainWindowTest {
 protected:
  std::vector<Ref> SelectedTabs() {
    std::vector<Ref> selected;
    for (Ref tab : kTabs)
      if (InterfaceOf(w->*tab)->state().selected) selected.push_back(tab);
    return selected;
  }

  static constexpr Ref kTabs[] = {&M::LengthSelector, &M::AreaSelector,    &M::CapacitySelector,
                                  &M::WeightSelector, &M::TempSelector,    &M::SpeedSelector,
                                  &M::PaperSelector,  &M::PrefixesSelector};
};

TEST_F(AccessibilityTest, EveryControlHasItsRoleAndName) {
  struct Case {
    Ref control;
    QAccessible::Role role;
    const char* name;
  };
  const Case cases[] = {
      {&M::FromValue1, QAccessible::EditableText, "Convert From, value 1"},
      {&M::FromValue2, QAccessible::EditableText, "Convert From, value 2"},
      {&M::FromValue3, QAccessible::EditableText, "Convert From, value 3"},
      {&M::FromUnit1, QAccessible::ComboBox, "Convert From, unit 1"},
      {&M::FromUnit3, QAccessible::ComboBox, "Convert From, unit 3"},
      {&M::ToUnit1, QAccessible::ComboBox, "Convert To, unit 1"},
      {&M::ToUnit2, QAccessible::ComboBox, "Convert To, unit 2"},
      {&M::ToUnit3, QAccessible::ComboBox, "Convert To, unit 3"},
      {&M::ResultBox, QAccessible::EditableText, "Result"},
      {&M::DecimalsCombo, QAccessible::ComboBox, "Decimal places"},
      {&M::ConvertButton, QAccessible::Button, "Convert"},
      {&M::ResetButton, QAccessible::Button, "Reset"},
      {&M::ClearFromButton, QAccessible::Button, "Clear"},
      {&M::USButton, QAccessible::Button, "US"},
      {&M::MetricButton, QAccessible::Button, "Metric"},
      {&M::RoundUpCheck, QAccessible::CheckBox, "Round Up"},
      {&M::ThousandSepCheck, QAccessible::CheckBox, "1000 Sep."},
      {&M::ExpCheck, QAccessible::CheckBox, "Exp."},
      {&M::FromGroup, QAccessible::Grouping, "Convert From"},
      {&M::ToGroup, QAccessible::Grouping, "Convert To"},
      {&M::CategoryBar, QAccessible::PageTabList, "Categories"},
      {&M::LengthSelector, QAccessible::PageTab, "Length"},
      {&M::TempSelector, QAccessible::PageTab, "Temperature"},
      {&M::PrefixesSelector, QAccessible::PageTab, "Prefixes"},
      {&M::AboutLink, QAccessible::Link, "About"},
      {&M::WeightHelpLink, QAccessible::Link, "Weight or Mass?"},
      {&M::PaperHelpLink, QAccessible::Link, "Help"},
      {&M::ConversionPanel, QAccessible::Pane, ""},
  };
  for (const Case& c : cases) {
    QAccessibleInterface* item = InterfaceOf(w->*c.control);
    ASSERT_NE(item, nullptr) << c.name;
    EXPECT_EQ(item->role(), c.role) << c.name;
    EXPECT_EQ(NameOf(item), c.name);
  }
  EXPECT_TRUE(InterfaceOf(w->ResultBox)->state().readOnly);
  EXPECT_FALSE(InterfaceOf(w->FromValue1)->state().readOnly);
  // The tabs are the list's own.
  EXPECT_EQ(InterfaceOf(w->WeightSelector)->parent()->role(), QAccessible::PageTabList);
}

// The windows stack in an order of their own; assistive technology reads
// a group top to bottom and left to right (the links stand a pixel lower
// than the buttons).
TEST_F(AccessibilityTest, AGroupIsReadInTheOrderItIsLaidOut) {
  QAccessibleInterface* group = InterfaceOf(w->FromGroup);
  std::vector<std::string> names;
  for (int i = 0; i < group->childCount(); ++i) names.push_back(NameOf(group->child(i)));
  EXPECT_EQ(names, (std::vector<std::string>{"Convert From, value 1", "Convert From, unit 1",
                                             "Convert From, value 2", "Convert From, unit 2",
                                             "Convert From, value 3", "Convert From, unit 3",
                                             "Reset", "Clear", "Weight or Mass?", "Help"}));
  for (int i = 0; i < group->childCount(); ++i) EXPECT_EQ(group->indexOfChild(group->child(i)), i);
}

TEST_F(AccessibilityTest, TheShownCategoryIsTheSelectedTab) {
  EXPECT_EQ(SelectedTabs(), std::vector<Ref>{&M::LengthSelector});
  ClickOn(w->WeightSelector);
  EXPECT_EQ(SelectedTabs(), std::vector<Ref>{&M::WeightSelector});
  ClickOn(w->PrefixesSelector);
  EXPECT_EQ(SelectedTabs(), std::vector<Ref>{&M::PrefixesSelector});
}

// Assistive technology presses a tab or link as a click would.
TEST_F(AccessibilityTest, PressingATabShowsItsCategory) {
  QAccessibleInterface* tab = InterfaceOf(w->PaperSelector);
  ASSERT_NE(tab->actionInterface(), nullptr);
  ASSERT_TRUE(
      tab->actionInterface()->actionNames().contains(QAccessibleActionInterface::pressAction()));
  tab->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  Settle();
  EXPECT_EQ(w->CurrentCategory, units::Category::Paper);
  EXPECT_EQ(SelectedTabs(), std::vector<Ref>{&M::PaperSelector});
}

// What Qt's own interfaces press is a click of the window, as the pointer's.
TEST_F(AccessibilityTest, PressingAButtonOrACheckBoxClicksIt) {
  TypeInto(&M::FromValue1, "1");
  QAccessibleInterface* convert = InterfaceOf(w->ConvertButton);
  convert->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
  // Qt shows the button pressed for a moment first.
  EXPECT_TRUE(PumpUntil([&] { return !Result().empty(); }));
  QAccessibleInterface* roundUp = InterfaceOf(w->RoundUpCheck);
  const bool before = GetChecked(w->RoundUpCheck);
  roundUp->actionInterface()->doAction(QAccessibleActionInterface::toggleAction());
  Settle();
  EXPECT_EQ(GetChecked(w->RoundUpCheck), !before);
  EXPECT_EQ(bool(roundUp->state().checked), !before);
}

TEST_F(AccessibilityTest, TheResultReadsAsTheConversionLeftIt) {
  TypeInto(&M::FromValue1, "1");
  TypeInto(&M::FromValue2, "2");
  TypeInto(&M::FromValue3, "3");
  ClickOn(w->ConvertButton);
  ASSERT_FALSE(Result().empty());
  QAccessibleTextInterface* text = InterfaceOf(w->ResultBox)->textInterface();
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->text(0, text->characterCount()).toStdString(), Result());
}

// A unit list tells its name, and the unit chosen as its value.
TEST_F(AccessibilityTest, AUnitListsValueIsTheUnitChosen) {
  QAccessibleInterface* list = InterfaceOf(w->FromUnit1);
  EXPECT_EQ(list->text(QAccessible::Value).toStdString(), Shown(w->FromUnit1));
  ChooseItem(w->FromUnit1, "miles");
  EXPECT_EQ(list->text(QAccessible::Value).toStdString(), "miles");
  EXPECT_EQ(NameOf(list), "Convert From, unit 1");
  ASSERT_EQ(list->childCount(), 1);
  EXPECT_EQ(list->child(0)->role(), QAccessible::List);
}

// A list the page disabled opens for no one: the keyboard and the mouse
// cannot, and neither may assistive technology.
TEST_F(AccessibilityTest, OnlyAnEnabledUnitListOpens) {
  ClickOn(w->TempSelector);
  ASSERT_FALSE(IsEnabled(w->FromUnit2)) << "Temperature converts one value";
  for (Ref list : {&M::FromUnit2, &M::FromUnit1}) {
    const bool enabled = IsEnabled(w->*list);
    QAccessibleActionInterface* actions = InterfaceOf(w->*list)->actionInterface();
    ASSERT_NE(actions, nullptr);
    EXPECT_EQ(actions->actionNames().isEmpty(), !enabled);
    actions->doAction(QAccessibleActionInterface::showMenuAction());
    Settle();
    EXPECT_EQ(native::qt::AsWindow((w->*list)->window)->dropped, enabled);
    if (enabled) actions->doAction(QAccessibleActionInterface::showMenuAction());
    Settle();
  }
}

}  // namespace
}  // namespace ui::testing
