#include "units/suggest.h"

#include <algorithm>

#include "platform/float_reading.h"
#include "units/value_input.h"

namespace units {
namespace {

enum class Test { AtLeast, Above, NonZero, FirstValueGiven };

struct Rule {
  UnitSystem system;
  Category category;
  Test test;
  double threshold;
  int row;
  int secondRow;  // 0: none
};

// Tried top to bottom within a system and category; the first rule that
// holds picks the units. Thresholds are in each category's base units.
using L = LengthRow;
using A = AreaRow;
using C = CapacityRow;
using W = WeightRow;
constexpr auto Us = UnitSystem::Us;
constexpr auto Metric = UnitSystem::Metric;

constexpr Rule Rules[] = {
    {Us, Category::Length, Test::AtLeast, 3425718606459.08418, L::Miles, 0},     // mile - 1 in
    {Us, Category::Length, Test::AtLeast, 162205145589.06, L::Yards, 0},         // 250 feet
    {Us, Category::Length, Test::AtLeast, 648820582.35624, L::Feet, L::Inches},  // 1 foot
    {Us, Category::Length, Test::Above, 0, L::Inches, 0},
    {Us, Category::Area, Test::AtLeast, 1580501394510.88896, A::SqMiles, 0},
    {Us, Category::Area, Test::AtLeast, 510234.1795296, A::SqYards, 0},
    {Us, Category::Area, Test::AtLeast, 22319.95536, A::SqFeet, 0},
    {Us, Category::Area, Test::Above, 0, A::SqInches, 0},
    {Us, Category::Capacity, Test::AtLeast, 11356.233, C::Gallons, 0},
    {Us, Category::Capacity, Test::AtLeast, 2839.056, C::Quarts, 0},
    {Us, Category::Capacity, Test::AtLeast, 1419.528, C::Pints, 0},
    {Us, Category::Capacity, Test::Above, 0, C::FluidOunces, 0},
    {Us, Category::Weight, Test::AtLeast, 345637382.13, W::ShortTons, 0},
    {Us, Category::Weight, Test::AtLeast, 172818.552, W::Pounds, 0},
    {Us, Category::Weight, Test::AtLeast, 0, W::Ounces, 0},
    {Us, Category::Temperature, Test::FirstValueGiven, 0, Fahrenheit, 0},
    {Us, Category::Speed, Test::NonZero, 0, SpeedRow::FeetPerSecond, 0},
    {Us, Category::Paper, Test::NonZero, 0, PaperRow::Bond, 0},

    {Metric, Category::Length, Test::AtLeast, 2128676451300, L::Kilometers, 0},
    {Metric, Category::Length, Test::AtLeast, 2128676451.3, L::Meters, 0},
    {Metric, Category::Length, Test::AtLeast, 21286764.513, L::Centimeters, 0},
    {Metric, Category::Length, Test::Above, 0, L::Millimeters, 0},
    {Metric, Category::Area, Test::AtLeast, 1549996900000, A::SqKilometers, 0},
    {Metric, Category::Area, Test::AtLeast, 1549996.9, A::SqMeters, 0},
    {Metric, Category::Area, Test::AtLeast, 154.99969, A::SqCentimeters, 0},
    {Metric, Category::Area, Test::Above, 0, A::SqMillimeters, 0},
    {Metric, Category::Capacity, Test::AtLeast, 3000, C::Liters, 0},
    {Metric, Category::Capacity, Test::AtLeast, 30, C::Centiliters, 0},
    {Metric, Category::Capacity, Test::AtLeast, 0, C::Milliliters, 0},
    {Metric, Category::Weight, Test::AtLeast, 381000000, W::MetricTons, 0},
    {Metric, Category::Weight, Test::AtLeast, 381000, W::Kilograms, 0},
    {Metric, Category::Weight, Test::AtLeast, 381, W::Grams, 0},
    {Metric, Category::Weight, Test::AtLeast, 0, W::Milligrams, 0},
    {Metric, Category::Temperature, Test::FirstValueGiven, 0, Celsius, 0},
    {Metric, Category::Speed, Test::NonZero, 0, SpeedRow::MetersPerSecond, 0},
    {Metric, Category::Paper, Test::NonZero, 0, PaperRow::GramsPerSqMeter, 0},
};

bool Holds(const Rule& rule, double total, const Quantity& quantity) {
  switch (rule.test) {
    case Test::AtLeast:
      return total >= rule.threshold;
    case Test::Above:
      return total > rule.threshold;
    case Test::NonZero:
      return total != 0;
    case Test::FirstValueGiven:
      return !quantity.Values[0].empty();
  }
  return false;
}

}  // namespace

double ApproxNumber(std::string_view text) { return platform::ReadFloat(text).value_or(0.0); }

double ApproxBaseTotal(UnitTable table, const Quantity& quantity) {
  long double products[TermCount];
  for (int i = 0; i < TermCount; ++i) {
    const std::optional<std::string> resolved = ResolveFraction(quantity.Values[i]);
    const double value = resolved ? ApproxNumber(*resolved) : 0.0;
    const double factor = ApproxNumber(RowAt(table, quantity.From[i]).Factor);
    products[i] = static_cast<long double>(value) * factor;
  }
  return static_cast<double>((products[0] + products[1]) + products[2]);
}

bool OffersUnits(Category category) {
  return std::any_of(std::begin(Rules), std::end(Rules),
                     [&](const Rule& rule) { return rule.category == category; });
}

std::array<int, TermCount> SuggestUnits(UnitSystem system, Category category,
                                        const Quantity& quantity) {
  std::array<int, TermCount> rows = {0, 0, 0};
  const double total = ApproxBaseTotal(TableFor(category), quantity);
  const auto match = std::find_if(std::begin(Rules), std::end(Rules), [&](const Rule& rule) {
    return rule.system == system && rule.category == category && Holds(rule, total, quantity);
  });
  if (match != std::end(Rules)) {
    rows[0] = match->row;
    rows[1] = match->secondRow;
  }
  return rows;
}

}  // namespace units
