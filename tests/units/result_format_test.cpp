#include "units/result_format.h"

#include <gtest/gtest.h>

#include <string>

#include "decimal/bignum.h"
#include "tests/decimal/operand_maker.h"

namespace units {
namespace {

ResultOptions Options(int places, bool roundUp, bool separators = true, bool exponent = false) {
  return {places, roundUp, separators, exponent};
}

struct RoundCase {
  const char* text;
  int places;
  bool keepForExponent;
  ResultOptions options;
  const char* expected;
};

class Rounding : public ::testing::TestWithParam<RoundCase> {};

TEST_P(Rounding, CutsToThePlaces) {
  const RoundCase& c = GetParam();
  EXPECT_EQ(RoundToPlaces(c.text, c.places, c.keepForExponent, c.options), c.expected)
      << c.text << " to " << c.places;
}

const RoundCase RoundCases[] = {
    {"2.71828", 3, false, Options(3, true), "2.718"},
    {"2.71828", 3, false, Options(3, false), "2.718"},
    {"2.7185", 3, false, Options(3, true), "2.719"},
    {"2.7185", 3, false, Options(3, false), "2.718"},
    {"2.71849999", 3, false, Options(3, true), "2.718"},  // only the next digit decides
    {"-17.2225", 3, false, Options(3, true), "-17.223"},
    {"8.99", WholePart, false, Options(3, true), "8"},
    {".4", WholePart, false, Options(3, true), "0"},
    {"-.4", WholePart, false, Options(3, true), "-0"},
    {"9.9996", 3, false, Options(3, true), "10.000"},
    {"12.5", 0, false, Options(0, true), "13."},
    {"12.4", 0, false, Options(0, true), "12."},
    {"-0.0004", 3, false, Options(3, false), "-.000"},
    {"007.50", 1, false, Options(1, true), "7.5"},
    {"", 3, false, Options(3, true), "0"},
    {"1234", 3, false, Options(3, true), "1234"},
    {"2.71828", 3, false, Options(3, true, true, true), "2.71828"},  // left for the mantissa
    {"2.71828", 3, true, Options(3, true, true, true), "2.718"},
    {"2.71828", WholePart, false, Options(3, true, true, true), "2"},
    {"1.5", 99, false, Options(3, true), "1.5"},  // out-of-range places are clamped
};

INSTANTIATE_TEST_SUITE_P(Cases, Rounding, ::testing::ValuesIn(RoundCases));

// Rounding adds to the first 250 characters only, so a long quotient keeps
// its length limit and still rounds correctly.
TEST(Rounding, RoundsAFullLengthQuotient) {
  const std::string third = "." + std::string(254, '6');
  const std::string expected = "." + std::string(29, '6') + "7";
  EXPECT_EQ(RoundToPlaces(third, 30, false, Options(30, true)), expected);
}

// Rounding up a long whole part can need more room than the arithmetic
// has; the cut alone never does.
TEST(Rounding, FailsWhenRoundingUpOverflowsTheArithmetic) {
  const std::string text = std::string(240, '1') + "." + std::string(14, '5');
  EXPECT_EQ(RoundToPlaces(text, 13, false, Options(13, true)), std::nullopt);
  EXPECT_EQ(RoundToPlaces(text, 13, false, Options(13, false)),
            std::string(240, '1') + "." + std::string(13, '5'));
}

// Convert takes the whole number of a larger unit from the whole quotient,
// which must be what cutting the full quotient to its whole part gives, in
// every form ("-0", "5", a whole part at the length limit).
TEST(Rounding, TheWholePartOfAQuotientIsTheWholeQuotient) {
  decimal::OperandMaker maker(5);
  for (int i = 0; i < 5000; ++i) {
    const std::string a = maker.Next();
    const std::string b = maker.Next();
    const auto quotient = decimal::BigDiv(a, b);
    const auto whole = decimal::BigDiv(a, b, false, true);
    ASSERT_EQ(quotient.has_value(), whole.has_value()) << a << " / " << b;
    if (!quotient) continue;
    for (const bool exponent : {false, true}) {
      EXPECT_EQ(RoundToPlaces(*quotient, WholePart, false, Options(3, true, false, exponent)),
                whole)
          << a << " / " << b;
    }
  }
}

struct FormatCase {
  const char* text;
  ResultOptions options;
  platform::NumberSymbols symbols;
  const char* expected;
};

class Formatting : public ::testing::TestWithParam<FormatCase> {};

TEST_P(Formatting, WritesTheDisplayText) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatResult(c.text, c.options, c.symbols), c.expected) << c.text;
}

const platform::NumberSymbols Dot{".", ","};
const platform::NumberSymbols Comma{",", "."};
const platform::NumberSymbols NarrowSpace{",", "\u202F"};

const FormatCase FormatCases[] = {
    {"1234567.891", Options(3, true), Dot, "1,234,567.891"},
    {"1234567.891", Options(3, true, false), Dot, "1234567.891"},
    {"1.23457", Options(5, true), Dot, "1.234,57"},
    {"1.23457", Options(5, true), Comma, "1,234.57"},
    {"1.5", Options(3, true), Dot, "1.5"},
    {"1.5", Options(3, false), Dot, "1.500"},
    {"12.", Options(0, true), Dot, "12"},
    {"0", Options(3, true), Dot, "0"},
    {"0", Options(3, false), Dot, "0.000"},
    {"0", Options(3, true, true, true), Dot, "0.000 E0"},
    {"-0", Options(3, true), Dot, "0"},
    {"0.0", Options(3, true, true, true), Dot, "0.000 E0"},
    {"-000.00", Options(2, false, true, true), Dot, "-0.00 E0"},  // like "-0"
    {"000", Options(0, false), Dot, "0"},
    {"-.000", Options(3, false), Dot, "-0.000"},
    {".5", Options(3, true), Dot, "0.5"},
    {"", Options(3, true), Dot, "0"},
    {".", Options(3, true), Dot, "0"},
    {"-", Options(3, true), Dot, "0"},
    {"-1234.5", Options(3, true), Dot, "-1,234.5"},
    {"123", Options(3, true), Dot, "123"},
    {"1234", Options(3, true), Dot, "1,234"},
    {"1000", Options(3, true, true, true), Dot, "1.000 E3"},
    {".00123", Options(3, true, true, true), Dot, "1.230 E-3"},
    {"9.9996", Options(3, true, true, true), Dot, "1.000 E1"},
    {"9.9996", Options(3, false, true, true), Dot, "9.999 E0"},
    {"123456.789", Options(6, true, true, true), Dot, "1.234 568 E5"},
    {"-0.5", Options(2, true, true, true), Dot, "-5.00 E-1"},
    {"99999.5", Options(0, true, true, true), Dot, "1 E5"},
    {"1234567.25", Options(3, true), NarrowSpace, "1\u202F234\u202F567,25"},
    {"0.1234567", Options(7, true), NarrowSpace, "0,123\u202F456\u202F7"},
    {"1.2345", Options(4, true, true, true), NarrowSpace, "1,234 5 E0"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Formatting, ::testing::ValuesIn(FormatCases));

}  // namespace
}  // namespace units
