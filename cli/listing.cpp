#include "cli/listing.h"

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

#include "cli/help.h"
#include "units/prefixes.h"
#include "units/unit_lookup.h"

namespace cli {
namespace {

// text and blanks to width characters (not bytes: "µ"), at least one blank.
std::string Padded(std::string_view text, std::size_t width) {
  const auto characters =
      static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
      }));
  return std::string(text) +
         std::string(std::max<std::size_t>(width - std::min(width, characters), 1), ' ');
}

void ListRows(units::Category category, std::ostream& out) {
  for (const units::ListedUnit& unit : units::UnitsOf(category)) {
    std::string row = std::to_string(unit.Row);
    row.insert(0, row.size() < 4 ? 4 - row.size() : 0, ' ');
    std::string name(unit.Name);
    name.resize(std::max<std::size_t>(name.size() + 2, 28), ' ');
    out << row << "  " << name << unit.Symbol << '\n';
  }
}

// As the window's Prefixes page shows it: large prefixes beside small ones.
void ListPrefixes(std::ostream& out) {
  for (const units::PrefixRow& row : units::MetricPrefixes())
    out << "  " << Padded(row.LargeName, 7) << Padded(row.LargeSymbol, 4)
        << Padded(row.LargePower, 9) << Padded(row.SmallName, 7) << Padded(row.SmallSymbol, 4)
        << row.SmallPower << '\n';
}

}  // namespace

int ListUnits(std::string_view category, std::ostream& out, const Reporter& report) {
  std::vector<units::Category> categories;
  if (category.empty()) {
    for (const units::CategoryInfo& info : units::AllCategories()) categories.push_back(info.Id);
  } else if (auto named = units::CategoryFromText(category)) {
    categories.push_back(*named);
  } else {
    return report.Usage("unknown category " + units::Quoted(category) +
                        " (the categories: " + ConvertedCategories() + ")");
  }
  for (units::Category listed : categories) {
    out << units::CategoryName(listed) << '\n';
    if (units::Describe(listed).Measured)
      ListRows(listed, out);
    else
      ListPrefixes(out);
  }
  return ExitResult;
}

}  // namespace cli
