#include "cli/number_text.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <limits>
#include <vector>

namespace cli {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

std::optional<std::uint64_t> WholeNumber(std::string_view text) {
  std::uint64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

struct VulgarFraction {
  std::string_view sign;
  std::string_view fraction;
};

constexpr VulgarFraction VulgarFractions[] = {
    {"\u00bd", "1/2"}, {"\u2153", "1/3"}, {"\u2154", "2/3"},  {"\u00bc", "1/4"}, {"\u00be", "3/4"},
    {"\u2155", "1/5"}, {"\u2156", "2/5"}, {"\u2157", "3/5"},  {"\u2158", "4/5"}, {"\u2159", "1/6"},
    {"\u215a", "5/6"}, {"\u2150", "1/7"}, {"\u215b", "1/8"},  {"\u215c", "3/8"}, {"\u215d", "5/8"},
    {"\u215e", "7/8"}, {"\u2151", "1/9"}, {"\u2152", "1/10"}, {"\u2044", "/"},
};

// Thousands grouped by mark: "1,000,000", "12.345"; the digits, or nothing.
std::optional<std::string> Ungrouped(std::string_view whole, char mark) {
  std::string digits;
  std::size_t groups = 0;
  for (std::size_t start = 0; start <= whole.size(); ++groups) {
    const std::size_t end = std::min(whole.find(mark, start), whole.size());
    const std::string_view group = whole.substr(start, end - start);
    const bool fits = groups == 0 ? group.size() >= 1 && group.size() <= 3 : group.size() == 3;
    if (!fits || !AllDigits(group)) return std::nullopt;
    digits += group;
    start = end + 1;
  }
  return digits;
}

std::string OtherMark(char mark) { return mark == ',' ? "." : ","; }

std::string HowToSay(const NumberReading& reading) {
  return reading.batch ? "\"symbols\":{\"decimal\":\".\"} or {\"decimal\":\",\",\"thousand\":\".\"}"
                       : "--decimal-symbol . or --decimal-symbol ,";
}

// A number with one comma or point. The decimal symbol, unless three
// digits follow a short whole part, where it may as well group thousands;
// a point is the program's decimal point unless "," is named the decimal
// symbol.
std::string ReadOneMark(std::string_view number, std::size_t at, const NumberReading& reading,
                        std::string& text) {
  const std::string_view named = reading.namedDecimal;
  const std::string_view whole = number.substr(0, at);
  const std::string_view fraction = number.substr(at + 1);
  const bool twoReadings = AllDigits(whole) && whole.size() <= 3 && whole != "0" &&
                           fraction.size() == 3 && AllDigits(fraction);
  const std::string grouped = std::string(whole) + std::string(fraction);
  if (number[at] == '.') {
    if (twoReadings && named == ",") text = grouped;
    return {};
  }
  if (!twoReadings || named == ",") {
    text[at] = '.';
    return {};
  }
  if (named == ".") {
    text = grouped;
    return {};
  }
  std::string_view decimals = fraction;
  while (!decimals.empty() && decimals.back() == '0') decimals.remove_suffix(1);
  const std::string decimal =
      std::string(whole) + (decimals.empty() ? "" : "." + std::string(decimals));
  return "value '" + std::string(number) + "' is " + grouped + " where ',' groups thousands and " +
         decimal + " where it is the decimal symbol: write " + grouped + " or " + decimal +
         " (or say which with " + HowToSay(reading) + ")";
}

// A number with several marks: a mark that repeats, or comes before the
// other, groups thousands; the last mark is the decimal symbol when it
// differs. Marks in no such order are left for the field to refuse.
std::string ReadSeveralMarks(std::string_view number, bool mixed, const NumberReading& reading,
                             std::string& text) {
  const std::size_t last = number.find_last_of(",.");
  const char group = mixed ? OtherMark(number[last]).front() : number[last];
  const auto digits = Ungrouped(mixed ? number.substr(0, last) : number, group);
  if (!digits || (mixed && number.find(number[last]) != last)) return {};
  const std::string read = *digits + (mixed ? "." + std::string(number.substr(last + 1)) : "");
  if (reading.namedDecimal == std::string(1, group))
    return "value '" + std::string(number) + "' groups thousands with '" + std::string(1, group) +
           "', but the decimal symbol named is '" + reading.namedDecimal + "': write it as " +
           read;
  text = read;
  return {};
}

// One number without sign or "/": its marks read, or the reason it has two
// readings or none the named symbol allows.
std::string ReadMarks(std::string_view number, const NumberReading& reading, std::string& text) {
  const std::size_t commas = std::count(number.begin(), number.end(), ',');
  const std::size_t points = std::count(number.begin(), number.end(), '.');
  text = number;
  if (commas + points == 0) return {};
  if (commas + points == 1) return ReadOneMark(number, number.find_first_of(",."), reading, text);
  return ReadSeveralMarks(number, commas > 0 && points > 0, reading, text);
}

}  // namespace

std::string SpelledFractions(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size();) {
    const auto vulgar =
        std::find_if(std::begin(VulgarFractions), std::end(VulgarFractions),
                     [&](const VulgarFraction& v) { return text.substr(i).starts_with(v.sign); });
    if (vulgar == std::end(VulgarFractions)) {
      out += text[i++];
      continue;
    }
    // "1½": a whole number and a fraction, as "1 1/2".
    if (vulgar->fraction != "/" && !out.empty() && IsDigit(out.back())) out += ' ';
    out += vulgar->fraction;
    i += vulgar->sign.size();
  }
  return out;
}

std::optional<std::string> MixedNumber(std::string_view whole, std::string_view fraction) {
  const bool negative = whole.starts_with('-');
  if (negative) whole.remove_prefix(1);
  const std::size_t slash = fraction.find('/');
  if (!AllDigits(whole) || slash == std::string_view::npos ||
      !AllDigits(fraction.substr(0, slash)) || !AllDigits(fraction.substr(slash + 1)))
    return std::nullopt;
  const auto w = WholeNumber(whole);
  const auto n = WholeNumber(fraction.substr(0, slash));
  const auto d = WholeNumber(fraction.substr(slash + 1));
  if (!w || !n || !d) return std::nullopt;
  constexpr std::uint64_t Most = std::numeric_limits<std::uint64_t>::max();
  if (*d != 0 && *w > (Most - *n) / *d) return std::nullopt;
  const std::uint64_t numerator = *w * *d + *n;
  return (negative ? "-" : "") + std::to_string(numerator) + "/" + std::to_string(*d);
}

std::string ReadNumberText(std::string_view typed, const NumberReading& reading,
                           std::string& text) {
  std::string spelled = SpelledFractions(typed);
  // "1 1/2", as a batch line writes it.
  if (const std::size_t blank = spelled.find(' '); blank != std::string::npos) {
    if (auto mixed = MixedNumber(spelled.substr(0, blank), spelled.substr(blank + 1)))
      spelled = std::move(*mixed);
  }
  std::string_view rest = spelled;
  text.clear();
  if (rest.starts_with('-')) {
    text += '-';
    rest.remove_prefix(1);
  }
  const std::size_t slash = rest.find('/');
  for (std::string_view part :
       {rest.substr(0, slash),
        slash == std::string_view::npos ? std::string_view() : rest.substr(slash)}) {
    const bool denominator = part.starts_with('/');
    if (denominator) part.remove_prefix(1);
    std::string read;
    std::string error = ReadMarks(part, reading, read);
    if (!error.empty()) return error;
    text += (denominator ? "/" : "") + read;
  }
  return {};
}

}  // namespace cli
