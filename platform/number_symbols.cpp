#include "platform/number_symbols.h"

#include "platform/utf8.h"

namespace platform {
namespace {

// A digit, a sign or a control character as a symbol would make the shown
// numbers unreadable, or misread.
bool IsUsableSymbol(char32_t c) {
  const bool digit = c >= U'0' && c <= U'9';
  const bool control = c < 0x20 || (c >= 0x7F && c < 0xA0);
  return !digit && !control && c != U'-' && c != U'+';
}

}  // namespace

std::string FirstSymbolChar(std::u32string_view symbol, std::string_view fallback) {
  if (symbol.empty() || !IsUsableSymbol(symbol.front())) return std::string(fallback);
  return EncodeUtf8(symbol.front());
}

const NumberSymbols& RegionalSymbols() {
  static const NumberSymbols symbols = ReadNumberSymbols();
  return symbols;
}

const std::string& DecimalSymbol() { return RegionalSymbols().Decimal; }

const std::string& ThousandSeparator() { return RegionalSymbols().Thousand; }

}  // namespace platform
