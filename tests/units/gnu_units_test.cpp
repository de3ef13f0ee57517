// A sample of conversions beside GNU units, to the digits it gives. It
// computes in binary floating point and is asked for 15 significant
// digits; ours must lie within one unit of its fifteenth. Runs where GNU
// units is installed (scripts/lib/packages.sh, group tests).
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ostream>
#include <string>
#include <string_view>

#include "decimal/bignum.h"
#include "units/convert.h"

namespace units {
namespace {

struct Sample {
  Category category;
  const char* value;
  const char* from;  // row names
  const char* to;
  const char* have;  // what GNU units is given
  const char* want;
};

void PrintTo(const Sample& s, std::ostream* out) { *out << s.have << " -> " << s.want; }

int RowNamed(Category category, std::string_view name) {
  const UnitTable table = TableFor(category);
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].Name == name) return static_cast<int>(i);
  return -1;
}

// GNU units' first line of output, or empty when it does not run.
std::string GnuUnits(const Sample& s) {
#ifdef _WIN32
  (void)s;
  return {};
#else
  const std::string command =
      std::string("LC_ALL=C units -t -d 15 '") + s.have + "' '" + s.want + "' 2>&1";
  FILE* pipe = popen(command.c_str(), "r");
  if (pipe == nullptr) return {};
  std::string line;
  for (int c = std::fgetc(pipe); c != EOF && c != '\n'; c = std::fgetc(pipe))
    line += static_cast<char>(c);
  pclose(pipe);
  return line;
#endif
}

bool HaveGnuUnits() {
#ifdef _WIN32
  return false;
#else
  static const bool present = std::system("units -V >/dev/null 2>&1") == 0;
  return present;
#endif
}

// "1.602176634e-19" as a decimal text; empty when it is no number.
std::string FromScientific(const std::string& text) {
  const std::size_t e = text.find('e');
  std::string mantissa = text.substr(0, e);
  if (mantissa.empty() || !decimal::IsValidNumber(mantissa)) return {};
  if (e == std::string::npos) return mantissa;
  const int exponent = std::atoi(text.c_str() + e + 1);
  std::size_t point = mantissa.find('.');
  if (point == std::string::npos) point = mantissa.size();
  std::string digits = mantissa;
  decimal::RemovePoint(digits);
  auto at = static_cast<long>(point) + exponent;
  if (at <= 0) {
    digits.insert(0, static_cast<std::size_t>(1 - at), '0');
    at = 1;
  }
  if (static_cast<std::size_t>(at) > digits.size())
    digits.append(static_cast<std::size_t>(at) - digits.size(), '0');
  digits.insert(static_cast<std::size_t>(at), 1, '.');
  return digits;
}

// One unit in the fifteenth significant digit of a positive decimal text.
std::string FifteenthDigit(const std::string& text) {
  const std::size_t point = std::min(text.find('.'), text.size());
  const std::size_t first = text.find_first_of("123456789");
  // The power of ten of the first significant digit.
  const long lead =
      first < point ? static_cast<long>(point - first) - 1 : -static_cast<long>(first - point);
  const long power = lead - 14;
  if (power >= 0) return "1" + std::string(static_cast<std::size_t>(power), '0');
  return "." + std::string(static_cast<std::size_t>(-power - 1), '0') + "1";
}

class GnuUnitsAgree : public ::testing::TestWithParam<Sample> {};

TEST_P(GnuUnitsAgree, ToItsDigits) {
  if (!HaveGnuUnits()) GTEST_SKIP() << "GNU units is not installed";
  const Sample& s = GetParam();
  const std::string gnu = FromScientific(GnuUnits(s));
  ASSERT_FALSE(gnu.empty()) << "GNU units said: " << GnuUnits(s);
  const Quantity quantity{
      {s.value, "", ""}, {RowNamed(s.category, s.from), 0, 0}, {RowNamed(s.category, s.to), 0, 0}};
  // In exponent form the part is the whole quotient, unrounded.
  const auto parts = ConvertToParts(s.category, quantity, {30, false, false, true});
  ASSERT_TRUE(parts && parts->size() == 1);
  // Cut far below GNU units' digits, leaving the subtraction room.
  std::string ours = (*parts)[0].Value;
  if (const std::size_t point = ours.find('.'); point != std::string::npos)
    ours.resize(std::min(ours.size(), point + 101));
  const auto difference = decimal::BigSub(ours, gnu);
  ASSERT_TRUE(difference);
  const std::string_view distance =
      std::string_view(*difference).substr(difference->front() == '-' ? 1 : 0);
  const auto room = decimal::BigSub(FifteenthDigit(gnu), distance);
  ASSERT_TRUE(room);
  EXPECT_NE(room->front(), '-') << "ours " << ours << "\nGNU units " << gnu;
}

const Sample Samples[] = {
    {Category::Time, "90", "minutes", "hours", "90 min", "hr"},
    {Category::Time, "1", "years (Julian)", "seconds", "julianyear", "s"},
    {Category::Time, "1", "years (Gregorian)", "days", "gregorianyear", "day"},
    {Category::Time, "1", "years (common)", "weeks", "commonyear", "week"},
    {Category::Time, "1", "months", "days", "1|12 julianyear", "day"},
    {Category::Time, "3", "fortnights", "hours", "3 fortnight", "hr"},
    {Category::Energy, "1", "kilowatt-hours", "joules", "kWh", "J"},
    {Category::Energy, "1", "British thermal units (IT)", "joules", "btu", "J"},
    {Category::Energy, "1", "British thermal units (thermochemical)", "joules", "btu_th", "J"},
    {Category::Energy, "1", "calories (thermochemical)", "joules", "calorie", "J"},
    {Category::Energy, "1", "calories (IT)", "joules", "cal_IT", "J"},
    {Category::Energy, "1", "Calories (food)", "kilojoules", "Calorie", "kJ"},
    {Category::Energy, "1", "kilocalories (thermochemical)", "British thermal units (IT)", "kcal",
     "btu"},
    {Category::Energy, "1", "therms (US)", "megajoules", "therm", "MJ"},
    {Category::Energy, "1", "therms (EC)", "kilowatt-hours", "ECtherm", "kWh"},
    {Category::Energy, "1", "electronvolts", "joules", "eV", "J"},
    {Category::Energy, "1", "megaelectronvolts", "ergs", "MeV", "erg"},
    {Category::Energy, "1", "foot-pounds force", "joules", "ft lbf", "J"},
    {Category::Power, "100", "horsepower (mechanical)", "kilowatts", "100 hp", "kW"},
    {Category::Power, "1", "horsepower (metric)", "watts", "metrichorsepower", "W"},
    {Category::Power, "1", "horsepower (electric)", "horsepower (mechanical)", "electrichorsepower",
     "hp"},
    {Category::Power, "1", "BTU per hour", "watts", "btu/hr", "W"},
    {Category::Power, "1", "foot-pounds force per second", "milliwatts", "ft lbf/s", "mW"},
    {Category::Pressure, "1", "pounds per sq. inch", "pascals", "psi", "Pa"},
    {Category::Pressure, "1", "torr", "pascals", "torr", "Pa"},
    {Category::Pressure, "30", "pounds per sq. inch", "bars", "30 psi", "bar"},
    {Category::Pressure, "1", "inches of mercury", "pascals", "inHg", "Pa"},
    {Category::Pressure, "1", "millimeters of mercury", "pounds per sq. inch", "mmHg", "psi"},
    {Category::Pressure, "1", "atmospheres (standard)", "pounds per sq. inch", "atm", "psi"},
    {Category::Pressure, "1", "atmospheres (technical)", "bars", "at", "bar"},
    {Category::Pressure, "1", "inches of water", "pascals", "inH2O", "Pa"},
    {Category::Pressure, "1", "kilopounds per sq. inch", "megapascals", "ksi", "MPa"},
    {Category::Force, "1", "pounds force", "newtons", "lbf", "N"},
    {Category::Force, "1", "kilograms force", "pounds force", "kgf", "lbf"},
    {Category::Force, "1", "dynes", "newtons", "dyne", "N"},
    {Category::Force, "1", "poundals", "newtons", "poundal", "N"},
    {Category::Force, "1", "kilonewtons", "pounds force", "kN", "lbf"},
    {Category::Angle, "45", "degrees", "radians", "45 deg", "radian"},
    {Category::Angle, "1", "radians", "degrees", "radian", "deg"},
    {Category::Angle, "1", "radians", "arcminutes", "radian", "arcmin"},
    {Category::Angle, "1", "arcseconds", "radians", "arcsec", "radian"},
    {Category::Angle, "1", "gradians", "degrees", "gon", "deg"},
    {Category::Angle, "1", "turns", "radians", "turn", "radian"},
    {Category::Data, "4", "gibibytes", "megabytes", "4 GiB", "MB"},
    {Category::Data, "1", "pebibytes", "bits", "PiB", "bit"},
    {Category::Data, "1", "gigabits", "megabytes", "Gbit", "MB"},
    {Category::Data, "1", "terabytes", "tebibytes", "TB", "TiB"},
    {Category::FuelEconomy, "30", "miles per gallon (US)", "liters per 100 kilometers",
     "1/(30 mpg)", "L/(100 km)"},
    {Category::FuelEconomy, "7.84", "liters per 100 kilometers", "miles per gallon (US)",
     "1/(7.84 L/(100 km))", "mpg"},
    {Category::FuelEconomy, "40", "miles per gallon (imperial)", "liters per 100 kilometers",
     "1/(40 mile/brgallon)", "L/(100 km)"},
    {Category::FuelEconomy, "30", "miles per gallon (US)", "kilometers per liter", "30 mpg",
     "km/l"},
};

INSTANTIATE_TEST_SUITE_P(Sample, GnuUnitsAgree, ::testing::ValuesIn(Samples));

}  // namespace
}  // namespace units
