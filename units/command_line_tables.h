// The tables of the categories only the command line offers: time, energy,
// power, pressure, force, angle, data and fuel economy. The window keeps
// its eight (catalogue.cpp); these are converted by the same engine.
//
// Each category has its own base unit, chosen so that every unit defined
// exactly in SI terms has a terminating decimal factor (docs/architecture.md,
// "The categories beyond the window"). Row 0 is "-", no unit; there are no
// headings, and every name is unique in its table, since the aliases name
// units by it.
#pragma once

#include <iterator>

#include "units/catalogue.h"

namespace units {

// Base: the second. The year people mean by default is the Julian year of
// 365.25 days (the one the light year is measured with); a month is a
// twelfth of it.
inline constexpr UnitRow TimeRows[] = {
    {"-", "", "0"},
    {"femtoseconds", "fs", ".000000000000001"},
    {"picoseconds", "ps", ".000000000001"},
    {"nanoseconds", "ns", ".000000001"},
    {"microseconds", "µs", ".000001"},
    {"milliseconds", "ms", ".001"},
    {"seconds", "s", "1"},
    {"minutes", "min", "60"},
    {"hours", "h", "3600"},
    {"days", "d", "86400"},
    {"weeks", "wk", "604800"},
    {"fortnights", "fortnights", "1209600"},
    {"months", "mo", "2629800"},
    {"years (Julian)", "yr", "31557600"},
    {"years (Gregorian)", "yr(g)", "31556952"},
    {"years (common)", "yr(c)", "31536000"},
};

// Base: a ninth of a joule, which takes the 9 of the thermochemical BTU
// (a calorie per gram and kelvin, times a pound, times 5/9). The calorie
// is the thermochemical one (4.184 J), and the food Calorie a thousand of
// them; the BTU is the International Table one; the therm is the US therm.
inline constexpr UnitRow EnergyRows[] = {
    {"-", "", "0"},
    {"millijoules", "mJ", ".009"},
    {"joules", "J", "9"},
    {"kilojoules", "kJ", "9000"},
    {"megajoules", "MJ", "9000000"},
    {"gigajoules", "GJ", "9000000000"},
    {"watt-hours", "Wh", "32400"},
    {"kilowatt-hours", "kWh", "32400000"},
    {"megawatt-hours", "MWh", "32400000000"},
    {"gigawatt-hours", "GWh", "32400000000000"},
    {"calories (thermochemical)", "cal", "37.656"},
    {"calories (IT)", "cal(IT)", "37.6812"},
    {"kilocalories (thermochemical)", "kcal", "37656"},
    {"kilocalories (IT)", "kcal(IT)", "37681.2"},
    {"Calories (food)", "Cal", "37656"},
    {"British thermal units (IT)", "BTU", "9495.50267358"},
    {"British thermal units (thermochemical)", "BTU(th)", "9489.1523804"},
    {"therms (US)", "thm", "949323600"},
    {"therms (EC)", "thm(EC)", "949554000"},
    {"electronvolts", "eV", ".0000000000000000014419589706"},
    {"kiloelectronvolts", "keV", ".0000000000000014419589706"},
    {"megaelectronvolts", "MeV", ".0000000000014419589706"},
    {"gigaelectronvolts", "GeV", ".0000000014419589706"},
    {"foot-pounds force", "ft·lbf", "12.2023615349826036"},
    {"ergs", "erg", ".0000009"},
};

// Base: a ninth of a watt, which takes the 9 of the BTU per hour's 3600
// seconds. The horsepower is the mechanical one (550 ft·lbf/s).
inline constexpr UnitRow PowerRows[] = {
    {"-", "", "0"},
    {"milliwatts", "mW", ".009"},
    {"watts", "W", "9"},
    {"kilowatts", "kW", "9000"},
    {"megawatts", "MW", "9000000"},
    {"gigawatts", "GW", "9000000000"},
    {"horsepower (mechanical)", "hp", "6711.29884424043198"},
    {"horsepower (metric)", "PS", "6619.48875"},
    {"horsepower (electric)", "hp(E)", "6714"},
    {"BTU per hour", "BTU/h", "2.63763963155"},
    {"foot-pounds force per second", "ft·lbf/s", "12.2023615349826036"},
    {"ergs per second", "erg/s", ".0000009"},
};

// Base: a pascal over 306451 = 127² × 19, which takes the 127² of the
// square inch (psi) and the 19 of the torr's 760. Mercury and water
// columns are the conventional ones (13595.1 and 1000 kg/m³ under
// standard gravity).
inline constexpr UnitRow PressureRows[] = {
    {"-", "", "0"},
    {"pascals", "Pa", "306451"},
    {"hectopascals", "hPa", "30645100"},
    {"kilopascals", "kPa", "306451000"},
    {"megapascals", "MPa", "306451000000"},
    {"gigapascals", "GPa", "306451000000000"},
    {"millibars", "mbar", "30645100"},
    {"bars", "bar", "30645100000"},
    {"atmospheres (standard)", "atm", "31051147575"},
    {"atmospheres (technical)", "at", "30052576991.5"},
    {"torr", "Torr", "40856773.125"},
    {"millimeters of mercury", "mmHg", "40856778.945714165"},
    {"inches of mercury", "inHg", "1037762185.221139791"},
    {"inches of water", "inH2O", "76333545.55841"},
    {"pounds per sq. inch", "psi", "2112905267.2487375"},
    {"kilopounds per sq. inch", "ksi", "2112905267248.7375"},
};

// Base: the newton.
inline constexpr UnitRow ForceRows[] = {
    {"-", "", "0"},
    {"millinewtons", "mN", ".001"},
    {"newtons", "N", "1"},
    {"kilonewtons", "kN", "1000"},
    {"meganewtons", "MN", "1000000"},
    {"pounds force", "lbf", "4.4482216152605"},
    {"kilograms force", "kgf", "9.80665"},
    {"dynes", "dyn", ".00001"},
    {"poundals", "pdl", ".138254954376"},
};

// Base: the arcsecond, so that every unit but the radian is whole. The
// radian is 648000/π arcseconds cut after 90 decimals, which keeps the
// divisions within their length limit for any value a field can hold;
// every result stays within 10^-54 of the exact one (docs/architecture.md).
inline constexpr UnitRow AngleRows[] = {
    {"-", "", "0"},
    {"degrees", "°", "3600"},
    {"arcminutes", "′", "60"},
    {"arcseconds", "″", "1"},
    {"radians", "rad",
     "206264.806247096355156473357330778613196659700879631557576976877900330249733957589476787488"
     "385063"},
    {"gradians", "gon", "3240"},
    {"turns", "turn", "1296000"},
};

// Base: the bit. SI prefixes are powers of 1000, binary ones of 1024.
inline constexpr UnitRow DataRows[] = {
    {"-", "", "0"},
    {"bits", "bit", "1"},
    {"kilobits", "kbit", "1000"},
    {"megabits", "Mbit", "1000000"},
    {"gigabits", "Gbit", "1000000000"},
    {"terabits", "Tbit", "1000000000000"},
    {"petabits", "Pbit", "1000000000000000"},
    {"kibibits", "Kibit", "1024"},
    {"mebibits", "Mibit", "1048576"},
    {"gibibits", "Gibit", "1073741824"},
    {"tebibits", "Tibit", "1099511627776"},
    {"pebibits", "Pibit", "1125899906842624"},
    {"bytes", "B", "8"},
    {"kilobytes", "kB", "8000"},
    {"megabytes", "MB", "8000000"},
    {"gigabytes", "GB", "8000000000"},
    {"terabytes", "TB", "8000000000000"},
    {"petabytes", "PB", "8000000000000000"},
    {"kibibytes", "KiB", "8192"},
    {"mebibytes", "MiB", "8388608"},
    {"gibibytes", "GiB", "8589934592"},
    {"tebibytes", "TiB", "8796093022208"},
    {"pebibytes", "PiB", "9007199254740992"},
};

// Base: a kilometer per liter over 51326719927 = 7 × 127² × 454609, which
// takes what the US gallon (231 cubic inches) leaves of a mile, 7 × 127²,
// and the imperial gallon's 4.54609 liters. Rows from LitersPer100Km on
// are inverse units: x L/100 km is 100/x km/L, so its factor is that of
// 100 km/L, divided by the value (FormulaKind::Reciprocal).
inline constexpr UnitRow FuelEconomyRows[] = {
    {"-", "", "0"},
    {"miles per gallon (US)", "mpg", "21821232000"},
    {"miles per gallon (imperial)", "mpg(imp)", "18169976563.2"},
    {"kilometers per liter", "km/L", "51326719927"},
    {"liters per 100 kilometers", "L/100 km", "5132671992700"},
};

// Rows that code names.
struct TimeRow {
  static constexpr int Seconds = 6, Minutes = 7, Hours = 8;
};
struct EnergyRow {
  static constexpr int Joules = 2, KilowattHours = 7;
};
struct PowerRow {
  static constexpr int Watts = 2, Horsepower = 6;
};
struct PressureRow {
  static constexpr int Pascals = 1, Psi = 14;
};
struct ForceRow {
  static constexpr int Newtons = 2, PoundsForce = 5;
};
struct AngleRow {
  static constexpr int Degrees = 1, Arcminutes = 2, Arcseconds = 3, Radians = 4;
};
struct DataRow {
  static constexpr int Bytes = 12, Megabytes = 14;
};
struct FuelEconomyRow {
  static constexpr int MpgUs = 1, KilometersPerLiter = 3, LitersPer100Km = 4;
};

static_assert(TimeRows[TimeRow::Seconds].Name == "seconds" &&
              TimeRows[TimeRow::Minutes].Name == "minutes" &&
              TimeRows[TimeRow::Hours].Name == "hours");
static_assert(EnergyRows[EnergyRow::Joules].Name == "joules" &&
              EnergyRows[EnergyRow::KilowattHours].Name == "kilowatt-hours");
static_assert(PowerRows[PowerRow::Watts].Name == "watts" &&
              PowerRows[PowerRow::Horsepower].Name == "horsepower (mechanical)");
static_assert(PressureRows[PressureRow::Pascals].Name == "pascals" &&
              PressureRows[PressureRow::Psi].Name == "pounds per sq. inch");
static_assert(ForceRows[ForceRow::Newtons].Name == "newtons" &&
              ForceRows[ForceRow::PoundsForce].Name == "pounds force");
static_assert(AngleRows[AngleRow::Degrees].Name == "degrees" &&
              AngleRows[AngleRow::Arcminutes].Name == "arcminutes" &&
              AngleRows[AngleRow::Arcseconds].Name == "arcseconds" &&
              AngleRows[AngleRow::Radians].Name == "radians");
static_assert(DataRows[DataRow::Bytes].Name == "bytes" &&
              DataRows[DataRow::Megabytes].Name == "megabytes");
static_assert(FuelEconomyRows[FuelEconomyRow::MpgUs].Name == "miles per gallon (US)" &&
              FuelEconomyRows[FuelEconomyRow::KilometersPerLiter].Name == "kilometers per liter" &&
              FuelEconomyRows[FuelEconomyRow::LitersPer100Km].Name == "liters per 100 kilometers" &&
              static_cast<std::size_t>(FuelEconomyRow::LitersPer100Km) + 1 ==
                  std::size(FuelEconomyRows));

}  // namespace units
