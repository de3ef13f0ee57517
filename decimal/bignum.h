// Exact arithmetic on decimal text numbers: an optional leading "-", digits
// and at most one "." ('.5', '5.' and '-0' are all numbers). An operation
// that cannot give a result answers an empty optional; failure travels that
// way, never as text. Every call works on its own state, so calls may run
// side by side.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace decimal {

// Longest operand the operations accept.
inline constexpr std::size_t MaxLength = 255;

bool IsValidNumber(std::string_view text);

void RemovePoint(std::string& text);
void StripLeadingZeros(std::string& text);
void StripTrailingZeros(std::string& text);

// skipCheck: the caller vouches that both operands are numbers; the length
// limit holds either way.
std::optional<std::string> BigAdd(std::string_view a, std::string_view b, bool skipCheck = false);
std::optional<std::string> BigSub(std::string_view a, std::string_view b, bool skipCheck = false);
std::optional<std::string> BigMul(std::string_view a, std::string_view b, bool skipCheck = false);
// integerOnly: the whole part of the quotient only, cut toward zero. An
// endless quotient is cut at MaxLength characters.
std::optional<std::string> BigDiv(std::string_view a, std::string_view b, bool skipCheck = false,
                                  bool integerOnly = false);

}  // namespace decimal
