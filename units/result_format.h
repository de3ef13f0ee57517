// Cutting an exact result to the chosen decimal places and writing it for
// the user, in the regional symbols.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/number_symbols.h"

namespace units {

inline constexpr int MaxPlaces = 30;
// Places value that asks RoundToPlaces for the whole part only.
inline constexpr int WholePart = -1;

struct ResultOptions {
  int Places = 3;  // 0 to MaxPlaces
  bool RoundUp = true;
  bool ThousandSeparators = true;
  bool ExponentForm = false;
};

// Cuts text to places decimals (WholePart: to its whole part, truncated
// toward zero), rounding half up on the one next digit when RoundUp is on.
// In exponent form the text is left for FormatResult to round as a mantissa,
// unless keepForExponent says this is that mantissa. Empty when rounding up
// would make the number too long for the arithmetic.
std::optional<std::string> RoundToPlaces(std::string_view text, int places, bool keepForExponent,
                                         const ResultOptions& options);

// The display text of a cut result: zeros trimmed or padded, scientific
// form with " E" exponent, grouping, regional symbols, sign.
std::string FormatResult(std::string_view text, const ResultOptions& options,
                         const platform::NumberSymbols& symbols);

}  // namespace units
