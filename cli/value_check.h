// Values as the window's value field would take them, typed one character
// at a time through its key filter, and complete numbers only: the command
// line must not turn "3/" into a silent zero as the window does.
#pragma once

#include <string>
#include <string_view>

#include "cli/number_text.h"
#include "units/catalogue.h"

namespace cli {

// Empty when typed is a value of the category; fieldText then holds what
// the field would show ("1,5" as "1.5", "1½" as "3/2"). Otherwise the
// reason. A comma that may group thousands reads only as reading says.
std::string CheckValue(units::Category category, std::string_view typed, std::string& fieldText,
                       const NumberReading& reading = {});

// The same, typed one key at a time through the field's filter.
std::string CheckTypedValue(units::Category category, std::string_view typed,
                            std::string& fieldText);

// "12", "1.5", "1/3" (and "-40" for a temperature), as scripts write them:
// text the field holds as typed, which CheckValue takes without typing it.
bool IsPlainNumber(units::Category category, std::string_view typed);

// Empty when a temperature (a field text) on the scale of row is not below
// absolute zero; otherwise the reason.
std::string CheckAboveAbsoluteZero(std::string_view value, int row);

// Empty unless a value (a field text) of 0 would be inverted between rows
// of a reciprocal category: 0 mpg has no value in litres per 100 km.
std::string CheckInvertible(units::Category category, std::string_view value, int fromRow,
                            int toRow);

// a < b for decimal texts with an optional sign ("-1.5", ".5", "3.").
bool IsBelow(std::string_view a, std::string_view b);

}  // namespace cli
