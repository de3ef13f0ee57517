// The unit tables: constant rows of name, symbol and factor per category.
// A factor is the size of one unit in a base unit private to its category,
// as an exact decimal text; rows with factor "0" stand for no unit.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace units {

enum class Category : int {
  Length = 1,
  Area = 2,
  Capacity = 3,
  Weight = 4,
  Temperature = 5,
  Prefixes = 6,
  Speed = 7,
  Paper = 8,
};

inline constexpr int FirstCategory = 1;
inline constexpr int LastCategory = 8;

struct UnitRow {
  std::string_view Name;
  std::string_view Symbol;
  std::string_view Factor;
};

using UnitTable = std::span<const UnitRow>;

// The category with this number, if there is one.
std::optional<Category> CategoryFromNumber(int number);

// "Length", ..., "Temperature", "Prefixes", ...: the category's full name.
std::string_view CategoryName(Category category);
// The caption of its page selector ("Temp." for Temperature).
std::string_view CategoryCaption(Category category);

// Empty for Prefixes.
UnitTable TableFor(Category category);
int RowCount(Category category);

// An index outside the table (no item chosen) reads as the empty row, which
// every conversion treats as no unit.
const UnitRow& RowAt(UnitTable table, int index);

// Temperature scales by row.
inline constexpr int Celsius = 1;
inline constexpr int Fahrenheit = 2;
inline constexpr int Kelvin = 3;

}  // namespace units
