#include "checks.h"

#include <vector>

namespace soak {

namespace {

std::vector<std::string_view> Split(std::string_view text, std::string_view separator) {
  std::vector<std::string_view> pieces;
  for (;;) {
    const std::size_t at = text.find(separator);
    pieces.push_back(text.substr(0, at));
    if (at == std::string_view::npos) return pieces;
    text.remove_prefix(at + separator.size());
  }
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text)
    if (c < '0' || c > '9') return false;
  return true;
}

// Plain digits, or digits in groups of three with the separator between; the
// whole part's first group or the fraction's last may be shorter.
bool GroupedDigits(std::string_view text, std::string_view separator, bool shortFirst) {
  if (AllDigits(text)) return true;
  const std::vector<std::string_view> groups = Split(text, separator);
  if (groups.size() < 2) return false;
  for (std::size_t i = 0; i < groups.size(); ++i) {
    const bool mayBeShort = shortFirst ? i == 0 : i + 1 == groups.size();
    const std::size_t size = groups[i].size();
    if (!AllDigits(groups[i]) || size > 3 || (!mayBeShort && size != 3)) return false;
  }
  return true;
}

bool Number(std::string_view text, const platform::NumberSymbols& symbols) {
  if (!text.empty() && text.front() == '-') text.remove_prefix(1);
  std::string_view fractionSeparator = symbols.Thousand;
  const std::size_t exponent = text.rfind(" E");
  if (exponent != std::string_view::npos) {
    std::string_view power = text.substr(exponent + 2);
    if (!power.empty() && power.front() == '-') power.remove_prefix(1);
    if (!AllDigits(power)) return false;
    text = text.substr(0, exponent);
    fractionSeparator = " ";
  }
  const std::vector<std::string_view> halves = Split(text, symbols.Decimal);
  if (halves.size() > 2) return false;
  if (exponent != std::string_view::npos && halves[0].size() != 1) return false;
  if (!GroupedDigits(halves[0], symbols.Thousand, true)) return false;
  return halves.size() == 1 || GroupedDigits(halves[1], fractionSeparator, false);
}

std::vector<std::string_view> SymbolsOf(units::Category category) {
  if (category == units::Category::Temperature) return {"C", "F", "K"};
  std::vector<std::string_view> symbols;
  for (const units::UnitRow& row : units::TableFor(category))
    if (!row.Symbol.empty()) symbols.push_back(row.Symbol);
  return symbols;
}

bool Part(std::string_view part, const std::vector<std::string_view>& unitSymbols,
          const platform::NumberSymbols& symbols) {
  for (std::string_view unit : unitSymbols) {
    if (part.size() <= unit.size() + 1 || !part.ends_with(unit)) continue;
    const std::string_view number = part.substr(0, part.size() - unit.size());
    if (number.back() == ' ' && Number(number.substr(0, number.size() - 1), symbols)) return true;
  }
  return false;
}

}  // namespace

std::optional<std::string> CheckResult(std::string_view text, units::Category category,
                                       const platform::NumberSymbols& symbols) {
  if (text.empty() || text == "Error") return std::nullopt;
  const std::string shown = "Result \"" + std::string(text) + "\"";
  const units::CategoryInfo& page = units::Describe(category);
  if (!page.Measured) return shown + " came on the " + std::string(page.Name) + " page";
  std::vector<std::string_view> parts = Split(text, "  ");
  const bool oneScale = page.TargetUnits == 1;
  // A result in fewer than three units ends in the separator of a next one.
  if (!oneScale && parts.size() > 1 && parts.back().empty()) parts.pop_back();
  if (parts.size() > (oneScale ? 1u : 3u)) return shown + " has too many parts";
  const std::vector<std::string_view> unitSymbols = SymbolsOf(category);
  for (std::string_view part : parts)
    if (!Part(part, unitSymbols, symbols))
      return shown + ": \"" + std::string(part) + "\" is no number and unit of " +
             std::string(units::CategoryName(category));
  return std::nullopt;
}

std::size_t Utf16Length(std::string_view text) {
  std::size_t units = 0;
  for (unsigned char c : text) {
    if ((c & 0xC0) == 0x80) continue;
    units += c >= 0xF0 ? 2 : 1;  // beyond the basic plane: a surrogate pair
  }
  return units;
}

}  // namespace soak
