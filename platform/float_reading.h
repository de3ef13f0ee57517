// Reading a number text as a floating-point value, for estimates only: exact
// conversions never go through floating point.
#pragma once

#include <optional>
#include <string_view>

namespace platform {

// Optional sign, digits with an optional fraction, an optional exponent,
// blanks around; "." is the point whatever the locale. nullopt when the text
// does not read completely as such a number.
std::optional<double> ReadFloat(std::string_view text);

}  // namespace platform
