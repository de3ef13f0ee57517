#include "cli/unit_lookup.h"

#include <algorithm>

namespace cli {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// One blank between words, none around them, so that "sq  ft", "sq ft" and
// the table's "drams  (ap)" compare the way people read them.
std::string Collapsed(std::string_view text, bool lower) {
  std::string out;
  bool pendingBlank = false;
  for (char c : text) {
    if (IsBlank(c)) {
      pendingBlank = !out.empty();
      continue;
    }
    if (pendingBlank) out += ' ';
    pendingBlank = false;
    out += lower ? Lower(c) : c;
  }
  return out;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return Lower(x) == Lower(y); });
}

// Placeholder, heading and blank rows are list items, not units.
bool IsUnitRow(int index, const units::UnitRow& row) {
  return index > 0 && !row.Name.empty() && row.Factor != "0";
}

// The categories that have units, in number order.
const std::vector<units::Category>& Measured() {
  static const std::vector<units::Category> measured = [] {
    std::vector<units::Category> list;
    for (const units::CategoryInfo& info : units::AllCategories())
      if (info.Measured) list.push_back(info.Id);
    return list;
  }();
  return measured;
}

std::string_view SymbolOf(units::Category category, int index, const units::UnitRow& row) {
  return category == units::Category::Temperature ? TemperatureLetter(index) : row.Symbol;
}

template <typename Match>
bool Collect(UnitCandidates& found, Match match) {
  bool any = false;
  for (units::Category category : Measured()) {
    const units::UnitTable table = units::TableFor(category);
    for (int i = 0; i < static_cast<int>(table.size()); ++i) {
      const units::UnitRow& row = table[static_cast<std::size_t>(i)];
      if (IsUnitRow(i, row) && match(category, i, row)) {
        found.Rows[static_cast<std::size_t>(category)].push_back(i);
        any = true;
      }
    }
  }
  return any;
}

}  // namespace

bool UnitCandidates::Any() const {
  return std::any_of(Rows.begin(), Rows.end(), [](const auto& rows) { return !rows.empty(); });
}

bool UnitCandidates::In(units::Category category) const {
  return !Rows[static_cast<std::size_t>(category)].empty();
}

std::string_view TemperatureLetter(int row) {
  switch (row) {
    case units::Celsius:
      return "C";
    case units::Fahrenheit:
      return "F";
    case units::Kelvin:
      return "K";
    default:
      return "";
  }
}

UnitCandidates FindUnit(std::string_view typed) {
  const std::string name = Collapsed(typed, true);
  const std::string symbol = Collapsed(typed, false);
  UnitCandidates found;
  if (symbol.empty()) return found;
  const bool exact =
      Collect(found, [&](units::Category category, int i, const units::UnitRow& row) {
        return Collapsed(row.Name, true) == name || SymbolOf(category, i, row) == symbol;
      });
  if (!exact) {
    Collect(found, [&](units::Category category, int i, const units::UnitRow& row) {
      return EqualIgnoringCase(SymbolOf(category, i, row), symbol);
    });
  }
  return found;
}

std::string PickRow(units::Category category, std::string_view typed,
                    const UnitCandidates& candidates, int& row) {
  const auto& rows = candidates.Rows[static_cast<std::size_t>(category)];
  if (rows.empty())
    return "'" + std::string(typed) + "' is not a unit of " +
           std::string(units::CategoryName(category));
  const units::UnitTable table = units::TableFor(category);
  const std::string_view factor = units::RowAt(table, rows.front()).Factor;
  const bool sameSize = std::all_of(rows.begin(), rows.end(),
                                    [&](int r) { return units::RowAt(table, r).Factor == factor; });
  if (sameSize) {
    row = rows.front();
    return {};
  }
  std::vector<std::string_view> names;
  for (int r : rows) {
    const std::string_view name = units::RowAt(table, r).Name;
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  std::string message = "'" + std::string(typed) + "' is ambiguous in " +
                        std::string(units::CategoryName(category)) + "; it could mean: ";
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (i > 0) message += ", ";
    message += "\"" + std::string(names[i]) + "\"";
  }
  return message + ". Name the unit instead.";
}

std::string SettleCategory(std::span<const std::string> typed,
                           std::span<const UnitCandidates> candidates,
                           std::optional<units::Category> forced, units::Category& out) {
  if (forced) {
    for (std::size_t i = 0; i < candidates.size(); ++i) {
      if (!candidates[i].In(*forced))
        return "'" + typed[i] + "' is not a unit of " + std::string(units::CategoryName(*forced));
    }
    out = *forced;
    return {};
  }
  std::vector<units::Category> fits;
  for (units::Category category : Measured()) {
    if (std::all_of(candidates.begin(), candidates.end(),
                    [&](const UnitCandidates& c) { return c.In(category); }))
      fits.push_back(category);
  }
  if (fits.size() == 1) {
    out = fits.front();
    return {};
  }
  std::string message;
  if (fits.empty()) {
    message = "no category has all of these units:";
    for (const std::string& unit : typed) message += " '" + unit + "'";
    return message;
  }
  message = "the units fit more than one category (";
  for (std::size_t i = 0; i < fits.size(); ++i) {
    if (i > 0) message += ", ";
    message += std::string(units::CategoryName(fits[i]));
  }
  return message + "); choose one with --category";
}

std::optional<units::Category> CategoryFromText(std::string_view text) {
  for (int number = units::FirstCategory; number <= units::LastCategory; ++number) {
    const units::Category category = *units::CategoryFromNumber(number);
    std::string_view caption = units::CategoryCaption(category);
    const std::string_view bareCaption = caption.substr(0, caption.find('.'));
    if (text == std::to_string(number) || EqualIgnoringCase(text, units::CategoryName(category)) ||
        EqualIgnoringCase(text, caption) || EqualIgnoringCase(text, bareCaption))
      return category;
  }
  return std::nullopt;
}

std::vector<ListedUnit> UnitsOf(units::Category category) {
  std::vector<ListedUnit> listed;
  const units::UnitTable table = units::TableFor(category);
  for (int i = 0; i < static_cast<int>(table.size()); ++i) {
    const units::UnitRow& row = table[static_cast<std::size_t>(i)];
    if (!IsUnitRow(i, row)) continue;
    const bool seen = std::any_of(listed.begin(), listed.end(),
                                  [&](const ListedUnit& unit) { return unit.Name == row.Name; });
    if (!seen) listed.push_back({row.Name, SymbolOf(category, i, row)});
  }
  return listed;
}

std::size_t MaxUnitWords() {
  static const std::size_t most = [] {
    std::size_t words = 1;
    for (units::Category category : Measured()) {
      for (const units::UnitRow& row : units::TableFor(category)) {
        for (std::string_view text : {row.Name, row.Symbol}) {
          const std::string collapsed = Collapsed(text, false);
          words =
              std::max<std::size_t>(words, 1 + std::count(collapsed.begin(), collapsed.end(), ' '));
        }
      }
    }
    return words;
  }();
  return most;
}

}  // namespace cli
