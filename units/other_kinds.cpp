#include "units/other_kinds.h"

#include <array>
#include <span>
#include <string>

#include "units/unit_index.h"

namespace units {
namespace {

struct OtherKind {
  std::string_view Name;
  std::span<const std::string_view> Units;
};

constexpr std::string_view Time[] = {
    "s",    "sec",       "second", "ms", "millisecond", "\u00b5s", "microsecond", "ns",
    "min",  "minute",    "h",      "hr", "hour",        "d",       "day",         "wk",
    "week", "fortnight", "month",  "mo", "yr",          "year",    "decade",      "century"};
constexpr std::string_view Energy[] = {
    "J",       "kJ",          "MJ",         "joule",         "kilojoule", "Wh",
    "kWh",     "MWh",         "watt hour",  "kilowatt hour", "cal",       "kcal",
    "calorie", "kilocalorie", "BTU",        "therm",         "eV",        "electronvolt",
    "erg",     "ft lbf",      "ft\u00b7lbf"};
constexpr std::string_view Power[] = {"W",     "mW",       "kW",       "MW",   "GW",
                                      "watt",  "kilowatt", "megawatt", "hp",   "horsepower",
                                      "BTU/h", "BTU/hr",   "ft lbf/s", "erg/s"};
constexpr std::string_view Pressure[] = {"Pa",   "hPa",      "kPa",  "MPa",        "pascal", "bar",
                                         "mbar", "millibar", "atm",  "atmosphere", "psi",    "ksi",
                                         "torr", "mmHg",     "inHg", "inH2O"};
constexpr std::string_view Force[] = {"N", "kN", "newton", "lbf", "kgf", "dyn", "dyne", "poundal"};
constexpr std::string_view Data[] = {
    "bit",  "b",   "kbit", "Mbit", "Gbit",     "kb",       "Mb",       "Gb",      "Tb",
    "byte", "B",   "kB",   "KB",   "MB",       "GB",       "TB",       "PB",      "KiB",
    "MiB",  "GiB", "TiB",  "PiB",  "kilobyte", "megabyte", "gigabyte", "terabyte"};
constexpr std::string_view Angle[] = {"\u00b0", "deg",       "degree",  "rad",    "radian",
                                      "grad",   "gon",       "gradian", "arcmin", "arcminute",
                                      "arcsec", "arcsecond", "turn",    "rev",    "revolution"};
constexpr std::string_view FuelEconomy[] = {"mpg", "L/100km", "L/100 km", "km/L"};

constexpr OtherKind Kinds[] = {
    {"time", Time},   {"energy", Energy}, {"power", Power}, {"pressure", Pressure},
    {"force", Force}, {"data", Data},     {"angle", Angle}, {"fuel economy", FuelEconomy},
};

std::optional<std::string_view> KindWith(std::string_view text, bool anyCase) {
  for (const OtherKind& kind : Kinds)
    for (std::string_view unit : kind.Units)
      if (anyCase ? lookup::EqualIgnoringCase(text, unit) : text == unit) return kind.Name;
  return std::nullopt;
}

}  // namespace

std::optional<std::string_view> OtherKindOf(std::string_view typed) {
  const std::string text = lookup::Normalized(typed);
  if (text.empty()) return std::nullopt;
  const std::string singular =
      text.size() >= 3 && text.ends_with('s') ? text.substr(0, text.size() - 1) : text;
  for (bool anyCase : {false, true})
    for (const std::string& form : {text, singular})
      if (auto kind = KindWith(form, anyCase)) return kind;
  return std::nullopt;
}

}  // namespace units
