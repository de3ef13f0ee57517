// Numbers as people write them, before the value field's rules: vulgar
// fractions ("1½"), mixed numbers ("1 1/2"), and commas and points that
// group thousands or mark the decimals. A number with two readings ("2,500"
// is 2500 in one half of the world and 2.5 in the other) is never guessed:
// it reads only where the user named the decimal symbol.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace cli {

// What says how a comma reads.
struct NumberReading {
  // The decimal symbol the user named (--decimal-symbol, --thousand-separator,
  // --locale, --window-format, or a batch line's "symbols"); empty when none.
  std::string namedDecimal;
  // Whether the way to name it is a batch line's field, not an option.
  bool batch = false;
};

// Vulgar fractions as "N/D" ("½" as "1/2", "1½" as "1 1/2") and the
// fraction slash as "/".
std::string SpelledFractions(std::string_view text);

// "1" and "1/2" as the one fraction "3/2", when both are plain whole
// numbers; nothing when they are not a mixed number.
std::optional<std::string> MixedNumber(std::string_view whole, std::string_view fraction);

// The number with a point for its decimals and no grouping, a mixed number
// as one fraction. Empty on success, with text set; otherwise the reason,
// showing both readings and how to say which. Marks that fit no reading
// ("1,00,0") are left for the value field's rules to refuse.
std::string ReadNumberText(std::string_view typed, const NumberReading& reading, std::string& text);

}  // namespace cli
