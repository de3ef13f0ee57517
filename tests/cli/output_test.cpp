#include "cli/output.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// The result options on negative results: the sign stays in front of the
// grouped digits and the scientific form, and an exact zero has none.
// (Only temperatures are negative; the window converts below absolute zero,
// so whole parts of four digits and more occur.)
TEST(Output, WritesNegativeResultsInEveryForm) {
  struct Case {
    const char* value;  // as the engine cuts it
    units::ResultOptions options;
    platform::NumberSymbols symbols;
    bool window;
    const char* text;
  };
  const platform::NumberSymbols dot{".", ","};
  const platform::NumberSymbols german{",", "."};
  const units::ResultOptions plain{3, true, false, false};
  const units::ResultOptions grouped{3, true, true, false};
  const units::ResultOptions cut{3, false, true, false};
  const units::ResultOptions exponent{3, true, true, true};
  const Case cases[] = {
      {"-1234567.891", plain, dot, false, "-1234567.891 C"},
      {"-1234567.891", grouped, dot, false, "-1,234,567.891 C"},
      {"-123.4", grouped, dot, false, "-123.4 C"},
      {"-1000", grouped, dot, false, "-1,000 C"},
      {"-100", grouped, dot, false, "-100 C"},
      {"-1234.5", grouped, german, false, "-1.234,5 C"},
      {"-12.500", cut, dot, false, "-12.5 C"},
      {"-1234.000", cut, dot, false, "-1,234 C"},
      {"-0", grouped, dot, false, "0 C"},
      {"-.5", grouped, dot, false, "-0.5 C"},
      {"-1234.5", exponent, dot, false, "-1.235 E3 C"},
      {"-.00123", exponent, dot, false, "-1.230 E-3 C"},
      {"-1234.5678", {4, true, true, false}, german, true, "-1.234,567.8 C"},
      {"-1234.5", {3, false, true, false}, german, true, "-1.234,500 C"},
      {"-273.15", grouped, dot, true, "-273.15 C"},
  };
  for (const Case& c : cases) {
    cli::OutputForm form;
    form.options = c.options;
    form.symbols = c.symbols;
    form.window = c.window;
    const units::ResultParts parts{{c.value, units::Celsius}};
    EXPECT_EQ(cli::PartsText(units::Category::Temperature, parts, form), c.text)
        << c.value << (c.window ? " as the window" : "");
  }
}

}  // namespace
