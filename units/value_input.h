// What may be typed into a value field, and how a typed fraction becomes a
// decimal text number.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "units/catalogue.h"

namespace units {

// A value field holds at most this many characters.
inline constexpr std::size_t ValueFieldLimit = 35;

inline constexpr char32_t Backspace = 8;

struct KeyFilterResult {
  // The character that goes on to the field; 0 when it is swallowed.
  char32_t Key = 0;
  // The field's new text when the filter replaced it (the minus sign, which
  // always goes to the front).
  std::optional<std::string> NewText;
};

// Decides on one typed character from the field's whole text, never from
// the caret: the point is "." (a typed "," becomes one), one "/" after a
// numerator, and "-" only for temperatures.
KeyFilterResult FilterValueKey(Category category, std::string_view text, char32_t key);

// The decimal value of "a/b", cut to 40 characters, or the text itself when
// it holds no "/". Empty for an unfinished fraction or a zero denominator.
std::optional<std::string> ResolveFraction(std::string_view text);

}  // namespace units
