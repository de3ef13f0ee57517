// Typing a quantity, choosing units and converting; the result options; the
// filter on typed characters.
#include <array>

#include "main_window_harness.h"

namespace ui::testing {
namespace {

using namespace controls;
using M = MainWindow;

using ConversionTest = MainWindowTest;

struct ConversionCase {
  Ref selector;
  std::array<const char*, 3> values;
  const char* fromUnit;                // nullptr: the page's default
  std::array<const char*, 3> toUnits;  // nullptr: left at "-"
  const char* result;
};

TEST_F(ConversionTest, OneConversionPerCategory) {
  const ConversionCase cases[] = {
      // 63 in = 1.6002 m
      {&M::LengthSelector, {"1", "2", "3"}, nullptr, {"meters"}, "1.6 m  "},
      {&M::LengthSelector, {"100"}, "inches", {"inches", "feet"}, "8 ft  4 in  "},
      // 11.9999 in rounds to a whole foot, which the feet take.
      {&M::LengthSelector, {"71.9999"}, "inches", {"inches", "feet"}, "6 ft  0 in  "},
      {&M::LengthSelector, {"1234567"}, "meters", {"millimeters"}, "1,234,567,000 mm  "},
      {&M::LengthSelector, {"", "", ""}, nullptr, {"meters"}, "Error"},
      {&M::LengthSelector, {"5"}, nullptr, {}, "Error"},
      {&M::AreaSelector, {"1/2"}, nullptr, {"sq. feet"}, "4.5 sq ft  "},
      // 3.785411784 L
      {&M::CapacitySelector, {"1"}, nullptr, {"liters"}, "3.785 L  "},
      {&M::WeightSelector, {"1"}, nullptr, {"grams"}, "453.592 g  "},
      {&M::TempSelector, {"100"}, nullptr, {"Fahrenheit"}, "212 F"},
      // 96.56064 km/h, rounded up
      {&M::SpeedSelector, {"60"}, nullptr, {"kilometers per hour"}, "96.561 km/h  "},
      {&M::PaperSelector, {"20"}, nullptr, {"grams/sq. meter"}, "75.195 g/m\u00b2  "},
  };
  const Ref values[] = {&M::FromValue1, &M::FromValue2, &M::FromValue3};
  const Ref toUnits[] = {&M::ToUnit1, &M::ToUnit2, &M::ToUnit3};
  for (const ConversionCase& c : cases) {
    ClickOn(w->*c.selector);
    ClickOn(w->ResetButton);
    if (c.fromUnit) ChooseItem(w->FromUnit1, c.fromUnit);
    for (int i = 0; i < 3; ++i) {
      if (c.toUnits[i]) ChooseItem(w->*toUnits[i], c.toUnits[i]);
      if (c.values[i] && *c.values[i]) TypeInto(values[i], c.values[i]);
    }
    ClickOn(w->ConvertButton);
    EXPECT_EQ(Result(), Regional(c.result)) << GetText(w->*c.selector) << " " << c.values[0];
  }
}

TEST_F(ConversionTest, OptionsConvertAgainAtOnceUnitsAndTypingDoNot) {
  TypeInto(&M::FromValue2, "2");  // 2 feet = 2/3 yard
  ChooseItem(w->ToUnit1, "yards");
  ClickOn(w->ConvertButton);
  ASSERT_EQ(Result(), Regional("0.667 yd  "));
  struct Step {
    Ref control;
    const char* item;  // nullptr: a click
    const char* result;
  };
  const Step steps[] = {
      {&M::DecimalsCombo, "5", "0.666,67 yd  "},        // grouping covers the decimals too
      {&M::ThousandSepCheck, nullptr, "0.66667 yd  "},  // off
      {&M::RoundUpCheck, nullptr, "0.66666 yd  "},      // off: cut
      {&M::ExpCheck, nullptr, "6.66666 E-1 yd  "},      // on
      {&M::DecimalsCombo, "3", "6.666 E-1 yd  "},       // back to 3 places
      {&M::ToUnit1, "inches", "6.666 E-1 yd  "},        // units wait for Convert
      {&M::FromUnit1, "miles", "6.666 E-1 yd  "},       // so does the quantity
  };
  for (const Step& step : steps) {
    if (step.item) {
      ChooseItem(w->*step.control, step.item);
    } else {
      ClickOn(w->*step.control);
    }
    EXPECT_EQ(Result(), Regional(step.result))
        << GetText(w->*step.control) << " " << (step.item ? step.item : "");
  }
  TypeInto(&M::FromValue1, "1");
  EXPECT_EQ(Result(), Regional("6.666 E-1 yd  ")) << "typing";
  ClickOn(w->ConvertButton);  // 1 mi 2 ft = 63,384 in
  EXPECT_EQ(Result(), Regional("6.338 E4 in  "));
}

struct KeyCase {
  Ref selector;
  const char* before;
  int caretLeft;  // key presses to the left from the end before typing
  const char* typed;
  const char* after;
};

TEST_F(ConversionTest, TypedCharactersAreFiltered) {
  const KeyCase cases[] = {
      {&M::LengthSelector, "12", 0, "-", "12"},
      {&M::LengthSelector, "12", 2, "-", "12"},
      {&M::LengthSelector, "", 0, "1,5", "1.5"},
      {&M::LengthSelector, "1.2", 0, ".3,", "1.23"},
      {&M::LengthSelector, "", 0, "/1a b", "1"},
      {&M::LengthSelector, ".", 0, "/5", ".5"},
      {&M::LengthSelector, "3/4", 0, "/5", "3/45"},
      {&M::TempSelector, "", 0, "-3", "-3"},
      {&M::TempSelector, "40", 0, "-", "-40"},
      {&M::TempSelector, "40", 1, "-", "-40"},
      // The sign goes in front and the caret to the end.
      {&M::TempSelector, "40", 2, "-5", "-405"},
      {&M::TempSelector, "-40", 0, "-", "-40"},
  };
  for (const KeyCase& c : cases) {
    ClickOn(w->*c.selector);
    ClickOn(w->ClearFromButton);
    TypeInto(&M::FromValue1, c.before);
    for (int i = 0; i < c.caretLeft; ++i) SendKey(kLeft);
    SendText(c.typed);
    Settle();
    EXPECT_EQ(GetText(w->FromValue1), c.after)
        << GetText(w->*c.selector) << ": " << c.typed << " into " << c.before;
  }
}

}  // namespace
}  // namespace ui::testing
