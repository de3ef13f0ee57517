// Regional symbols from the thread locale, through the wide functions so
// that a separator outside the ANSI code page survives.
#include <windows.h>

#include "platform/number_symbols.h"

namespace platform {
namespace {

std::u32string FirstChar(LCTYPE item) {
  wchar_t buffer[8] = {};
  if (GetLocaleInfoW(GetThreadLocale(), item, buffer, 8) == 0) return {};
  const auto high = static_cast<char32_t>(buffer[0]);
  if (high == 0) return {};
  if (high >= 0xD800 && high <= 0xDBFF) {
    const auto low = static_cast<char32_t>(buffer[1]);
    if (low < 0xDC00 || low > 0xDFFF) return {};
    return std::u32string(1, 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00));
  }
  if (high >= 0xDC00 && high <= 0xDFFF) return {};
  return std::u32string(1, high);
}

}  // namespace

NumberSymbols ReadNumberSymbols() {
  NumberSymbols symbols;
  symbols.Decimal = FirstSymbolChar(FirstChar(LOCALE_SDECIMAL), ".");
  symbols.Thousand = FirstSymbolChar(FirstChar(LOCALE_STHOUSAND), ",");
  return symbols;
}

}  // namespace platform
