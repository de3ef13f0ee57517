// The main window as a screen reader on Windows reads it: through Microsoft
// Active Accessibility, asking each window's client area for its object
// with AccessibleObjectFromWindow, as Narrator's and NVDA's MSAA side does.
#include <string>
#include <vector>

#include "device_win32.h"
#include "main_window_harness.h"
#include "ui/pages.h"

namespace ui::testing {
namespace {

using namespace controls;
using M = MainWindow;
using AccessibilityWin32Test = MainWindowTest;

struct Expected {
  Ref control;
  long role;
  const char* name;
};

constexpr Expected kExpected[] = {
    {&M::FromValue1, kRoleText, "Convert From, value 1"},
    {&M::FromValue2, kRoleText, "Convert From, value 2"},
    {&M::FromValue3, kRoleText, "Convert From, value 3"},
    {&M::FromUnit1, kRoleComboBox, "Convert From, unit 1"},
    {&M::FromUnit2, kRoleComboBox, "Convert From, unit 2"},
    {&M::FromUnit3, kRoleComboBox, "Convert From, unit 3"},
    {&M::ToUnit1, kRoleComboBox, "Convert To, unit 1"},
    {&M::ToUnit2, kRoleComboBox, "Convert To, unit 2"},
    {&M::ToUnit3, kRoleComboBox, "Convert To, unit 3"},
    {&M::ResultBox, kRoleText, "Result"},
    {&M::DecimalsCombo, kRoleComboBox, "Decimal places"},
    {&M::ConvertButton, kRolePushButton, "Convert"},
    {&M::ResetButton, kRolePushButton, "Reset"},
    {&M::ClearFromButton, kRolePushButton, "Clear"},
    {&M::ClearToButton, kRolePushButton, "Clear"},
    {&M::USButton, kRolePushButton, "US"},
    {&M::MetricButton, kRolePushButton, "Metric"},
    {&M::RoundUpCheck, kRoleCheckButton, "Round Up"},
    {&M::ThousandSepCheck, kRoleCheckButton, "1000 Sep."},
    {&M::ExpCheck, kRoleCheckButton, "Exp."},
    {&M::DecimalsLabel, kRoleStaticText, "Dec.:"},
    {&M::FromGroup, kRoleGrouping, "Convert From"},
    {&M::ToGroup, kRoleGrouping, "Convert To"},
    {&M::ResultGroup, kRoleGrouping, "Result"},
    {&M::CategoryBar, kRolePageTabList, "Categories"},
    {&M::AboutLink, kRoleLink, "About"},
    {&M::WeightHelpLink, kRoleLink, "Weight or Mass?"},
    {&M::PaperHelpLink, kRoleLink, "Help"},
    {&M::ConversionPanel, kRolePane, ""},
    {&M::PrefixTablePanel, kRolePane, ""},
};

TEST_F(AccessibilityWin32Test, EveryControlHasItsRoleAndName) {
  for (const Expected& e : kExpected) {
    const Accessible read = ReadAccessible((w->*e.control)->window);
    ASSERT_TRUE(read.found) << e.name << ": no object";
    EXPECT_EQ(read.role, e.role) << e.name;
    EXPECT_EQ(read.name, e.name) << "role " << e.role;
  }
  const Accessible form = ReadAccessible(w->MainForm->window);
  EXPECT_EQ(form.role, kRoleClient);
  EXPECT_EQ(form.name, "Zurmet 1.0");
}

TEST_F(AccessibilityWin32Test, TheCategoriesAreTabsInReadingOrderWithTheShownOneSelected) {
  std::vector<std::string> tabs, selected;
  for (const Accessible& child : ReadAccessibleChildren(w->CategoryBar->window)) {
    if (child.role != kRolePageTab) continue;
    tabs.push_back(child.name);
    if (child.state & kStateSelected) selected.push_back(child.name);
    EXPECT_TRUE(child.state & kStateSelectable) << child.name;
  }
  EXPECT_EQ(tabs, (std::vector<std::string>{"Length", "Area", "Capacity", "Weight", "Temperature",
                                            "Speed", "Paper", "Prefixes"}));
  EXPECT_EQ(selected, std::vector<std::string>{"Length"});
}

TEST_F(AccessibilityWin32Test, StatesAndValuesFollowTheWindow) {
  EXPECT_TRUE(ReadAccessible(w->RoundUpCheck->window).state & kStateChecked);
  EXPECT_TRUE(ReadAccessible(w->ThousandSepCheck->window).state & kStateChecked);
  EXPECT_FALSE(ReadAccessible(w->ExpCheck->window).state & kStateChecked);
  EXPECT_EQ(ReadAccessible(w->ExpCheck->window).defaultAction, "Check");
  EXPECT_TRUE(ReadAccessible(w->ResultBox->window).state & kStateReadOnly);
  EXPECT_FALSE(ReadAccessible(w->FromValue1->window).state & kStateReadOnly);
  EXPECT_TRUE(ReadAccessible(w->WeightHelpLink->window).state & kStateInvisible);
  EXPECT_TRUE(ReadAccessible(w->AboutLink->window).state & kStateLinked);
  EXPECT_EQ(ReadAccessible(w->FromUnit1->window).value, "yards");
  EXPECT_EQ(ReadAccessible(w->DecimalsCombo->window).value, "3");
  EXPECT_TRUE(ReadAccessible(w->FromValue1->window).state & kStateFocused);

  TypeInto(&M::FromValue1, "12");
  EXPECT_EQ(ReadAccessible(w->FromValue1->window).value, "12");
  // A later row of a one-value category is not to be used.
  SelectCategory(w, units::Category::Temperature);
  Settle();
  EXPECT_TRUE(ReadAccessible(w->FromValue2->window).state & kStateUnavailable);
  EXPECT_TRUE(ReadAccessible(w->FromUnit2->window).state & kStateUnavailable);
  // A control that is not enabled offers nothing to do.
  SetEnabled(w->ExpCheck, false);
  EXPECT_EQ(ReadAccessible(w->ExpCheck->window).defaultAction, "");
  EXPECT_FALSE(DoDefaultAction(w->ExpCheck->window));
  Settle();
  EXPECT_FALSE(GetChecked(w->ExpCheck));
}

TEST_F(AccessibilityWin32Test, TabsButtonsAndCheckBoxesArePressedAsByAClick) {
  ASSERT_TRUE(DoDefaultAction(w->WeightSelector->window));
  Settle();
  EXPECT_TRUE(ReadAccessible(w->WeightSelector->window).state & kStateSelected);
  EXPECT_FALSE(ReadAccessible(w->LengthSelector->window).state & kStateSelected);
  EXPECT_FALSE(ReadAccessible(w->WeightHelpLink->window).state & kStateInvisible);

  ASSERT_TRUE(DoDefaultAction(w->ExpCheck->window));
  Settle();
  EXPECT_TRUE(GetChecked(w->ExpCheck));
  EXPECT_EQ(ReadAccessible(w->ExpCheck->window).defaultAction, "Uncheck");

  TypeInto(&M::FromValue1, "1000");
  ChooseItem(w->ToUnit1, "kilograms");
  ASSERT_TRUE(DoDefaultAction(w->ConvertButton->window));
  Settle();
  EXPECT_FALSE(Result().empty());
  EXPECT_EQ(ReadAccessible(w->ResultBox->window).value, Result());
}

}  // namespace
}  // namespace ui::testing
