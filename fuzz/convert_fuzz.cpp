// Arbitrary value texts, rows and options through the whole Convert action,
// the formatting and the key filter. Beyond not crashing, it checks what
// holds for any input: no failure of the arithmetic shows up as text in a
// result, a number formats as a number, and the filter only ever lets number characters through.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "decimal/bignum.h"
#include "platform/utf8.h"
#include "units/convert.h"
#include "units/result_format.h"
#include "units/value_input.h"

namespace {

constexpr std::size_t HeaderSize = 9;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool IsNumberKey(char32_t key) {
  return key == 0 || key == U'.' || key == U'-' || key == U'/' || key == units::Backspace ||
         (key >= U'0' && key <= U'9');
}

// Splits the rest of the input on NUL bytes into the three value texts.
units::Quantity ReadQuantity(const std::uint8_t* data, std::string_view rest) {
  units::Quantity quantity;
  for (int i = 0; i < units::TermCount; ++i) {
    const std::size_t end = rest.find('\0');
    quantity.Values[i] = std::string(rest.substr(0, end));
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
    quantity.From[i] = static_cast<std::int8_t>(data[3 + i]);
    quantity.To[i] = static_cast<std::int8_t>(data[6 + i]);
  }
  return quantity;
}

void CheckFilter(units::Category category, const std::string& text, std::string_view rest) {
  const auto key = platform::DecodeFirst(rest);
  if (!key) return;
  const units::KeyFilterResult result = units::FilterValueKey(category, text, key->codePoint);
  Require(IsNumberKey(result.Key));
  if (result.NewText)
    Require(category == units::Category::Temperature && *result.NewText == "-" + text);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < HeaderSize) return 0;
  const units::ResultOptions options{static_cast<std::int8_t>(data[1]), (data[0] & 1) != 0,
                                     (data[0] & 2) != 0, (data[0] & 4) != 0};
  const auto category = static_cast<units::Category>(1 + data[2] % units::LastEngineCategory);
  const std::string_view rest(reinterpret_cast<const char*>(data + HeaderSize), size - HeaderSize);
  const units::Quantity quantity = ReadQuantity(data, rest);
  const platform::NumberSymbols symbols{",", "\u202F"};

  const auto result = units::Convert(category, quantity, options, symbols);
  Require(result.has_value() == (category != units::Category::Prefixes));
  if (result) Require(result->find("bad") == std::string::npos);

  const std::string formatted = units::FormatResult(quantity.Values[0], options, symbols);
  Require(formatted.empty() == false);
  // Only a number text is sure to format; other text must merely not crash.
  const std::string& value = quantity.Values[0];
  if (value.size() <= decimal::MaxLength && decimal::IsValidNumber(value)) {
    Require(formatted.front() == '-' || (formatted.front() >= '0' && formatted.front() <= '9'));
  }

  const auto resolved = units::ResolveFraction(quantity.Values[1]);
  if (resolved && quantity.Values[1].find('/') != std::string::npos) {
    Require(resolved->size() <= 40);
  }

  CheckFilter(category, quantity.Values[0], quantity.Values[2]);
  return 0;
}
