// Values as the window's value field would take them, typed one character
// at a time through its key filter, and complete numbers only: the command
// line must not turn "3/" into a silent zero as the window does.
#pragma once

#include <string>
#include <string_view>

#include "units/catalogue.h"

namespace cli {

// Empty when typed is a value of the category; fieldText then holds what
// the field would show ("," typed becomes "."). Otherwise the reason.
std::string CheckValue(units::Category category, std::string_view typed, std::string& fieldText);

// Whether a word on the command line is meant as a value rather than a unit.
bool LooksLikeValue(std::string_view word);

}  // namespace cli
