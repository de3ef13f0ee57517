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
constexpr Rule Rules[] = {
    {UnitSystem::Us, Category::Length, Test::AtLeast, 3425718606459.08418, 5, 0},  // mile - 1 in
    {UnitSystem::Us, Category::Length, Test::AtLeast, 162205145589.06, 4, 0},  // 250 feet
    {UnitSystem::Us, Category::Length, Test::AtLeast, 648820582.35624, 3, 2},   // 1 foot
    {UnitSystem::Us, Category::Length, Test::Above, 0, 2, 0},
    {UnitSystem::Us, Category::Area, Test::AtLeast, 1580501394510.88896, 5, 0},
    {UnitSystem::Us, Category::Area, Test::AtLeast, 510234.1795296, 4, 0},
    {UnitSystem::Us, Category::Area, Test::AtLeast, 22319.95536, 3, 0},
    {UnitSystem::Us, Category::Area, Test::Above, 0, 2, 0},
    {UnitSystem::Us, Category::Capacity, Test::AtLeast, 11356.233, 6, 0},
    {UnitSystem::Us, Category::Capacity, Test::AtLeast, 2839.056, 5, 0},
    {UnitSystem::Us, Category::Capacity, Test::AtLeast, 1419.528, 4, 0},
    {UnitSystem::Us, Category::Capacity, Test::Above, 0, 2, 0},
    {UnitSystem::Us, Category::Weight, Test::AtLeast, 345637382.13, 4, 0},
    {UnitSystem::Us, Category::Weight, Test::AtLeast, 172818.552, 3, 0},
    {UnitSystem::Us, Category::Weight, Test::AtLeast, 0, 2, 0},
    {UnitSystem::Us, Category::Temperature, Test::FirstValueGiven, 0, Fahrenheit, 0},
    {UnitSystem::Us, Category::Speed, Test::NonZero, 0, 4, 0},
    {UnitSystem::Us, Category::Paper, Test::NonZero, 0, 5, 0},

    {UnitSystem::Metric, Category::Length, Test::AtLeast, 2128676451300, 10, 0},
    {UnitSystem::Metric, Category::Length, Test::AtLeast, 2128676451.3, 9, 0},
    {UnitSystem::Metric, Category::Length, Test::AtLeast, 21286764.513, 8, 0},
    {UnitSystem::Metric, Category::Length, Test::Above, 0, 7, 0},
    {UnitSystem::Metric, Category::Area, Test::AtLeast, 1549996900000, 10, 0},
    {UnitSystem::Metric, Category::Area, Test::AtLeast, 1549996.9, 9, 0},
    {UnitSystem::Metric, Category::Area, Test::AtLeast, 154.99969, 8, 0},
    {UnitSystem::Metric, Category::Area, Test::Above, 0, 7, 0},
    {UnitSystem::Metric, Category::Capacity, Test::AtLeast, 3000, 11, 0},
    {UnitSystem::Metric, Category::Capacity, Test::AtLeast, 30, 9, 0},
    {UnitSystem::Metric, Category::Capacity, Test::AtLeast, 0, 8, 0},
    {UnitSystem::Metric, Category::Weight, Test::AtLeast, 381000000, 9, 0},
    {UnitSystem::Metric, Category::Weight, Test::AtLeast, 381000, 8, 0},
    {UnitSystem::Metric, Category::Weight, Test::AtLeast, 381, 7, 0},
    {UnitSystem::Metric, Category::Weight, Test::AtLeast, 0, 6, 0},
    {UnitSystem::Metric, Category::Temperature, Test::FirstValueGiven, 0, Celsius, 0},
    {UnitSystem::Metric, Category::Speed, Test::NonZero, 0, 7, 0},
    {UnitSystem::Metric, Category::Paper, Test::NonZero, 0, 1, 0},
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
