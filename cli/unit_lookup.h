// Finding units by what people type: a table name (any case), a symbol,
// or for temperatures "C", "F" and "K"; and settling the one category in
// which all named units exist.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "units/catalogue.h"

namespace cli {

// The rows a typed unit could mean, per category number.
struct UnitCandidates {
  std::array<std::vector<int>, units::LastCategory + 1> Rows;

  bool Any() const;
  bool In(units::Category category) const;
};

// Names match ignoring case and runs of blanks; symbols match exactly, or
// ignoring case when nothing matches exactly.
UnitCandidates FindUnit(std::string_view typed);

// The row a unit stands for in the category; the first of rows of equal
// factor (the common group repeats units). An error naming the candidates
// when the rows differ in size ("oz", "gal").
std::string PickRow(units::Category category, std::string_view typed,
                    const UnitCandidates& candidates, int& row);

// The category every unit exists in, or forced when given; an error when
// none or more than one fits.
std::string SettleCategory(std::span<const std::string> typed,
                           std::span<const UnitCandidates> candidates,
                           std::optional<units::Category> forced, units::Category& out);

// A category by name, caption ("Temp.") or number, ignoring case.
std::optional<units::Category> CategoryFromText(std::string_view text);

// The real units of a category, each name once, with their symbols.
struct ListedUnit {
  std::string_view Name;
  std::string_view Symbol;
};
std::vector<ListedUnit> UnitsOf(units::Category category);

// The most words any unit name or symbol has, which bounds how many words
// a unit can take.
std::size_t MaxUnitWords();

// The letter that stands for a temperature row, empty for row 0.
std::string_view TemperatureLetter(int row);

}  // namespace cli
