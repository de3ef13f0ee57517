#include "units/suggest.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <string_view>

#include "decimal/bignum.h"

namespace units {
namespace {

using Rows = std::array<int, TermCount>;

struct SuggestCase {
  const char* name;
  UnitSystem system;
  Category category;
  Quantity quantity;
  Rows expected;
};

class Suggestion : public ::testing::TestWithParam<SuggestCase> {};

TEST_P(Suggestion, ChoosesTheTargets) {
  const SuggestCase& c = GetParam();
  EXPECT_EQ(SuggestUnits(c.system, c.category, c.quantity), c.expected) << c.name;
}

constexpr auto Us = UnitSystem::Us;
constexpr auto Metric = UnitSystem::Metric;
// Length rows.
constexpr int Inches = 2, Feet = 3, Yards = 4, Miles = 5, Millimeters = 7, Centimeters = 8,
              Meters = 9, Kilometers = 10;

Quantity One(const char* value, int from) { return {{value, "", ""}, {from, 0, 0}, {0, 0, 0}}; }

const SuggestCase SuggestCases[] = {
    {"3 miles", Us, Category::Length, One("3", Miles), {Miles, 0, 0}},
    {"100 feet", Us, Category::Length, One("100", Feet), {Feet, Inches, 0}},
    {"300 feet", Us, Category::Length, One("300", Feet), {Yards, 0, 0}},
    {"5 inches", Us, Category::Length, One("5", Inches), {Inches, 0, 0}},
    {"a mile less half an inch", Us, Category::Length, One("63359.5", Inches), {Miles, 0, 0}},
    {"compound 63 inches",
     Us,
     Category::Length,
     {{"1", "2", "3"}, {Yards, Feet, Inches}, {0, 0, 0}},
     {Feet, Inches, 0}},
    {"fraction", Us, Category::Length, One("1/2", Miles), {Yards, 0, 0}},
    {"unfinished fraction", Us, Category::Length, One("3/", Miles), {0, 0, 0}},
    {"5 meters", Metric, Category::Length, One("5", Meters), {Meters, 0, 0}},
    {"50 centimeters", Metric, Category::Length, One("50", Centimeters), {Centimeters, 0, 0}},
    {"5 millimeters", Metric, Category::Length, One("5", Millimeters), {Millimeters, 0, 0}},
    {"3 miles metric", Metric, Category::Length, One("3", Miles), {Kilometers, 0, 0}},
    {"empty length", Us, Category::Length, One("", Feet), {0, 0, 0}},
    {"empty area", Us, Category::Area, One("", 3), {0, 0, 0}},
    {"empty weight", Us, Category::Weight, One("", 3), {2, 0, 0}},
    {"empty capacity metric", Metric, Category::Capacity, One("", 3), {8, 0, 0}},
    {"empty weight metric", Metric, Category::Weight, One("", 3), {6, 0, 0}},
    {"2 gallons", Us, Category::Capacity, One("2", 6), {6, 0, 0}},
    {"1 pint", Us, Category::Capacity, One("1", 4), {4, 0, 0}},
    {"1 deciliter metric", Metric, Category::Capacity, One("1", 10), {9, 0, 0}},
    {"1 kilogram", Us, Category::Weight, One("1", 8), {3, 0, 0}},
    {"1 pound metric", Metric, Category::Weight, One("1", 3), {7, 0, 0}},
    {"1 sq. foot metric", Metric, Category::Area, One("1", 3), {8, 0, 0}},
    {"1 hectare", Us, Category::Area, One("1", 15), {4, 0, 0}},
    {"temperature given", Us, Category::Temperature, One("20", Celsius), {Fahrenheit, 0, 0}},
    {"temperature metric", Metric, Category::Temperature, One("-3", Fahrenheit), {Celsius, 0, 0}},
    {"temperature empty", Us, Category::Temperature, One("", Celsius), {0, 0, 0}},
    {"tiny speed", Us, Category::Speed, One("0.001", 5), {4, 0, 0}},
    {"zero speed", Metric, Category::Speed, One("0", 5), {0, 0, 0}},
    {"paper", Us, Category::Paper, One("80", 1), {5, 0, 0}},
    {"paper metric", Metric, Category::Paper, One("20", 5), {1, 0, 0}},
    {"prefixes", Us, Category::Prefixes, One("5", 1), {0, 0, 0}},
};

INSTANTIATE_TEST_SUITE_P(Cases, Suggestion, ::testing::ValuesIn(SuggestCases));

// Each rule at its threshold, a hair below it and a hair above it, with
// every row of the answer: a threshold is where a flipped comparison or a
// wrong second row would show.
struct ThresholdCase {
  UnitSystem system;
  Category category;
  int from;
  const char* at;  // the quantity at the threshold, in the from unit
  Rows atRows, belowRows, aboveRows;
};

std::string Scaled(const char* value, const char* factor) {
  return decimal::BigMul(value, factor).value_or("bad");
}

TEST(Suggestion, ChoosesByEachThreshold) {
  using C = Category;
  // Rows of the tables (see units/catalogue.h).
  const ThresholdCase cases[] = {
      {Us, C::Length, Inches, "63359", {Miles, 0, 0}, {Yards, 0, 0}, {Miles, 0, 0}},
      {Us, C::Length, Feet, "250", {Yards, 0, 0}, {Feet, Inches, 0}, {Yards, 0, 0}},
      {Us, C::Length, Feet, "1", {Feet, Inches, 0}, {Inches, 0, 0}, {Feet, Inches, 0}},
      {Us, C::Length, Inches, "0", {0, 0, 0}, {0, 0, 0}, {Inches, 0, 0}},
      {Us, C::Area, 7, "1019680358400", {5, 0, 0}, {4, 0, 0}, {5, 0, 0}},
      {Us, C::Area, 7, "329184", {4, 0, 0}, {3, 0, 0}, {4, 0, 0}},
      {Us, C::Area, 8, "144", {3, 0, 0}, {2, 0, 0}, {3, 0, 0}},
      {Us, C::Area, 8, "0", {0, 0, 0}, {0, 0, 0}, {2, 0, 0}},
      {Us, C::Capacity, 8, "3785.411", {6, 0, 0}, {5, 0, 0}, {6, 0, 0}},
      {Us, C::Capacity, 8, "946.352", {5, 0, 0}, {4, 0, 0}, {5, 0, 0}},
      {Us, C::Capacity, 8, "473.176", {4, 0, 0}, {2, 0, 0}, {4, 0, 0}},
      {Us, C::Capacity, 8, "0", {0, 0, 0}, {0, 0, 0}, {2, 0, 0}},
      {Us, C::Weight, 7, "907184.73", {4, 0, 0}, {3, 0, 0}, {4, 0, 0}},
      {Us, C::Weight, 7, "453.592", {3, 0, 0}, {2, 0, 0}, {3, 0, 0}},
      {Us, C::Weight, 7, "0", {2, 0, 0}, {0, 0, 0}, {2, 0, 0}},
      {Metric, C::Length, Kilometers, "1", {Kilometers, 0, 0}, {Meters, 0, 0}, {Kilometers, 0, 0}},
      {Metric, C::Length, Meters, "1", {Meters, 0, 0}, {Centimeters, 0, 0}, {Meters, 0, 0}},
      {Metric, C::Length, Centimeters, "1", {Centimeters, 0, 0}, {Millimeters, 0, 0},
       {Centimeters, 0, 0}},
      {Metric, C::Length, Millimeters, "0", {0, 0, 0}, {0, 0, 0}, {Millimeters, 0, 0}},
      {Metric, C::Area, 10, "1", {10, 0, 0}, {9, 0, 0}, {10, 0, 0}},
      {Metric, C::Area, 9, "1", {9, 0, 0}, {8, 0, 0}, {9, 0, 0}},
      {Metric, C::Area, 8, "1", {8, 0, 0}, {7, 0, 0}, {8, 0, 0}},
      {Metric, C::Area, 7, "0", {0, 0, 0}, {0, 0, 0}, {7, 0, 0}},
      {Metric, C::Capacity, 11, "1", {11, 0, 0}, {9, 0, 0}, {11, 0, 0}},
      {Metric, C::Capacity, 9, "1", {9, 0, 0}, {8, 0, 0}, {9, 0, 0}},
      {Metric, C::Capacity, 8, "0", {8, 0, 0}, {0, 0, 0}, {8, 0, 0}},
      {Metric, C::Weight, 9, "1", {9, 0, 0}, {8, 0, 0}, {9, 0, 0}},
      {Metric, C::Weight, 8, "1", {8, 0, 0}, {7, 0, 0}, {8, 0, 0}},
      {Metric, C::Weight, 7, "1", {7, 0, 0}, {6, 0, 0}, {7, 0, 0}},
      {Metric, C::Weight, 7, "0", {6, 0, 0}, {0, 0, 0}, {6, 0, 0}},
      // Any quantity but none, either side of it.
      {Us, C::Speed, 5, "0", {0, 0, 0}, {4, 0, 0}, {4, 0, 0}},
      {Metric, C::Speed, 5, "0", {0, 0, 0}, {7, 0, 0}, {7, 0, 0}},
      {Us, C::Paper, 1, "0", {0, 0, 0}, {5, 0, 0}, {5, 0, 0}},
      {Metric, C::Paper, 5, "0", {0, 0, 0}, {1, 0, 0}, {1, 0, 0}},
  };
  for (const ThresholdCase& c : cases) {
    SCOPED_TRACE(std::string(CategoryName(c.category)) + " " + c.at +
                 (c.system == Us ? " US" : " metric"));
    // A zero threshold: a hair is a small amount either side of nothing.
    const bool zero = std::string_view(c.at) == "0";
    const std::string below = zero ? "-0.000001" : Scaled(c.at, "0.999999999");
    const std::string above = zero ? "0.000001" : Scaled(c.at, "1.000000001");
    EXPECT_EQ(SuggestUnits(c.system, c.category, One(c.at, c.from)), c.atRows);
    EXPECT_EQ(SuggestUnits(c.system, c.category, One(below.c_str(), c.from)), c.belowRows) << below;
    EXPECT_EQ(SuggestUnits(c.system, c.category, One(above.c_str(), c.from)), c.aboveRows) << above;
  }
}


TEST(ApproxNumber, ReadsNumbersOnly) {
  EXPECT_DOUBLE_EQ(ApproxNumber("1.5"), 1.5);
  EXPECT_DOUBLE_EQ(ApproxNumber(" -2.5e3 "), -2500);
  EXPECT_DOUBLE_EQ(ApproxNumber(".21286764513"), 0.21286764513);
  for (const char* text : {"", ".", "bad", "1,5", "1.5x", "inf", "nan", "0x10", "--1", "1e"}) {
    EXPECT_EQ(ApproxNumber(text), 0.0) << text;
  }
}

TEST(ApproxBaseTotal, SumsTheTerms) {
  const Quantity quantity{{"1", "1/2", "x"}, {Miles, Feet, Inches}, {0, 0, 0}};
  EXPECT_DOUBLE_EQ(ApproxBaseTotal(TableFor(Category::Length), quantity),
                   3425772674840.9472 + 648820582.35624 / 2);
}

}  // namespace
}  // namespace units
