#include "units/result_format.h"

#include <algorithm>
#include <utility>

#include "decimal/bignum.h"

namespace units {
namespace {

// Grouping is done on ASCII with stand-ins, so that a separator of several
// UTF-8 bytes is inserted whole and positions stay character positions.
constexpr char PointMark = '.';
constexpr char ThousandMark = '\x01';
constexpr char FractionMark = '\x02';

constexpr std::size_t RoundingOperandLength = 250;

bool HasPoint(std::string_view text) { return text.find('.') != std::string_view::npos; }

// '.001' for three places, '1' for none.
std::string RoundingIncrement(int places) {
  if (places == 0) return "1";
  return "." + std::string(static_cast<std::size_t>(places - 1), '0') + "1";
}

// Adds the increment when the one digit after the last kept place is 5 or
// more; digits further right are not looked at.
bool RoundHalfUp(std::string& magnitude, int places) {
  const std::size_t decider = magnitude.find('.') + static_cast<std::size_t>(places) + 1;
  if (decider >= magnitude.size() || magnitude[decider] <= '4') return true;
  auto rounded = decimal::BigAdd(std::string_view(magnitude).substr(0, RoundingOperandLength),
                                 RoundingIncrement(places));
  if (!rounded) return false;
  magnitude = std::move(*rounded);
  return true;
}

void CutToPlaces(std::string& magnitude, int places) {
  const std::size_t point = magnitude.find('.');
  if (point == std::string::npos) return;
  const std::size_t cut =
      places == WholePart ? point : point + static_cast<std::size_t>(places) + 1;
  if (cut < magnitude.size()) magnitude.erase(cut);
}

struct Mantissa {
  std::string digits;  // one digit, the point, the rest
  int exponent = 0;
};

// '123.45' is 1.2345 E2, '.00123' is 1.23 E-3.
Mantissa ToMantissa(std::string text) {
  decimal::StripLeadingZeros(text);
  std::size_t point = text.find('.');
  if (point == std::string::npos) {
    text += ".0";
    point = text.size() - 2;
  }
  Mantissa result;
  if (text.front() == '0' || text.front() == '.') {
    const std::size_t first = text.find_first_not_of("0.");
    const std::size_t significant = first == std::string::npos ? text.size() : first;
    result.exponent = static_cast<int>(point) - static_cast<int>(significant);
  } else {
    result.exponent = static_cast<int>(point) - 1;
  }
  decimal::RemovePoint(text);
  decimal::StripLeadingZeros(text);
  text.insert(1, ".");
  result.digits = std::move(text);
  return result;
}

// Rounds the mantissa to the chosen places; when rounding carries into a new
// digit (9.9996 to 10.000) the point moves left and the exponent up.
std::string ScientificForm(const std::string& text, const ResultOptions& options,
                           std::string& suffix) {
  if (text == "0") {
    suffix = " E0";
    return text;
  }
  Mantissa mantissa = ToMantissa(text);
  // Rounding a mantissa fails only for a text that is no number, which
  // keeps its digits as they are.
  std::string rounded =
      RoundToPlaces(mantissa.digits, options.Places, true, options).value_or(mantissa.digits);
  std::string& digits = mantissa.digits;
  const std::size_t point = digits.find('.');
  // The point is never first for a number text; the guard is for any other.
  if (options.RoundUp && rounded.find('.') != point && point != 0 && point != std::string::npos) {
    digits.erase(point, 1);
    digits.insert(point - 1, ".");
    rounded = RoundToPlaces(digits, options.Places, true, options).value_or(digits);
    ++mantissa.exponent;
  }
  suffix = " E" + std::to_string(mantissa.exponent);
  return rounded;
}

void PadPlaces(std::string& text, int places) {
  if (!HasPoint(text)) text += '.';
  const std::size_t decimals = text.size() - text.find('.') - 1;
  if (decimals < static_cast<std::size_t>(places)) {
    text.append(static_cast<std::size_t>(places) - decimals, '0');
  }
}

// Decimals in threes from the point, then whole digits in threes from it.
void GroupDigits(std::string& text) {
  std::size_t point = text.find(PointMark);
  if (point != std::string::npos) {
    for (std::size_t j = point + 1; j + 4 <= text.size(); j += 4) {
      text.insert(j + 3, 1, FractionMark);
    }
  }
  point = text.find(PointMark);
  for (std::size_t j = point == std::string::npos ? text.size() : point; j > 3; j -= 3) {
    text.insert(j - 3, 1, ThousandMark);
  }
}

std::string ReplaceMarks(std::string_view text, const platform::NumberSymbols& symbols,
                         std::string_view fractionSeparator) {
  std::string out;
  for (const char c : text) {
    if (c == PointMark) {
      out += symbols.Decimal;
    } else if (c == ThousandMark) {
      out += symbols.Thousand;
    } else if (c == FractionMark) {
      out += fractionSeparator;
    } else {
      out += c;
    }
  }
  return out;
}

// Removes the sign and the forms '.', '.5' and '5.' that the arithmetic
// gives, so that what is left is plain digits with an inner point.
std::string PlainMagnitude(std::string_view text, bool& negative) {
  std::string s(text);
  negative = !s.empty() && s.front() == '-';
  if (negative) s.erase(0, 1);
  if (s.empty() || s == ".") return "0";
  if (s.front() == '.') s.insert(0, "0");
  if (s.back() == '.') s.pop_back();
  // A zero written as '0.0' or '000' is zero too; the exponent form would
  // otherwise show it as '0.000 E-1'.
  if (s.find_first_not_of("0.") == std::string::npos) return "0";
  return s;
}

}  // namespace

std::optional<std::string> RoundToPlaces(std::string_view text, int places, bool keepForExponent,
                                         const ResultOptions& options) {
  places = std::clamp(places, WholePart, MaxPlaces);
  if (options.ExponentForm && places != WholePart && !keepForExponent) return std::string(text);
  if (text.empty()) return "0";
  if (!HasPoint(text)) return std::string(text);

  std::string magnitude(text);
  decimal::StripLeadingZeros(magnitude);
  const bool negative = magnitude.front() == '-';
  if (negative) {
    magnitude.erase(0, 1);
    decimal::StripLeadingZeros(magnitude);
  }
  if (!HasPoint(magnitude)) return (negative ? "-" : "") + (magnitude.empty() ? "0" : magnitude);
  if (options.RoundUp && places != WholePart && !RoundHalfUp(magnitude, places)) {
    return std::nullopt;
  }
  CutToPlaces(magnitude, places);
  if (magnitude.empty()) magnitude = "0";
  return negative ? "-" + magnitude : magnitude;
}

std::string FormatResult(std::string_view text, const ResultOptions& options,
                         const platform::NumberSymbols& symbols) {
  const int places = std::clamp(options.Places, 0, MaxPlaces);
  bool negative = false;
  std::string s = PlainMagnitude(text, negative);

  std::string suffix;
  if (options.ExponentForm) s = ScientificForm(s, options, suffix);
  if (!HasPoint(s)) s += '.';
  decimal::StripTrailingZeros(s);
  if (!options.RoundUp || options.ExponentForm) PadPlaces(s, places);
  if (s.back() == '.') s.pop_back();

  if (options.ThousandSeparators) GroupDigits(s);
  if (negative && s != "0") s.insert(0, "-");
  const std::string_view fractionSeparator =
      options.ExponentForm ? std::string_view(" ") : std::string_view(symbols.Thousand);
  return ReplaceMarks(s, symbols, fractionSeparator) + suffix;
}

}  // namespace units
