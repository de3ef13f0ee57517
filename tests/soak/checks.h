// What the soak asks of the texts the window shows.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "platform/number_symbols.h"
#include "units/catalogue.h"

namespace soak {

// Empty when the Result text is empty, "Error", or up to three parts of a
// number in the given symbols and a unit symbol of the category's table;
// else what is wrong with it.
std::optional<std::string> CheckResult(std::string_view text, units::Category category,
                                       const platform::NumberSymbols& symbols);

// How many UTF-16 units a UTF-8 text takes, as a field's text limit counts.
std::size_t Utf16Length(std::string_view text);

}  // namespace soak
