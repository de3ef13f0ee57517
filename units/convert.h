// The Convert action as pure functions: the three value texts and the
// chosen rows in, the text of the "Result" field out.
#pragma once

#include <array>
#include <optional>
#include <string>

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

// Exact conversion over a factor table. Unreadable terms count as zero;
// "Error" when there is no target unit or the arithmetic fails.
std::string ConvertLinear(UnitTable table, const Quantity& quantity, const ResultOptions& options,
                          const platform::NumberSymbols& symbols);

// One value between Celsius, Fahrenheit and Kelvin by row (1, 2, 3). Empty
// when either row is 0 ("-").
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
