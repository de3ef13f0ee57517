// zurmet-convert --help, and the lists of categories it and the refusals
// give, all taken from the descriptor and the alias table.
#pragma once

#include <string>

namespace cli {

// The whole --help text.
std::string HelpText();

// The categories with units to convert, in small letters: "length, area,
// ..., paper".
std::string ConvertedCategories();

// The categories where --us and --metric choose units, in small letters:
// "length, ..., speed and paper".
std::string SuggestingCategories();

// Every category by number: "1 Length, 2 Area, ..., 8 Paper".
std::string NumberedCategories();

}  // namespace cli
