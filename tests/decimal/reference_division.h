// School long division on decimal texts, written from what a quotient must
// be and sharing nothing with the engine: no function of decimal/, none of
// its normalisation, no limbs and no quotient estimate. A quotient digit is
// found by taking the divisor from the remainder as often as it goes. Slow
// and plain on purpose.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace reference {

// a ÷ b as decimal::BigDiv must write it, or nothing where it must fail.
std::optional<std::string> Quotient(std::string_view a, std::string_view b, bool integerOnly);

}  // namespace reference
