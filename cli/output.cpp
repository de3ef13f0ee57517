#include "cli/output.h"

#include "units/command_line_tables.h"
#include "units/unit_lookup.h"

namespace cli {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// 1234567.5 as 1,234,567.5: the digits before the point only.
std::string GroupWholePart(const std::string& number, std::string_view separator) {
  const std::size_t start = number.starts_with('-') ? 1 : 0;
  std::size_t end = start;
  while (end < number.size() && IsDigit(number[end])) ++end;
  std::string grouped = number.substr(0, start);
  for (std::size_t i = start; i < end; ++i) {
    if (i > start && (end - i) % 3 == 0) grouped += separator;
    grouped += number[i];
  }
  return grouped + number.substr(end);
}

// Cutting must not look more precise than the result is: 8 ft, not 8.000 ft.
void DropPaddingZeros(std::string& number, std::string_view decimalSymbol) {
  const std::size_t point = number.find(decimalSymbol);
  if (point == std::string::npos) return;
  while (number.size() > point + decimalSymbol.size() && number.back() == '0') number.pop_back();
  if (number.size() == point + decimalSymbol.size()) number.erase(point);
}

std::string NumberText(const std::string& value, const OutputForm& form) {
  units::ResultOptions plain = form.options;
  plain.ThousandSeparators = false;
  std::string number = units::FormatResult(value, plain, form.symbols);
  if (!form.options.RoundUp && !form.options.ExponentForm)
    DropPaddingZeros(number, form.symbols.Decimal);
  if (form.options.ThousandSeparators) number = GroupWholePart(number, form.symbols.Thousand);
  return number;
}

// The unit after a part's number: a blank and the unit as it reads back,
// but an angle as people write it, its marks onto their numbers: 45°, and
// minutes and seconds after degrees (45° 30′ 15″). Alone, 30′ would read
// as feet, so there they go by their names.
std::string UnitAfter(units::Category category, const units::ResultParts& parts, std::size_t i) {
  const int row = parts[i].Row;
  if (category == units::Category::Angle) {
    const bool afterDegrees = i > 0 && parts.front().Row == units::AngleRow::Degrees;
    if (row == units::AngleRow::Degrees || afterDegrees)
      return std::string(units::RowAt(units::TableFor(category), row).Symbol);
  }
  return " " + std::string(units::TypedSymbol(category, row));
}

}  // namespace

std::string_view TrimResult(std::string_view text) {
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  return text;
}

std::string PartsText(units::Category category, const units::ResultParts& parts,
                      const OutputForm& form) {
  if (form.window)
    return std::string(TrimResult(units::ResultText(category, parts, form.options, form.symbols)));
  std::string text;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    if (!text.empty()) text += "  ";
    text += NumberText(parts[i].Value, form) + UnitAfter(category, parts, i);
  }
  return text;
}

}  // namespace cli
