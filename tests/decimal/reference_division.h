// School long division on decimal texts, one quotient digit per step: the
// division the engine did before it worked on machine words, kept as the
// reference its answers are checked against. Slow and plain on purpose.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace reference {

// The answer decimal::BigDiv gives, by the old digit-by-digit route.
std::optional<std::string> BigDiv(std::string_view a, std::string_view b, bool skipCheck,
                                  bool integerOnly);

}  // namespace reference
