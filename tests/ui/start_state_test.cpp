// What the user sees before touching anything.
#include "main_window_harness.h"
#include "ui/palette.h"

namespace ui::testing {
namespace {

using namespace controls;
using M = MainWindow;

using StartStateTest = MainWindowTest;

TEST_F(StartStateTest, LengthIsShownWithItsDefaultUnitsAndOptions) {
  for (Ref selector :
       {&M::LengthSelector, &M::AreaSelector, &M::CapacitySelector, &M::WeightSelector,
        &M::TempSelector, &M::SpeedSelector, &M::PaperSelector, &M::PrefixesSelector}) {
    const Color expected = selector == &M::LengthSelector ? Rgb(239, 239, 239) : Rgb(255, 255, 255);
    EXPECT_EQ((w->*selector)->look.color, expected) << GetText(w->*selector);
  }
  EXPECT_EQ(Shown(w->FromUnit1), "yards");
  EXPECT_EQ(Shown(w->FromUnit2), "feet");
  EXPECT_EQ(Shown(w->FromUnit3), "inches");
  for (Control* list : {w->ToUnit1, w->ToUnit2, w->ToUnit3}) EXPECT_EQ(Shown(list), "-");
  EXPECT_EQ(Result(), "");
  EXPECT_FALSE(Visible(w->PrefixesPage));
  EXPECT_FALSE(Visible(w->WeightHelpLink));
  EXPECT_FALSE(Visible(w->PaperHelpLink));
  EXPECT_TRUE(HasFocus(w->FromValue1));
  EXPECT_EQ(ClientWidth(form), 394);
  EXPECT_EQ(ClientHeight(form), 235);
  EXPECT_TRUE(GetChecked(w->RoundUpCheck));
  EXPECT_TRUE(GetChecked(w->ThousandSepCheck));
  EXPECT_FALSE(GetChecked(w->ExpCheck));
  EXPECT_EQ(GetText(w->DecimalsCombo), "3");
  EXPECT_EQ(ItemCount(w->DecimalsCombo), 31) << "0 to 30 places";
}

TEST_F(StartStateTest, ValueFieldsTakeAtMost35Characters) {
  const std::string forty = "1234567890123456789012345678901234567890";
  for (Ref field : {&M::FromValue1, &M::FromValue2, &M::FromValue3}) {
    TypeInto(field, forty);
    EXPECT_EQ(GetText(w->*field), forty.substr(0, 35));
  }
}

}  // namespace
}  // namespace ui::testing
