#include "units/suggest.h"

#include <gtest/gtest.h>

#include <array>

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
