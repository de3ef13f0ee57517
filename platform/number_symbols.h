// The user's regional decimal symbol and thousand separator, used only to
// display results. Each is one character, kept as UTF-8.
#pragma once

#include <string>

namespace platform {

struct NumberSymbols {
  std::string Decimal = ".";
  std::string Thousand = ",";
};

// Reads the symbols from the system now: the thread locale on Windows, the
// locale of the environment (LC_ALL, LC_NUMERIC, LANG) elsewhere. A symbol
// the system does not give, or gives as something unusable, falls back to
// "." and ",".
NumberSymbols ReadNumberSymbols();

// The symbols as read once, at the first call; the program reads them at
// start and never again.
const NumberSymbols& RegionalSymbols();
const std::string& DecimalSymbol();
const std::string& ThousandSeparator();

// The first character of a system-given symbol, or fallback when there is
// none or it could be mistaken for part of a number.
std::string FirstSymbolChar(std::u32string_view symbol, std::string_view fallback);

}  // namespace platform
