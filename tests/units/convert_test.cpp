#include "units/convert.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "decimal/bignum.h"

namespace units {
namespace {

const platform::NumberSymbols Dot{".", ","};

// Length rows.
constexpr int Inches = 2, Feet = 3, Yards = 4, Miles = 5, Millimeters = 7, Meters = 9,
              Kilometers = 10, Heading = 1, Blank = 6, Angstroms = 13, LightYears = 32,
              FeetInList = 24, SurveyFeet = 25, Perches = 44, Poles = 48, Rods = 49, AtaPoints = 45;
// Paper rows.
constexpr int GramsPerSqMeter = 1, Bond = 5, Ledger = 15, Writing = 33;

ResultOptions Options(int places, bool roundUp, bool separators, bool exponent) {
  return {places, roundUp, separators, exponent};
}
const ResultOptions Initial = Options(3, true, true, false);

struct LinearCase {
  const char* name;
  Category category;
  Quantity quantity;
  ResultOptions options;
  const char* expected;
};

class LinearConversion : public ::testing::TestWithParam<LinearCase> {};

TEST_P(LinearConversion, GivesTheResultText) {
  const LinearCase& c = GetParam();
  EXPECT_EQ(Convert(c.category, c.quantity, c.options, Dot), std::string(c.expected)) << c.name;
}

const LinearCase LinearCases[] = {
    {"compound input", Category::Length, {{"1", "2", "3"}, {Yards, Feet, Inches}, {Meters, 0, 0}},
     Initial, "1.6 m  "},
    {"two targets", Category::Length, {{"100", "", ""}, {Inches, 0, 0}, {Inches, Feet, 0}},
     Initial, "8 ft  4 in  "},
    {"two targets in other lists", Category::Length,
     {{"100", "", ""}, {Inches, 0, 0}, {0, Feet, Inches}}, Initial, "8 ft  4 in  "},
    {"two targets padded", Category::Length,
     {{"100", "", ""}, {Inches, 0, 0}, {Feet, 0, Inches}}, Options(3, false, true, false),
     "8.000 ft  4.000 in  "},
    {"grouping", Category::Length, {{"1234567", "", ""}, {Meters, 0, 0}, {Millimeters, 0, 0}},
     Initial, "1,234,567,000 mm  "},
    {"exponent", Category::Length, {{"1", "", ""}, {Kilometers, 0, 0}, {Meters, 0, 0}},
     Options(3, true, true, true), "1.000 E3 m  "},
    {"whole parts in exponent form", Category::Length,
     {{"100", "", ""}, {Inches, 0, 0}, {Inches, Feet, 0}}, Options(3, true, true, true),
     "8.000 E0 ft  4.000 E0 in  "},
    {"light year", Category::Length, {{"1", "", ""}, {LightYears, 0, 0}, {Meters, 0, 0}},
     Initial, "9,460,730,472,580,800 m  "},
    {"angstrom cut to zero", Category::Length, {{"1", "", ""}, {Angstroms, 0, 0}, {Meters, 0, 0}},
     Initial, "0 m  "},
    {"angstrom in exponent form", Category::Length,
     {{"1", "", ""}, {Angstroms, 0, 0}, {Meters, 0, 0}}, Options(3, true, true, true),
     "1.000 E-10 m  "},
    {"paper basis weight", Category::Paper,
     {{"20", "", ""}, {Bond, 0, 0}, {GramsPerSqMeter, 0, 0}}, Initial, "75.195 g/m²  "},
    {"three targets", Category::Length, {{"1", "", ""}, {Miles, 0, 0}, {Yards, Feet, Inches}},
     Initial, "1,760 yd  0 ft  0 in"},
    {"three targets with a rest", Category::Length,
     {{"100", "", ""}, {Inches, 0, 0}, {Inches, Yards, Feet}}, Initial, "2 yd  2 ft  4 in"},
    {"all fields empty", Category::Length, {{"", "", ""}, {Meters, 0, 0}, {Meters, 0, 0}},
     Initial, "Error"},
    {"empty fields in disabled terms still count", Category::Paper,
     {{"", "", "5"}, {Bond, 0, 0}, {GramsPerSqMeter, 0, 0}}, Initial, "0 g/m²  "},
    {"no from-unit counts as zero", Category::Length,
     {{"5", "", ""}, {0, 0, 0}, {Meters, 0, 0}}, Initial, "0 m  "},
    {"unfinished fraction counts as zero", Category::Length,
     {{"3/", "", ""}, {Feet, 0, 0}, {Inches, 0, 0}}, Initial, "0 in  "},
    {"zero denominator counts as zero", Category::Length,
     {{"3/0", "2", ""}, {Feet, Feet, 0}, {Inches, 0, 0}}, Initial, "24 in  "},
    {"lone point counts as zero", Category::Length, {{".", "", ""}, {Feet, 0, 0}, {Inches, 0, 0}},
     Initial, "0 in  "},
    {"no target", Category::Length, {{"1", "", ""}, {Feet, 0, 0}, {0, Heading, Blank}}, Initial,
     "Error"},
    {"heading as target is no unit", Category::Length,
     {{"1", "", ""}, {Feet, 0, 0}, {Heading, Inches, 0}}, Initial, "12 in  "},
    {"same unit twice", Category::Length, {{"5.5", "", ""}, {Feet, 0, 0}, {Feet, Feet, 0}},
     Initial, "5 ft  0.5 ft  "},
    {"same unit from both groups", Category::Length,
     {{"7", "", ""}, {FeetInList, 0, 0}, {Inches, 0, 0}}, Initial, "84 in  "},
    {"fraction cut to forty characters", Category::Length,
     {{"1/3", "", ""}, {Yards, 0, 0}, {Feet, 0, 0}}, Options(30, false, false, false),
     "0.999999999999999999999999999999 ft  "},
    {"fraction rounded up", Category::Length, {{"1/3", "", ""}, {Yards, 0, 0}, {Feet, 0, 0}},
     Options(30, true, false, false), "1 ft  "},
    {"integer factor keeps its point", Category::Length,
     {{"1", "", ""}, {SurveyFeet, 0, 0}, {SurveyFeet, Meters, 0}}, Initial, "0 m  1 ft(s)  "},
    {"perches to poles", Category::Length, {{"7", "", ""}, {Perches, 0, 0}, {Poles, 0, 0}},
     Options(30, false, false, false), "7.000000000000000000000000000000 po  "},
    {"poles to rods", Category::Length, {{"1", "", ""}, {Poles, 0, 0}, {Rods, 0, 0}}, Initial,
     "1 rd  "},
    {"paper types of one size", Category::Paper, {{"1", "", ""}, {Ledger, 0, 0}, {Writing, 0, 0}},
     Initial, "1 lb  "},
};

INSTANTIATE_TEST_SUITE_P(Cases, LinearConversion, ::testing::ValuesIn(LinearCases));

// Rounding the last part up to a whole unit of the part before it gives
// that unit to it, down the line; leading zero units stay.
const LinearCase CarryCases[] = {
    {"inches into a foot",
     Category::Length,
     {{"71.9999", "", ""}, {Inches, 0, 0}, {Feet, Inches, 0}},
     Initial,
     "6 ft  0 in  "},
    {"no places",
     Category::Length,
     {{"35.99", "", ""}, {Inches, 0, 0}, {Feet, Inches, 0}},
     Options(0, true, true, false),
     "3 ft  0 in  "},
    {"yards into a mile",
     Category::Length,
     {{"1759.9999", "", ""}, {Yards, 0, 0}, {Miles, Yards, 0}},
     Options(2, true, true, false),
     "1 mi  0 yd  "},
    {"inches into feet into a yard",
     Category::Length,
     {{"35.9999", "", ""}, {Inches, 0, 0}, {Yards, Feet, Inches}},
     Initial,
     "1 yd  0 ft  0 in"},
    {"inches into a foot below yards",
     Category::Length,
     {{"47.9999", "", ""}, {Inches, 0, 0}, {Yards, Feet, Inches}},
     Initial,
     "1 yd  1 ft  0 in"},
    {"across sizes that do not divide",
     Category::Length,
     {{"0.99999", "", ""}, {Meters, 0, 0}, {Meters, Feet, 0}},
     Initial,
     "1 m  0 ft  "},
    {"same unit twice",
     Category::Length,
     {{"5.9999", "", ""}, {Feet, 0, 0}, {Feet, Feet, 0}},
     Initial,
     "6 ft  0 ft  "},
    {"in exponent form",
     Category::Length,
     {{"71.9999", "", ""}, {Inches, 0, 0}, {Feet, Inches, 0}},
     Options(3, true, true, true),
     "6.000 E0 ft  0.000 E0 in  "},
    {"padded zero when cut",
     Category::Length,
     {{"71.99999", "", ""}, {Inches, 0, 0}, {Feet, Inches, 0}},
     Options(3, false, true, false),
     "5.000 ft  11.999 in  "},
    {"leading zero unit stays",
     Category::Length,
     {{"5", "", ""}, {Inches, 0, 0}, {Feet, Inches, 0}},
     Initial,
     "0 ft  5 in  "},
    {"just below the rounding",
     Category::Length,
     {{"71.9994", "", ""}, {Inches, 0, 0}, {Feet, Inches, 0}},
     Initial,
     "5 ft  11.999 in  "},
    {"exactly a whole unit",
     Category::Length,
     {{"72", "", ""}, {Inches, 0, 0}, {Feet, Inches, 0}},
     Initial,
     "6 ft  0 in  "},
};

INSTANTIATE_TEST_SUITE_P(Carry, LinearConversion, ::testing::ValuesIn(CarryCases));

struct TemperatureCase {
  const char* value;
  int from;
  int to;
  ResultOptions options;
  const char* expected;
};

class TemperatureConversion : public ::testing::TestWithParam<TemperatureCase> {};

TEST_P(TemperatureConversion, GivesTheResultText) {
  const TemperatureCase& c = GetParam();
  const Quantity quantity{{c.value, "", ""}, {c.from, 0, 0}, {c.to, 0, 0}};
  EXPECT_EQ(Convert(Category::Temperature, quantity, c.options, Dot), std::string(c.expected))
      << c.value << " from " << c.from << " to " << c.to;
}

const TemperatureCase TemperatureCases[] = {
    {"100", Celsius, Fahrenheit, Initial, "212 F"},
    {"100", Celsius, Fahrenheit, Options(3, false, true, false), "212.000 F"},
    {"98.6", Fahrenheit, Celsius, Initial, "37 C"},
    {"0", Celsius, Kelvin, Initial, "273.15 K"},
    {"-40", Fahrenheit, Celsius, Initial, "-40 C"},
    {"0", Kelvin, Fahrenheit, Initial, "-459.67 F"},
    {"1", Fahrenheit, Celsius, Initial, "-17.222 C"},
    {"1", Fahrenheit, Kelvin, Initial, "255.928 K"},
    {"300", Kelvin, Celsius, Initial, "26.85 C"},
    {"1/2", Celsius, Fahrenheit, Initial, "32.9 F"},
    {"5", Celsius, Celsius, Initial, "5 C"},
    {"", Celsius, Celsius, Initial, "0 C"},
    {".", Kelvin, Kelvin, Options(3, false, true, false), "0.000 K"},
    {"", Fahrenheit, Fahrenheit, Options(3, true, true, true), "0.000 E0 F"},
    {"1000", Celsius, Kelvin, Initial, "1,273.15 K"},
    {"3/", Celsius, Celsius, Initial, "Error"},
    {"3/0", Celsius, Fahrenheit, Initial, "Error"},
    {"", Celsius, Fahrenheit, Initial, "Error"},
    {".", Celsius, Kelvin, Initial, "Error"},
    {"-", Celsius, Celsius, Initial, "0 C"},
    {"12abc", Celsius, Celsius, Initial, "Error"},
    {"1.2.3", Kelvin, Kelvin, Initial, "Error"},
    {"1e5", Celsius, Fahrenheit, Initial, "Error"},
    {"25", 0, Fahrenheit, Initial, ""},
    {"25", Celsius, 0, Initial, ""},
    {"25", Celsius, 7, Initial, ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, TemperatureConversion, ::testing::ValuesIn(TemperatureCases));

TEST(Convert, LeavesThePrefixesFieldUnchanged) {
  const Quantity quantity{{"1", "", ""}, {Meters, 0, 0}, {Meters, 0, 0}};
  EXPECT_EQ(Convert(Category::Prefixes, quantity, Initial, Dot), std::nullopt);
}

TEST(Convert, UsesTheRegionalSymbols) {
  const Quantity quantity{{"1234.5", "", ""}, {Meters, 0, 0}, {Meters, 0, 0}};
  const platform::NumberSymbols german{",", "."};
  const platform::NumberSymbols swiss{".", "\u2019"};
  EXPECT_EQ(Convert(Category::Length, quantity, Initial, german), "1.234,5 m  ");
  EXPECT_EQ(Convert(Category::Length, quantity, Initial, swiss), "1\u2019234.5 m  ");
}

// A whole part too long to multiply back by its factor fails the second part
// only; a good-looking first part must not hide that.
TEST(Convert, ReportsAFailedInnerPartAsError) {
  const Quantity quantity{{std::string(220, '9'), "", ""}, {LightYears, 0, 0},
                          {Angstroms, AtaPoints, 0}};
  EXPECT_EQ(Convert(Category::Length, quantity, Initial, Dot), "Error");
}

}  // namespace
}  // namespace units

namespace units {
namespace {

// Real units of a factor table, each size once, smallest first.
std::vector<int> UnitsBySize(UnitTable table) {
  std::vector<int> rows;
  for (int row = 1; row < static_cast<int>(table.size()); ++row) {
    const std::string_view factor = table[static_cast<std::size_t>(row)].Factor;
    const bool seen = std::any_of(rows.begin(), rows.end(), [&](int r) {
      return table[static_cast<std::size_t>(r)].Factor == factor;
    });
    if (factor != "0" && !seen) rows.push_back(row);
  }
  // Sorted by value, not by text: "10" is above "9".
  std::sort(rows.begin(), rows.end(), [&](int a, int b) {
    const auto difference = decimal::BigSub(table[static_cast<std::size_t>(a)].Factor,
                                            table[static_cast<std::size_t>(b)].Factor);
    return difference && difference->front() == '-';
  });
  return rows;
}

// Just below a whole unit of the larger of two targets, given in a third
// unit as the quotient of the factors cut to 20 decimals: the last part's
// quotient has no end and rounds up to a whole larger unit in the option
// sets that round, so the carry runs in every category, with exponent form
// on and off.
std::string JustBelow(std::string_view size, std::string_view unit) {
  std::string value = decimal::BigDiv(size, unit).value_or("0");
  const std::size_t point = value.find('.');
  if (point != std::string::npos) value.resize(std::min(value.size(), point + 21));
  return value;
}

TEST(Convert, CarriesAWholeUnitAtEveryBoundary) {
  int checked = 0;
  for (const CategoryInfo& info : AllCategories()) {
    if (!info.Measured || info.Id == Category::Temperature || info.TargetUnits < 2) continue;
    const std::vector<int> rows = UnitsBySize(info.Table);
    const auto factor = [&](int row) { return info.Table[static_cast<std::size_t>(row)].Factor; };
    for (std::size_t i = 0; i + 1 < rows.size(); ++i) {
      const int small = rows[i], large = rows[i + 1];
      for (int given : {rows.front(), rows[rows.size() / 2], rows.back()}) {
        const std::string value = JustBelow(factor(large), factor(given));
        for (int places : {0, 3, 30}) {
          for (bool roundUp : {true, false}) {
            for (bool exponent : {false, true}) {
              const Quantity quantity{{value, "", ""}, {given, 0, 0}, {large, small, 0}};
              const ResultOptions options = Options(places, roundUp, true, exponent);
              EXPECT_TRUE(ConvertToParts(info.Id, quantity, options).has_value())
                  << info.Name << ": " << value << " of row " << given << " to rows " << large
                  << " and " << small << ", places " << places << ", round " << roundUp << ", exp "
                  << exponent;
              ++checked;
            }
          }
        }
      }
    }
  }
  EXPECT_GT(checked, 3000);
}

}  // namespace
}  // namespace units
