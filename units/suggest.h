// The "US" and "Metric" buttons: target units that suit the size of the
// quantity entered. Only the order of magnitude matters, so this is the one
// estimate made in floating point.
#pragma once

#include <array>
#include <string_view>

#include "units/catalogue.h"
#include "units/convert.h"

namespace units {

enum class UnitSystem { Us, Metric };

// The value of a number text, 0 when it is not one.
double ApproxNumber(std::string_view text);

// The entered quantity in the table's base units.
double ApproxBaseTotal(UnitTable table, const Quantity& quantity);

// Whether the buttons have units to offer in a category: the window's
// measured ones, not the command line's own.
bool OffersUnits(Category category);

// The rows for the three "Convert To" lists; 0 ("-") where nothing suits.
std::array<int, TermCount> SuggestUnits(UnitSystem system, Category category,
                                        const Quantity& quantity);

}  // namespace units
