#include "cli/value_check.h"

#include <algorithm>

#include "platform/utf8.h"
#include "units/unit_lookup.h"
#include "units/value_input.h"

namespace cli {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Why the filter refused a character, in the user's terms.
std::string Refusal(units::Category category, std::string_view text, char32_t key) {
  switch (key) {
    case U'.':
    case U',':
      return "it has more than one decimal point";
    case U'/':
      return text.find('/') != std::string_view::npos ? "it has more than one '/'"
                                                      : "a '/' needs a number before it";
    case U'-':
      return category == units::Category::Temperature ? "it has more than one minus sign"
                                                      : "only temperatures can be negative";
    default:
      break;
  }
  if (key < 0x20 || key == 0x7f) return "it contains a control character";
  return "'" + platform::EncodeUtf8(key) +
         "' is not allowed (digits, one point and one '/' for a fraction)";
}

// A fraction's parts each need a digit, and the denominator a non-zero one.
std::string Incomplete(std::string_view text) {
  std::string_view number = text;
  if (!number.empty() && number.front() == '-') number.remove_prefix(1);
  const std::size_t slash = number.find('/');
  const std::string_view numerator = number.substr(0, slash);
  if (std::none_of(numerator.begin(), numerator.end(), IsDigit))
    return slash == std::string_view::npos ? "it is not a number" : "the fraction has no numerator";
  if (slash == std::string_view::npos) return {};
  const std::string_view denominator = number.substr(slash + 1);
  if (std::none_of(denominator.begin(), denominator.end(), IsDigit))
    return "the fraction has no denominator";
  if (std::none_of(denominator.begin(), denominator.end(),
                   [](char c) { return c >= '1' && c <= '9'; }))
    return "the fraction's denominator is zero";
  return {};
}

struct Magnitude {
  std::string_view whole;     // without leading zeros
  std::string_view fraction;  // without trailing zeros
};

Magnitude MagnitudeOf(std::string_view text) {
  const std::size_t point = std::min(text.find('.'), text.size());
  std::string_view whole = text.substr(0, point);
  std::string_view fraction = point < text.size() ? text.substr(point + 1) : std::string_view();
  while (!whole.empty() && whole.front() == '0') whole.remove_prefix(1);
  while (!fraction.empty() && fraction.back() == '0') fraction.remove_suffix(1);
  return {whole, fraction};
}

// Compares two magnitudes: -1, 0 or 1.
int CompareMagnitudes(std::string_view a, std::string_view b) {
  const Magnitude x = MagnitudeOf(a);
  const Magnitude y = MagnitudeOf(b);
  if (x.whole.size() != y.whole.size()) return x.whole.size() < y.whole.size() ? -1 : 1;
  if (const int c = x.whole.compare(y.whole); c != 0) return c < 0 ? -1 : 1;
  const int c = x.fraction.compare(y.fraction);
  return c < 0 ? -1 : c > 0 ? 1 : 0;
}

bool IsZero(std::string_view magnitude) {
  return magnitude.find_first_not_of("0.") == std::string_view::npos;
}

// Digits with at most one point (when allowed) and at least one digit.
bool IsDigitsAndPoint(std::string_view text, bool pointAllowed) {
  bool digit = false;
  bool point = false;
  for (const char c : text) {
    if (IsDigit(c)) {
      digit = true;
    } else if (c == '.' && pointAllowed && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return digit;
}

}  // namespace

bool IsBelow(std::string_view a, std::string_view b) {
  const bool aNegative = a.starts_with('-') && !IsZero(a.substr(1));
  const bool bNegative = b.starts_with('-') && !IsZero(b.substr(1));
  if (a.starts_with('-')) a.remove_prefix(1);
  if (b.starts_with('-')) b.remove_prefix(1);
  if (aNegative != bNegative) return aNegative;
  const int order = CompareMagnitudes(a, b);
  return aNegative ? order > 0 : order < 0;
}

std::string CheckAboveAbsoluteZero(std::string_view value, int row) {
  const std::string_view zero = units::AbsoluteZero(row);
  const std::optional<std::string> exact = units::ResolveFraction(value);
  if (zero.empty() || !exact || !IsBelow(*exact, zero)) return {};
  const std::string_view scale = units::TypedSymbol(units::Category::Temperature, row);
  return "temperature " + units::Quoted(value) + " " + std::string(scale) +
         " is below absolute zero (" + std::string(zero) + " " + std::string(scale) + ")";
}

std::string CheckInvertible(units::Category category, std::string_view value, int fromRow,
                            int toRow) {
  const units::CategoryInfo& info = units::Describe(category);
  if (info.Kind != units::FormulaKind::Reciprocal || fromRow <= 0 || toRow <= 0) return {};
  if ((fromRow >= info.FirstInverseRow) == (toRow >= info.FirstInverseRow)) return {};
  const std::optional<std::string> exact = units::ResolveFraction(value);
  if (!exact || !IsZero(*exact)) return {};
  return std::string(info.Noun) + " of " + units::Shortened(value) + " " +
         std::string(units::TypedSymbol(category, fromRow)) + " has no value in " +
         std::string(units::TypedSymbol(category, toRow)) +
         ": the one is the other's inverse, and 0 has none (give a value above 0)";
}

bool IsPlainNumber(units::Category category, std::string_view typed) {
  if (typed.size() > units::ValueFieldLimit) return false;
  if (category == units::Category::Temperature && typed.starts_with('-')) typed.remove_prefix(1);
  const std::size_t slash = typed.find('/');
  if (slash == std::string_view::npos) return IsDigitsAndPoint(typed, true);
  const std::string_view denominator = typed.substr(slash + 1);
  return IsDigitsAndPoint(typed.substr(0, slash), true) && IsDigitsAndPoint(denominator, false) &&
         denominator.find_first_not_of('0') != std::string_view::npos;
}

std::string CheckValue(units::Category category, std::string_view typed, std::string& fieldText,
                       const NumberReading& reading) {
  // A point reads otherwise only where "," is named the decimal symbol.
  const bool pointMayGroup =
      reading.namedDecimal == "," && typed.find('.') != std::string_view::npos;
  if (IsPlainNumber(category, typed) && !pointMayGroup) {
    fieldText = typed;
    return {};
  }
  std::string text;
  std::string error = ReadNumberText(typed, reading, text);
  if (!error.empty()) return error;
  // Read once: the text now has a point for its decimals and no grouping.
  if (text != typed) return CheckValue(category, text, fieldText, {});
  return CheckTypedValue(category, typed, fieldText);
}

std::string CheckTypedValue(units::Category category, std::string_view typed,
                            std::string& fieldText) {
  const std::string quoted = "value " + units::Quoted(typed) + ": ";
  std::string text;
  std::size_t characters = 0;
  for (std::string_view rest = typed; !rest.empty();) {
    const auto decoded = platform::DecodeFirst(rest);
    if (!decoded) return quoted + "it is not valid UTF-8 text";
    rest.remove_prefix(decoded->length);
    if (++characters > units::ValueFieldLimit)
      return quoted + "it is longer than " + std::to_string(units::ValueFieldLimit) + " characters";
    const units::KeyFilterResult filtered =
        units::FilterValueKey(category, text, decoded->codePoint);
    if (filtered.NewText) return quoted + "the minus sign must come first";
    if (filtered.Key == 0 || filtered.Key == units::Backspace)
      return quoted + Refusal(category, text, decoded->codePoint);
    text += platform::EncodeUtf8(filtered.Key);
  }
  std::string reason = Incomplete(text);
  if (!reason.empty()) return quoted + reason;
  fieldText = std::move(text);
  return {};
}

}  // namespace cli
