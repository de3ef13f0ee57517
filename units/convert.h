// The Convert action as pure functions: the three value texts and the
// chosen rows in, the text of the "Result" field out.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/number_symbols.h"
#include "units/catalogue.h"
#include "units/result_format.h"

namespace units {

// What the "Convert From" and "Convert To" groups hold: the value texts as
// typed and the row index of each unit list.
struct Quantity {
  std::array<std::string, TermCount> Values;
  std::array<int, TermCount> From = {0, 0, 0};
  std::array<int, TermCount> To = {0, 0, 0};
};

inline constexpr std::string_view ErrorText = "Error";

// Every value text is empty: a factor category has nothing to convert.
bool NoValue(const Quantity& quantity);

// One part of a result: its number, cut or rounded to the chosen places but
// not yet written for display, and the row of its unit (of its scale, for a
// temperature).
struct ResultPart {
  std::string Value;
  int Row = 0;
};
using ResultParts = std::vector<ResultPart>;

// The parts of a conversion, largest unit first, over a factor table.
// Unreadable terms count as zero; nullopt ("Error") when there is no target
// unit or the arithmetic fails. When rounding the last part makes a whole
// unit of the part before it, that unit is carried.
std::optional<ResultParts> LinearParts(UnitTable table, const Quantity& quantity,
                                       const ResultOptions& options);

// One value between Celsius, Fahrenheit and Kelvin by row (1, 2, 3); no
// part when either row is 0 ("-"), nullopt when the arithmetic fails.
std::optional<ResultParts> TemperatureParts(std::string_view value, int fromRow, int toRow,
                                            const ResultOptions& options);

// One value between the rows of a FormulaKind::Reciprocal category, in one
// exact division: an inverse row's value divides its factor. nullopt
// ("Error") when the value is not a number, a row is no unit, or a value
// of 0 would be inverted (0 mpg has no liters per 100 km).
std::optional<ResultParts> ReciprocalParts(const CategoryInfo& info, std::string_view value,
                                           int fromRow, int toRow, const ResultOptions& options);

// The parts for a category: nullopt ("Error") when every value is empty in a
// factor category; no parts for Prefixes.
std::optional<ResultParts> ConvertToParts(Category category, const Quantity& quantity,
                                          const ResultOptions& options);

// The text of the "Result" field for parts: each number formatted and
// followed by its unit's symbol.
std::string ResultText(Category category, const ResultParts& parts, const ResultOptions& options,
                       const platform::NumberSymbols& symbols);

// Exact conversion over a factor table, as the Result text.
std::string ConvertLinear(UnitTable table, const Quantity& quantity, const ResultOptions& options,
                          const platform::NumberSymbols& symbols);

// One temperature as the Result text; empty when either row is 0.
std::string ConvertTemperature(std::string_view value, int fromRow, int toRow,
                               const ResultOptions& options,
                               const platform::NumberSymbols& symbols);

// The whole action for a category: "Error" when every value field is empty
// in a factor category; nullopt for Prefixes, where the field is left as it
// was.
std::optional<std::string> Convert(Category category, const Quantity& quantity,
                                   const ResultOptions& options,
                                   const platform::NumberSymbols& symbols);

}  // namespace units
