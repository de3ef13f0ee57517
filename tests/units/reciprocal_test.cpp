// Fuel economy: liters per 100 km go the other way from miles per gallon
// and km per liter, so a value of them divides rather than multiplies.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>

#include "tests/units/exact_fraction.h"
#include "units/convert.h"

namespace units {
namespace {

using exact::Decimals;
using exact::Fraction;

constexpr int Mpg = 1, MpgImperial = 2, KmPerLiter = 3, LitersPer100Km = 4;

const platform::NumberSymbols Dot{".", ","};
const ResultOptions Initial{3, true, true, false};
const ResultOptions Cut30{30, false, false, false};
const ResultOptions Rounded30{30, true, false, false};

std::string FuelEconomy(std::string value, int from, int to, const ResultOptions& options) {
  const Quantity quantity{{std::move(value), "", ""}, {from, 0, 0}, {to, 0, 0}};
  return *Convert(Category::FuelEconomy, quantity, options, Dot);
}

// In km/L: a mile over a gallon of 231 cubic inches, or of 4.54609 L.
const Fraction Inch = Fraction::Of("0.0254");
const Fraction MileInKm = 63360 * Inch / 1000;
const Fraction MpgInKmPerL = MileInKm / (231 * Inch * Inch * Inch * 1000);
const Fraction ImperialMpgInKmPerL = MileInKm / Fraction::Of("4.54609");

struct ExactCase {
  const char* value;
  int from;
  int to;
  Fraction exact;
  const char* symbol;
};

void PrintTo(const ExactCase& c, std::ostream* out) {
  *out << c.value << " from row " << c.from << " to row " << c.to;
}

class ExactReciprocal : public ::testing::TestWithParam<ExactCase> {};

// One division of exact factors: the exact fraction's thirty places, cut
// and rounded.
TEST_P(ExactReciprocal, GivesTheExactDigits) {
  const ExactCase& c = GetParam();
  const std::string tail = std::string(" ") + c.symbol + "  ";
  EXPECT_EQ(FuelEconomy(c.value, c.from, c.to, Cut30), Decimals(c.exact, 30, false) + tail);
  EXPECT_EQ(FuelEconomy(c.value, c.from, c.to, Rounded30), Decimals(c.exact, 30, true) + tail);
}

const ExactCase ExactCases[] = {
    {"30", Mpg, LitersPer100Km, 100 / (30 * MpgInKmPerL), "L/100 km"},
    {"7.84", LitersPer100Km, Mpg, Fraction::Of(10000, 784) / MpgInKmPerL, "mpg"},
    {"7.84", LitersPer100Km, MpgImperial, Fraction::Of(10000, 784) / ImperialMpgInKmPerL,
     "mpg(imp)"},
    {"40", MpgImperial, LitersPer100Km, 100 / (40 * ImperialMpgInKmPerL), "L/100 km"},
    {"30", Mpg, MpgImperial, 30 * MpgInKmPerL / ImperialMpgInKmPerL, "mpg(imp)"},
    {"1/3", KmPerLiter, LitersPer100Km, Fraction::Of(300), "L/100 km"},
    {"5", LitersPer100Km, KmPerLiter, Fraction::Of(20), "km/L"},
    {"20", KmPerLiter, LitersPer100Km, Fraction::Of(5), "L/100 km"},
    {"6.5", LitersPer100Km, LitersPer100Km, Fraction::Of("6.5"), "L/100 km"},
    {"15", KmPerLiter, KmPerLiter, Fraction::Of(15), "km/L"},
};

INSTANTIATE_TEST_SUITE_P(FuelEconomy, ExactReciprocal, ::testing::ValuesIn(ExactCases));

struct EdgeCase {
  const char* value;
  int from;
  int to;
  const char* expected;
};

void PrintTo(const EdgeCase& c, std::ostream* out) {
  *out << "'" << c.value << "' from row " << c.from << " to row " << c.to;
}

class ReciprocalEdges : public ::testing::TestWithParam<EdgeCase> {};

TEST_P(ReciprocalEdges, GiveAClearAnswer) {
  const EdgeCase& c = GetParam();
  EXPECT_EQ(FuelEconomy(c.value, c.from, c.to, Initial), c.expected)
      << c.value << " from " << c.from << " to " << c.to;
}

const EdgeCase EdgeCases[] = {
    // The inverse of zero is no number.
    {"0", Mpg, LitersPer100Km, "Error"},
    {"0.000", Mpg, LitersPer100Km, "Error"},
    {"0", LitersPer100Km, Mpg, "Error"},
    {"0/5", LitersPer100Km, KmPerLiter, "Error"},
    // Zero on one side of the formula is zero.
    {"0", Mpg, KmPerLiter, "0 km/L  "},
    {"0", LitersPer100Km, LitersPer100Km, "0 L/100 km  "},
    // Not a number, or no unit: nothing to convert.
    {"", Mpg, LitersPer100Km, "Error"},
    {".", Mpg, LitersPer100Km, "Error"},
    {".", Mpg, KmPerLiter, "Error"},
    {"3/", Mpg, LitersPer100Km, "Error"},
    {"3/0", LitersPer100Km, Mpg, "Error"},
    {"1e5", Mpg, LitersPer100Km, "Error"},
    {"30", 0, LitersPer100Km, "Error"},
    {"30", Mpg, 0, "Error"},
    {"30", Mpg, 99, "Error"},
    {"30", -1, KmPerLiter, "Error"},
    // The ends of what a field holds.
    {"99999999999999999999999999999999999", Mpg, LitersPer100Km, "0 L/100 km  "},
    {"99999999999999999999999999999999999", LitersPer100Km, KmPerLiter, "0 km/L  "},
    {".0000000000000000000000000000000001", LitersPer100Km, KmPerLiter,
     "1,000,000,000,000,000,000,000,000,000,000,000,000 km/L  "},
    {"1", Mpg, LitersPer100Km, "235.215 L/100 km  "},
};

INSTANTIATE_TEST_SUITE_P(FuelEconomy, ReciprocalEdges, ::testing::ValuesIn(EdgeCases));

// x L/100 km converts as 100/x km/L, to every unit and with every option,
// for values whose 100/x ends.
TEST(Reciprocal, AnInverseValueIsAHundredOverIt) {
  const std::pair<std::string, std::string> pairs[] = {
      {"5", "20"},
      {"8", "12.5"},
      {".0625", "1600"},
      {"400", ".25"},
      {".0000000000000000000000000000000001", "1" + std::string(36, '0')}};
  for (const auto& [inverse, plain] : pairs) {
    for (const int to : {Mpg, MpgImperial, KmPerLiter}) {
      for (const ResultOptions& options : {Initial, Cut30, Rounded30}) {
        EXPECT_EQ(FuelEconomy(inverse, LitersPer100Km, to, options),
                  FuelEconomy(plain, KmPerLiter, to, options))
            << inverse << " to " << to;
      }
    }
  }
}

TEST(Reciprocal, OnlyTheFirstValueCounts) {
  const Quantity second{{"", "30", ""}, {0, Mpg, 0}, {LitersPer100Km, 0, 0}};
  EXPECT_EQ(Convert(Category::FuelEconomy, second, Initial, Dot), "Error");
  const Quantity both{{"20", "30", "40"}, {KmPerLiter, Mpg, Mpg}, {LitersPer100Km, Mpg, Mpg}};
  EXPECT_EQ(Convert(Category::FuelEconomy, both, Initial, Dot), "5 L/100 km  ");
}

TEST(Reciprocal, ExponentFormShowsATinyInverse) {
  EXPECT_EQ(FuelEconomy(std::string(35, '9'), Mpg, LitersPer100Km, {3, true, false, true}),
            "2.352 E-33 L/100 km  ");
}

}  // namespace
}  // namespace units
