// The command line's own tables, checked against the definitions of their
// units: every row as an exact fraction of its category's SI unit, the
// radian against a long π, and conversions to thirty places.
#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "decimal/bignum.h"
#include "tests/units/exact_fraction.h"
#include "units/catalogue.h"
#include "units/convert.h"
#include "units/value_input.h"

namespace units {
namespace {

using exact::Decimals;
using exact::Fraction;

constexpr Category CommandLineCategories[] = {
    Category::Time,  Category::Energy, Category::Power, Category::Pressure,
    Category::Force, Category::Angle,  Category::Data,  Category::FuelEconomy};

Fraction Of(std::string_view decimal) { return Fraction::Of(decimal); }
Fraction Whole(exact::Wide n) { return Fraction::Of(n); }

// The defining values, exact, in SI units.
const Fraction Inch = Of("0.0254");                                  // m
const Fraction Foot = 12 * Inch;                                     // m
const Fraction Mile = 5280 * Foot;                                   // m
const Fraction Pound = Of("0.45359237");                             // kg
const Fraction Gravity = Of("9.80665");                              // m/s², standard
const Fraction PoundForce = Pound * Gravity;                         // N
const Fraction Atmosphere = Whole(101325);                           // Pa
const Fraction Day = Whole(24 * 60 * 60);                            // s
const Fraction CalorieTh = Of("4.184");                              // J
const Fraction CalorieIt = Of("4.1868");                             // J
const Fraction Electronvolt = Of("0.0000000000000000001602176634");  // J
// A BTU warms a pound of water by a degree Fahrenheit (5/9 K) as a
// calorie warms a gram by a kelvin.
const Fraction Fahrenheit = Fraction::Of(5, 9);  // K
const Fraction BtuIt = CalorieIt * 1000 * Pound * Fahrenheit;
const Fraction BtuTh = CalorieTh * 1000 * Pound * Fahrenheit;
const Fraction FootPound = Foot * PoundForce;               // J
const Fraction MercuryDensity = Of("13595.1");              // kg/m³, conventional
const Fraction WaterDensity = Whole(1000);                  // kg/m³, conventional
const Fraction UsGallon = 231 * Inch * Inch * Inch * 1000;  // L
const Fraction ImperialGallon = Of("4.54609");              // L

Fraction Power10(int exponent) {
  Fraction f = Whole(1);
  for (int i = 0; i < (exponent < 0 ? -exponent : exponent); ++i) f = 10 * f;
  return exponent < 0 ? Whole(1) / f : f;
}

Fraction Power2(int exponent) { return Whole(exact::Wide{1} << exponent); }

struct Defined {
  std::string_view name;
  Fraction size;  // in the category's unit below
};

struct Definitions {
  Category category;
  std::string_view unit;  // the row of size 1
  std::vector<Defined> rows;
};

void PrintTo(const Definitions& d, std::ostream* out) { *out << CategoryName(d.category); }

std::vector<Definitions> AllDefinitions() {
  const Fraction julianYear = 36525 * Day / 100;
  return {
      {Category::Time,
       "seconds",
       {{"femtoseconds", Power10(-15)},
        {"picoseconds", Power10(-12)},
        {"nanoseconds", Power10(-9)},
        {"microseconds", Power10(-6)},
        {"milliseconds", Power10(-3)},
        {"seconds", Whole(1)},
        {"minutes", Whole(60)},
        {"hours", Whole(3600)},
        {"days", Day},
        {"weeks", 7 * Day},
        {"fortnights", 14 * Day},
        {"months", julianYear / 12},
        {"years (Julian)", julianYear},
        {"years (Gregorian)", 3652425 * Day / 10000},
        {"years (common)", 365 * Day}}},
      {Category::Energy,
       "joules",
       {{"millijoules", Power10(-3)},
        {"joules", Whole(1)},
        {"kilojoules", Power10(3)},
        {"megajoules", Power10(6)},
        {"gigajoules", Power10(9)},
        {"watt-hours", Whole(3600)},
        {"kilowatt-hours", 3600 * Power10(3)},
        {"megawatt-hours", 3600 * Power10(6)},
        {"gigawatt-hours", 3600 * Power10(9)},
        {"calories (thermochemical)", CalorieTh},
        {"calories (IT)", CalorieIt},
        {"kilocalories (thermochemical)", 1000 * CalorieTh},
        {"kilocalories (IT)", 1000 * CalorieIt},
        {"Calories (food)", 1000 * CalorieTh},
        {"British thermal units (IT)", BtuIt},
        {"British thermal units (thermochemical)", BtuTh},
        {"therms (US)", Whole(105480400)},
        {"therms (EC)", Whole(105506000)},
        {"electronvolts", Electronvolt},
        {"kiloelectronvolts", Electronvolt * Power10(3)},
        {"megaelectronvolts", Electronvolt * Power10(6)},
        {"gigaelectronvolts", Electronvolt * Power10(9)},
        {"foot-pounds force", FootPound},
        {"ergs", Power10(-7)}}},
      {Category::Power,
       "watts",
       {{"milliwatts", Power10(-3)},
        {"watts", Whole(1)},
        {"kilowatts", Power10(3)},
        {"megawatts", Power10(6)},
        {"gigawatts", Power10(9)},
        {"horsepower (mechanical)", 550 * FootPound},
        {"horsepower (metric)", 75 * Gravity},  // 75 kgf·m/s
        {"horsepower (electric)", Whole(746)},
        {"BTU per hour", BtuIt / 3600},
        {"foot-pounds force per second", FootPound},
        {"ergs per second", Power10(-7)}}},
      {Category::Pressure,
       "pascals",
       {{"pascals", Whole(1)},
        {"hectopascals", Power10(2)},
        {"kilopascals", Power10(3)},
        {"megapascals", Power10(6)},
        {"gigapascals", Power10(9)},
        {"millibars", Power10(2)},
        {"bars", Power10(5)},
        {"atmospheres (standard)", Atmosphere},
        {"atmospheres (technical)", Gravity / Power10(-4)},  // kgf/cm²
        {"torr", Atmosphere / 760},
        {"millimeters of mercury", MercuryDensity * Gravity * Power10(-3)},
        {"inches of mercury", MercuryDensity * Gravity * Inch},
        {"inches of water", WaterDensity * Gravity * Inch},
        {"pounds per sq. inch", PoundForce / (Inch * Inch)},
        {"kilopounds per sq. inch", 1000 * PoundForce / (Inch * Inch)}}},
      {Category::Force,
       "newtons",
       {{"millinewtons", Power10(-3)},
        {"newtons", Whole(1)},
        {"kilonewtons", Power10(3)},
        {"meganewtons", Power10(6)},
        {"pounds force", PoundForce},
        {"kilograms force", Gravity},
        {"dynes", Power10(-5)},
        {"poundals", Pound * Foot}}},
      // The radian, 1/2π turn, is checked against π below.
      {Category::Angle,
       "turns",
       {{"degrees", Fraction::Of(1, 360)},
        {"arcminutes", Fraction::Of(1, 360 * 60)},
        {"arcseconds", Fraction::Of(1, 360 * 3600)},
        {"gradians", Fraction::Of(1, 400)},
        {"turns", Whole(1)}}},
      {Category::Data,
       "bits",
       {{"bits", Whole(1)},
        {"kilobits", Power10(3)},
        {"megabits", Power10(6)},
        {"gigabits", Power10(9)},
        {"terabits", Power10(12)},
        {"petabits", Power10(15)},
        {"kibibits", Power2(10)},
        {"mebibits", Power2(20)},
        {"gibibits", Power2(30)},
        {"tebibits", Power2(40)},
        {"pebibits", Power2(50)},
        {"bytes", Whole(8)},
        {"kilobytes", 8 * Power10(3)},
        {"megabytes", 8 * Power10(6)},
        {"gigabytes", 8 * Power10(9)},
        {"terabytes", 8 * Power10(12)},
        {"petabytes", 8 * Power10(15)},
        {"kibibytes", 8 * Power2(10)},
        {"mebibytes", 8 * Power2(20)},
        {"gibibytes", 8 * Power2(30)},
        {"tebibytes", 8 * Power2(40)},
        {"pebibytes", 8 * Power2(50)}}},
      // An inverse row's size is that of its value 1: 1 L/100 km is
      // 100 km/L.
      {Category::FuelEconomy,
       "kilometers per liter",
       {{"miles per gallon (US)", Mile / 1000 / UsGallon},
        {"miles per gallon (imperial)", Mile / 1000 / ImperialGallon},
        {"kilometers per liter", Whole(1)},
        {"liters per 100 kilometers", Whole(100)}}},
  };
}

bool IsUnit(const UnitRow& row) { return row.Factor != "0"; }

int RowNamed(Category category, std::string_view name) {
  const UnitTable table = TableFor(category);
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].Name == name) return static_cast<int>(i);
  return -1;
}

class EveryRow : public ::testing::TestWithParam<Definitions> {};

// factor(row) / factor(unit) is the row's size, as exact fractions, and
// every unit row of the table is defined once.
TEST_P(EveryRow, IsItsDefinition) {
  const Definitions& d = GetParam();
  const UnitTable table = TableFor(d.category);
  const int unitRow = RowNamed(d.category, d.unit);
  ASSERT_GT(unitRow, 0) << d.unit;
  const Fraction unitFactor = Of(table[static_cast<std::size_t>(unitRow)].Factor);
  std::size_t checked = 0;
  for (const Defined& defined : d.rows) {
    const int row = RowNamed(d.category, defined.name);
    ASSERT_GT(row, 0) << defined.name;
    const Fraction factor = Of(table[static_cast<std::size_t>(row)].Factor);
    EXPECT_EQ(factor / unitFactor, defined.size) << defined.name;
    ++checked;
  }
  const auto units = std::count_if(table.begin(), table.end(), IsUnit);
  const std::size_t throughPi = d.category == Category::Angle ? 1 : 0;  // the radian
  EXPECT_EQ(checked + throughPi, static_cast<std::size_t>(units));
}

INSTANTIATE_TEST_SUITE_P(Tables, EveryRow, ::testing::ValuesIn(AllDefinitions()),
                         [](const auto& info) {
                           std::string name(CategoryName(info.param.category));
                           std::erase(name, ' ');
                           return name;
                         });

// π to 120 decimals: room enough under the division's length limit, and
// 30 digits beyond the table's.
constexpr std::string_view Pi =
    "3.14159265358979323846264338327950288419716939937510582097494459230781640628620899862803"
    "4825342117067982148086513282306647";

bool IsNegative(const std::string& text) { return text.front() == '-'; }

// |a - b| < 10^-places.
bool Within(const std::string& a, const std::string& b, int places) {
  std::string difference = decimal::BigSub(a, b).value_or("failed");
  if (IsNegative(difference)) difference.erase(0, 1);
  const std::string bound = "." + std::string(static_cast<std::size_t>(places - 1), '0') + "1";
  const auto room = decimal::BigSub(bound, difference);
  return room && !IsNegative(*room) && *room != "0";
}

// The radian row is 648000/π arcseconds, cut after 90 decimals.
TEST(AngleTable, RadianIs648000OverPiCut) {
  const std::string_view factor = TableFor(Category::Angle)[4].Factor;
  ASSERT_EQ(TableFor(Category::Angle)[4].Name, "radians");
  EXPECT_EQ(factor.size() - factor.find('.') - 1, 90u);
  const std::string exact = decimal::BigDiv("648000", Pi).value();
  EXPECT_TRUE(Within(exact, std::string(factor), 90)) << exact;
  const auto below = decimal::BigSub(exact, factor);
  ASSERT_TRUE(below);
  EXPECT_FALSE(IsNegative(*below)) << "cut, not rounded up";
}

const ResultOptions Cut30{30, false, false, false};
const ResultOptions Rounded30{30, true, false, false};
const platform::NumberSymbols Dot{".", ","};

struct ThirtyPlacesCase {
  Category category;
  std::string_view from;
  std::string_view to;
  Fraction exact;  // one `from` in `to`
  std::string_view symbol;
};

void PrintTo(const ThirtyPlacesCase& c, std::ostream* out) { *out << c.from << " to " << c.to; }

class ThirtyPlaces : public ::testing::TestWithParam<ThirtyPlacesCase> {};

// The exact fraction's digits, cut and rounded, as the result field writes
// them.
TEST_P(ThirtyPlaces, GiveTheExactFractionsDigits) {
  const ThirtyPlacesCase& c = GetParam();
  const Quantity one{
      {"1", "", ""}, {RowNamed(c.category, c.from), 0, 0}, {RowNamed(c.category, c.to), 0, 0}};
  const std::string tail = " " + std::string(c.symbol) + "  ";
  EXPECT_EQ(Convert(c.category, one, Cut30, Dot), Decimals(c.exact, 30, false) + tail);
  EXPECT_EQ(Convert(c.category, one, Rounded30, Dot), Decimals(c.exact, 30, true) + tail);
}

const ThirtyPlacesCase ThirtyPlacesCases[] = {
    {Category::Pressure, "pounds per sq. inch", "pascals", PoundForce / (Inch * Inch), "Pa"},
    {Category::Pressure, "torr", "pascals", Atmosphere / 760, "Pa"},
    {Category::Power, "horsepower (mechanical)", "watts", 550 * FootPound, "W"},
    {Category::Pressure, "pascals", "pounds per sq. inch", Inch* Inch / PoundForce, "psi"},
    {Category::Pressure, "torr", "pounds per sq. inch", Atmosphere / 760 / PoundForce* Inch* Inch,
     "psi"},
    {Category::Pressure, "millimeters of mercury", "torr",
     MercuryDensity* Gravity* Power10(-3) / (Atmosphere / 760), "Torr"},
    {Category::Energy, "British thermal units (thermochemical)", "joules", BtuTh, "J"},
    {Category::Energy, "joules", "British thermal units (IT)", Whole(1) / BtuIt, "BTU"},
    {Category::Power, "BTU per hour", "watts", BtuIt / 3600, "W"},
    {Category::Time, "years (Gregorian)", "months", Fraction::Of(3652425 * 12, 3652500), "mo"},
    {Category::FuelEconomy, "miles per gallon (imperial)", "miles per gallon (US)",
     UsGallon / ImperialGallon, "mpg"},
};

INSTANTIATE_TEST_SUITE_P(Conversions, ThirtyPlaces, ::testing::ValuesIn(ThirtyPlacesCases));

// What the command line reads: a descriptor with real units, no page, names
// the aliases can tell apart, and a caption that is the name or its start.
TEST(CommandLineCategories, AreDescribedWithoutAPage) {
  for (const Category category : CommandLineCategories) {
    const CategoryInfo& info = Describe(category);
    SCOPED_TRACE(std::string(info.Name));
    EXPECT_EQ(info.Id, category);
    EXPECT_FALSE(info.InWindow);
    EXPECT_TRUE(info.Measured);
    EXPECT_FALSE(info.Noun.empty());
    EXPECT_FALSE(info.Caption.empty());
    EXPECT_EQ(info.Name.substr(0, info.Caption.size()), info.Caption);
    EXPECT_NE(RowAt(info.Table, info.DefaultFrom[0]).Factor, "0");
    for (const int row : info.DefaultFrom) EXPECT_TRUE(row == 0 || IsUnit(RowAt(info.Table, row)));
    const UnitTable table = info.Table;
    EXPECT_EQ(table[0].Name, "-");
    for (std::size_t i = 1; i < table.size(); ++i) {
      EXPECT_TRUE(IsUnit(table[i])) << table[i].Name;
      EXPECT_FALSE(table[i].Symbol.empty()) << table[i].Name;
      EXPECT_TRUE(decimal::IsValidNumber(table[i].Factor)) << table[i].Name;
      for (std::size_t j = i + 1; j < table.size(); ++j) EXPECT_NE(table[i].Name, table[j].Name);
    }
    const bool offered = std::any_of(AllCategories().begin(), AllCategories().end(),
                                     [&](const CategoryInfo& c) { return c.Id == category; });
    EXPECT_EQ(offered, OfferCommandLineCategories);
    EXPECT_EQ(CategoryFromNumber(static_cast<int>(category)).has_value(),
              OfferCommandLineCategories);
  }
  for (int number = FirstCategory; number <= LastWindowCategory; ++number)
    EXPECT_TRUE(Describe(static_cast<Category>(number)).InWindow) << number;
  EXPECT_FALSE(Describe(static_cast<Category>(LastEngineCategory + 1)).Measured);
}

// A decimal text cut after `places` decimals.
std::string CutTo(std::string text, int places) {
  const std::size_t point = text.find('.');
  if (point != std::string::npos && text.size() > point + 1 + static_cast<std::size_t>(places))
    text.resize(point + 1 + static_cast<std::size_t>(places));
  return text;
}

bool SameValue(const std::string& a, const std::string& b) {
  const auto difference = decimal::BigSub(a, b);
  return difference && difference->find_first_not_of("-0.") == std::string::npos;
}

// An angle unit's size in turns, num/den, with π to 95 decimals: as many as
// keep these divisions within the length limit for a value of 39 decimals.
struct Turns {
  std::string num;
  std::string den;
};

Turns TurnsOf(std::string_view row) {
  if (row == "radians") return {"1", decimal::BigMul("2", Pi.substr(0, 2 + 95)).value()};
  if (row == "degrees") return {"1", "360"};
  if (row == "arcminutes") return {"1", "21600"};
  if (row == "arcseconds") return {"1", "1296000"};
  if (row == "gradians") return {"1", "400"};
  return {"1", "1"};
}

struct AngleTerm {
  std::string_view value;
  std::string_view row;
};

// The sum of the terms in `to`, each term's quotient cut after 120
// decimals so that the sum stays within the length limit.
std::string ExpectedAngle(const std::vector<AngleTerm>& terms, std::string_view to) {
  const Turns b = TurnsOf(to);
  std::string sum = "0";
  for (const AngleTerm& term : terms) {
    const Turns a = TurnsOf(term.row);
    const std::string value = ResolveFraction(term.value).value();
    const std::string over = decimal::BigMul(decimal::BigMul(value, a.num).value(), b.den).value();
    const std::string under = decimal::BigMul(a.den, b.num).value();
    const std::string quotient = decimal::BigDiv(over, under).value();
    sum = decimal::BigAdd(sum, CutTo(quotient, 120)).value();
  }
  return sum;
}

constexpr std::string_view AngleRowNames[] = {"degrees", "arcminutes", "arcseconds",
                                              "radians", "gradians",   "turns"};

// Between the radian and every angle unit, both ways, the result stays
// within 10^-54 of the exact one (what the table's π promises) and its
// thirty places are the exact ones.
TEST(AngleDigits, MatchALongPi) {
  constexpr std::string_view values[] = {"1",
                                         "45",
                                         "99999999999999999999999999999999999",
                                         ".0000000000000000000000000000000001",
                                         "1/7",
                                         "12345678901234567.89012345678901234"};
  const ResultOptions whole{30, false, false, true};  // exponent form: the quotient unrounded
  int checked = 0;
  for (const std::string_view other : AngleRowNames) {
    for (const bool fromRadians : {true, false}) {
      const std::string_view from = fromRadians ? "radians" : other;
      const std::string_view to = fromRadians ? other : "radians";
      for (const std::string_view value : values) {
        SCOPED_TRACE(std::string(value) + " " + std::string(from) + " to " + std::string(to));
        const Quantity q{{std::string(value), "", ""},
                         {RowNamed(Category::Angle, from), 0, 0},
                         {RowNamed(Category::Angle, to), 0, 0}};
        const std::string expected = ExpectedAngle({{value, from}}, to);
        const auto full = ConvertToParts(Category::Angle, q, whole);
        const auto cut = ConvertToParts(Category::Angle, q, Cut30);
        ASSERT_TRUE(full && cut);
        EXPECT_TRUE(Within((*full)[0].Value, expected, 54)) << (*full)[0].Value << "\n" << expected;
        EXPECT_TRUE(SameValue((*cut)[0].Value, CutTo(expected, 30))) << (*cut)[0].Value << "\n"
                                                                     << expected;
        ++checked;
      }
    }
  }
  EXPECT_EQ(checked, 72);
}

// Three terms, two of them in radians, to radians and to arcseconds.
TEST(AngleDigits, CompoundQuantities) {
  const std::string nines(35, '9');
  const std::vector<AngleTerm> terms = {{nines, "radians"}, {nines, "turns"}, {"1/7", "radians"}};
  const ResultOptions whole{30, false, false, true};
  for (const std::string_view to : {"radians", "arcseconds", "degrees"}) {
    const Quantity q{{nines, nines, "1/7"},
                     {RowNamed(Category::Angle, "radians"), RowNamed(Category::Angle, "turns"),
                      RowNamed(Category::Angle, "radians")},
                     {RowNamed(Category::Angle, to), 0, 0}};
    const std::string expected = ExpectedAngle(terms, to);
    const auto full = ConvertToParts(Category::Angle, q, whole);
    ASSERT_TRUE(full) << to;
    EXPECT_TRUE(Within((*full)[0].Value, expected, 54)) << to << ": " << (*full)[0].Value;
  }
}

// The longest whole value, a fraction of 39 decimals and the least value
// a field holds, from and to every unit, alone and as three terms over
// the widest and the most fractional factors: the arithmetic stays within
// its length limit, so nothing a field can hold gives "Error".
TEST(ExtremeValues, ConvertBetweenEveryPair) {
  const std::string nines(35, '9');
  const std::string values[] = {nines, "1/99999999999999999999999999999999",
                                ".0000000000000000000000000000000001"};
  int conversions = 0;
  for (const Category category : CommandLineCategories) {
    const CategoryInfo& info = Describe(category);
    const UnitTable table = info.Table;
    int widest = 1;
    int finest = 1;
    const auto wholeDigits = [](std::string_view f) { return std::min(f.find('.'), f.size()); };
    const auto decimals = [&](std::string_view f) { return f.size() - wholeDigits(f); };
    for (int row = 1; row < RowCount(category); ++row) {
      if (wholeDigits(table[row].Factor) > wholeDigits(table[widest].Factor)) widest = row;
      if (decimals(table[row].Factor) > decimals(table[finest].Factor)) finest = row;
    }
    for (int from = 1; from < RowCount(category); ++from) {
      for (int to = 1; to < RowCount(category); ++to) {
        for (const std::string& value : values) {
          const Quantity one{{value, "", ""}, {from, 0, 0}, {to, 0, 0}};
          EXPECT_NE(Convert(category, one, Cut30, Dot), "Error")
              << info.Name << ": " << value << " " << table[from].Name << " to " << table[to].Name;
          ++conversions;
        }
      }
      if (info.InputRows == 1) continue;
      const Quantity three{
          {nines, values[1], nines}, {widest, finest, from}, {widest, finest, from}};
      EXPECT_NE(Convert(category, three, Cut30, Dot), "Error")
          << info.Name << ": three terms to " << table[from].Name;
    }
  }
  EXPECT_GT(conversions, 4000);
}

}  // namespace
}  // namespace units
