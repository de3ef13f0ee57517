// The category selectors and what each page sets up; the buttons of the
// "Convert From" and "Convert To" groups.
#include "ui/pages.h"

#include <array>
#include <set>

#include "main_window_harness.h"
#include "ui/palette.h"

namespace ui::testing {
namespace {

using namespace controls;
using M = MainWindow;
using C = units::Category;

using PagesTest = MainWindowTest;

struct PageCase {
  Ref selector;
  C category;
  std::array<const char*, 3> fromUnits;
  const char* toUnit;
  bool singleValue;
  Ref helpLink;  // nullptr: none
};

TEST_F(PagesTest, EachSelectorShowsItsTableAndDefaultsAndKeepsWhatWasTyped) {
  // Length comes again last: what the single-value pages disabled is enabled again.
  const PageCase cases[] = {
      {&M::AreaSelector, C::Area, {"sq. yards", "-", "-"}, "-", false, nullptr},
      {&M::CapacitySelector, C::Capacity, {"gallons (US)", "-", "-"}, "-", false, nullptr},
      {&M::WeightSelector, C::Weight, {"pounds (avdp)", "-", "-"}, "-", false, &M::WeightHelpLink},
      {&M::TempSelector, C::Temperature, {"Celsius", "-", "-"}, "Fahrenheit", true, nullptr},
      {&M::SpeedSelector, C::Speed, {"miles per hour", "-", "-"}, "-", false, nullptr},
      {&M::PaperSelector, C::Paper, {"bond (17x22)", "-", "-"}, "-", true, &M::PaperHelpLink},
      {&M::LengthSelector, C::Length, {"yards", "feet", "inches"}, "-", false, nullptr},
  };
  const Ref selectors[] = {&M::LengthSelector, &M::AreaSelector,    &M::CapacitySelector,
                           &M::WeightSelector, &M::TempSelector,    &M::SpeedSelector,
                           &M::PaperSelector,  &M::PrefixesSelector};
  TypeInto(&M::FromValue1, "3");
  TypeInto(&M::FromValue2, "4");
  ChooseItem(w->ToUnit1, "feet");
  ClickOn(w->ConvertButton);
  const std::string result = Result();
  ASSERT_EQ(result, Regional("13 ft  "));  // 3 yd 4 ft
  for (const PageCase& c : cases) {
    ClickOn(w->*c.selector);
    const std::string page = GetText(w->*c.selector);
    for (Control* list :
         {w->FromUnit1, w->FromUnit2, w->FromUnit3, w->ToUnit1, w->ToUnit2, w->ToUnit3}) {
      ASSERT_EQ(ItemCount(list), units::RowCount(c.category)) << page;
      for (int row = 0; row < ItemCount(list); ++row)
        ASSERT_EQ(GetItemText(list, row), units::RowAt(units::TableFor(c.category), row).Name)
            << page << " row " << row;
    }
    const std::array<std::string, 9> inputs = Inputs();
    const std::array<std::string, 9> expected = {
        "3", "4", "", c.fromUnits[0], c.fromUnits[1], c.fromUnits[2], c.toUnit, "-", "-"};
    EXPECT_EQ(inputs, expected) << page;
    EXPECT_EQ(Result(), result) << page;
    for (Control* later :
         {w->FromValue2, w->FromValue3, w->FromUnit2, w->FromUnit3, w->ToUnit2, w->ToUnit3})
      EXPECT_EQ(IsEnabled(later), !c.singleValue) << page;
    EXPECT_EQ(Visible(w->WeightHelpLink), c.helpLink == &M::WeightHelpLink) << page;
    EXPECT_EQ(Visible(w->PaperHelpLink), c.helpLink == &M::PaperHelpLink) << page;
    for (Ref other : selectors)
      EXPECT_EQ((w->*other)->look.color, other == c.selector ? kPaleGrey : kWhite)
          << page << ", " << GetText(w->*other);
  }
}

// The window names the categories in its selector bar only: each category
// the unit tables say the window shows has one selector that shows its
// caption and brings up its page as described.
TEST_F(PagesTest, EveryCategoryOfTheTablesHasOneSelectorThatShowsItsPage) {
  std::set<C> inBar;
  for (const SelectorPlace& place : SelectorBar())
    EXPECT_TRUE(inBar.insert(place.category).second) << units::CategoryName(place.category);
  EXPECT_EQ(inBar.size(), units::WindowCategories().size());
  for (const units::CategoryInfo& info : units::WindowCategories()) {
    Control* selector = SelectorOf(w, info.Id);
    ASSERT_NE(selector, nullptr) << info.Name;
    EXPECT_EQ(GetText(selector), info.Caption);
    EXPECT_EQ(selector->accessibility.name, info.Name);
    EXPECT_EQ(selector->accessibility.role, AccessibleRole::PageTab) << info.Name;
    ClickOn(selector);
    EXPECT_EQ(w->CurrentCategory, info.Id) << info.Name;
    EXPECT_EQ(selector->look.color, kPaleGrey) << info.Name;
    EXPECT_EQ(Visible(w->PrefixesPage), !info.Measured) << info.Name;
    if (!info.Measured) continue;
    for (int i = 0; i < units::TermCount; ++i) {
      EXPECT_EQ(ItemCount(w->FromUnits()[i]), static_cast<int>(info.Table.size())) << info.Name;
      EXPECT_EQ(GetSelectedIndex(w->FromUnits()[i]), info.DefaultFrom[i]) << info.Name;
      if (i > 0) {
        EXPECT_EQ(IsEnabled(w->FromValues()[i]), i < info.InputRows) << info.Name;
      }
    }
    EXPECT_EQ(GetSelectedIndex(w->ToUnit1), info.DefaultTo) << info.Name;
    EXPECT_EQ(Visible(w->WeightHelpLink), info.Help == units::HelpTopic::WeightOrMass);
    EXPECT_EQ(Visible(w->PaperHelpLink), info.Help == units::HelpTopic::PaperWeight);
  }
}

struct FocusCase {
  std::array<const char*, 3> values;
  Ref selector;
  Ref focused;
};

TEST_F(PagesTest, FocusGoesToTheFirstFilledValueFieldThePageUses) {
  const FocusCase cases[] = {
      {{"", "", "7"}, &M::AreaSelector, &M::FromValue3},
      {{"", "5", "7"}, &M::WeightSelector, &M::FromValue2},
      {{"", "", ""}, &M::SpeedSelector, &M::FromValue1},
      // Temperature and Paper take one value only: the other fields are disabled.
      {{"", "5", ""}, &M::TempSelector, &M::FromValue1},
      {{"", "", "7"}, &M::PaperSelector, &M::FromValue1},
  };
  const Ref fields[] = {&M::FromValue1, &M::FromValue2, &M::FromValue3};
  for (const FocusCase& c : cases) {
    ClickOn(w->LengthSelector);
    ClickOn(w->ClearFromButton);
    for (int i = 0; i < 3; ++i) TypeInto(fields[i], c.values[i]);
    ClickOn(w->*c.selector);
    const std::string before = GetText(w->*c.focused);
    SendText("9");
    Settle();
    EXPECT_EQ(GetText(w->*c.focused), before + "9") << GetText(w->*c.selector);
  }
}

TEST_F(PagesTest, ThePrefixesPageCoversTheConversionUntilTheNextSelection) {
  ClickOn(w->PrefixesSelector);
  ASSERT_TRUE(Visible(w->PrefixesPage));
  EXPECT_EQ(w->PrefixesSelector->look.color, kPaleGrey);
  EXPECT_EQ(w->LengthSelector->look.color, kWhite);
  ClickOn(w->FromUnit1);  // lands on the page, not on the list below it
  EXPECT_FALSE(w->FromUnit1->comboPart->droppedDown);
  const std::pair<Control*, const char*> columns[] = {
      {w->LargeNamesColumn, "yotta zetta exa peta tera giga mega kilo hecto deka"},
      {w->LargeSymbolsColumn, "Y Z E P T G M k h da"},
      {w->LargePowersColumn, "10^24 10^21 10^18 10^15 10^12 10^09 10^06 10^03 10^02 10^01"},
      {w->SmallNamesColumn, "deci centi milli micro nano pico femto atto zepto yocto"},
      {w->SmallSymbolsColumn, "d c m \u00b5 n p f a z y"},
      {w->SmallPowersColumn,
       "10^-01 10^-02 10^-03 10^-06 10^-09 10^-12 10^-15 10^-18 10^-21 10^-24"},
  };
  for (const auto& [column, words] : columns) {
    std::string text = GetText(column);
    for (std::size_t at; (at = text.find("\r\n")) != std::string::npos;) text.replace(at, 2, " ");
    EXPECT_EQ(text, words);
  }
  ClickOn(w->WeightSelector);
  EXPECT_FALSE(Visible(w->PrefixesPage));
  ClickOn(w->FromUnit1);
  EXPECT_TRUE(w->FromUnit1->comboPart->droppedDown);
  SendKey(kEscape);
  Settle();
}

TEST_F(PagesTest, ResetAndClearButtonsLeaveTheResultAlone) {
  struct Case {
    Ref button;
    std::array<std::string, 9> inputs;
  };
  const Case cases[] = {
      {&M::ResetButton, {"", "", "", "yards", "feet", "inches", "meters", "-", "-"}},
      {&M::ClearFromButton, {"", "", "", "-", "-", "-", "meters", "-", "-"}},
      {&M::ClearToButton, {"1", "2", "3", "miles", "feet", "inches", "-", "-", "-"}},
  };
  const Ref values[] = {&M::FromValue1, &M::FromValue2, &M::FromValue3};
  const std::array<Control*, 3> fromUnits{w->FromUnit1, w->FromUnit2, w->FromUnit3};
  const char* const typed[] = {"1", "2", "3"};
  const char* const names[] = {"miles", "feet", "inches"};
  for (const Case& c : cases) {
    for (int i = 0; i < 3; ++i) {
      TypeInto(values[i], typed[i]);
      ChooseItem(fromUnits[i], names[i]);
    }
    ChooseItem(w->ToUnit1, "meters");
    ClickOn(w->ConvertButton);
    const std::string result = Result();
    ASSERT_NE(result, "");
    ClickOn(w->*c.button);
    EXPECT_EQ(Inputs(), c.inputs) << GetText(w->*c.button);
    EXPECT_EQ(Result(), result) << GetText(w->*c.button);
  }
  // Reset picks the defaults of the page on show.
  ClickOn(w->WeightSelector);
  ChooseItem(w->FromUnit1, "grams");
  ClickOn(w->ResetButton);
  EXPECT_EQ(Shown(w->FromUnit1), "pounds (avdp)");
}

struct SuggestCase {
  Ref selector;
  const char* value;
  const char* fromUnit;  // nullptr: the page's default
  Ref button;
  const char* toUnits[2];
};

TEST_F(PagesTest, UsAndMetricSuggestTargetUnitsWithoutConverting) {
  const SuggestCase cases[] = {
      {&M::LengthSelector, "3", "miles", &M::USButton, {"miles", "-"}},
      {&M::LengthSelector, "100", "feet", &M::USButton, {"feet", "inches"}},
      {&M::LengthSelector, "5", "meters", &M::MetricButton, {"meters", "-"}},
      {&M::LengthSelector, "5", "millimeters", &M::MetricButton, {"millimeters", "-"}},
      {&M::WeightSelector, "", nullptr, &M::USButton, {"ounces (avdp)", "-"}},
      {&M::WeightSelector, "2", nullptr, &M::MetricButton, {"grams", "-"}},
  };
  for (const SuggestCase& c : cases) {
    ClickOn(w->*c.selector);
    ClickOn(w->ClearToButton);
    ClickOn(w->ResetButton);
    if (c.fromUnit) ChooseItem(w->FromUnit1, c.fromUnit);
    TypeInto(&M::FromValue1, c.value);
    ClickOn(w->ConvertButton);  // no target unit yet: "Error"
    const std::string result = Result();
    ClickOn(w->*c.button);
    EXPECT_EQ(Shown(w->ToUnit1), c.toUnits[0]) << c.value << " " << Shown(w->FromUnit1);
    EXPECT_EQ(Shown(w->ToUnit2), c.toUnits[1]) << c.value << " " << Shown(w->FromUnit1);
    EXPECT_EQ(Result(), result);
  }
}

}  // namespace
}  // namespace ui::testing
