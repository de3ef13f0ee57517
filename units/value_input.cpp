#include "units/value_input.h"

#include "decimal/bignum.h"

namespace units {
namespace {

// A resolved fraction enters the exact arithmetic with about 39 significant
// decimals; longer would only slow every conversion down.
constexpr std::size_t FractionLength = 40;

constexpr KeyFilterResult Swallow{};

KeyFilterResult Pass(char32_t key) { return {key, std::nullopt}; }

bool Contains(std::string_view text, char c) { return text.find(c) != std::string_view::npos; }

// The length as the field counts it: in UTF-16 units, two for a character
// beyond the Basic Multilingual Plane.
std::size_t FieldLength(std::string_view text) {
  std::size_t count = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if ((byte & 0xC0) != 0x80) count += byte >= 0xF0 ? 2 : 1;
  }
  return count;
}

// The sign always goes to the front, wherever the caret is.
KeyFilterResult FilterMinus(Category category, std::string_view text) {
  if (category != Category::Temperature) return Swallow;
  if (Contains(text, '-') || FieldLength(text) >= ValueFieldLimit) return Swallow;
  if (text.empty()) return Pass(U'-');
  return {0, "-" + std::string(text)};
}

}  // namespace

KeyFilterResult FilterValueKey(Category category, std::string_view text, char32_t key) {
  if (key == U',') key = U'.';
  switch (key) {
    case U'.':
      return Contains(text, '.') ? Swallow : Pass(key);
    case U'-':
      return FilterMinus(category, text);
    case U'/':
      return Contains(text, '/') || text.empty() || text == "." ? Swallow : Pass(key);
    case Backspace:
      return Pass(key);
    default:
      return key >= U'0' && key <= U'9' ? Pass(key) : Swallow;
  }
}

std::optional<std::string> ResolveFraction(std::string_view text) {
  const std::size_t slash = text.find('/');
  if (slash == std::string_view::npos) return std::string(text);
  auto quotient = decimal::BigDiv(text.substr(0, slash), text.substr(slash + 1));
  if (quotient && quotient->size() > FractionLength) quotient->resize(FractionLength);
  return quotient;
}

}  // namespace units
