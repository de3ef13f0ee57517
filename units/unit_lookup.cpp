#include "units/unit_lookup.h"

#include <algorithm>
#include <array>
#include <mutex>

#include "units/aliases.h"
#include "units/other_kinds.h"
#include "units/unit_index.h"
#include "units/unit_refusals.h"
#include "units/unit_spellings.h"

namespace units {
namespace {

using namespace lookup;

// The categories where every unit has a usual meaning.
std::vector<Category> Fits(const std::vector<std::vector<Meaning>>& meanings) {
  std::vector<Category> fits;
  for (const CategoryInfo& info : AllCategories()) {
    if (std::all_of(meanings.begin(), meanings.end(),
                    [&](const std::vector<Meaning>& m) { return UsualIn(info.Id, m); }))
      fits.push_back(info.Id);
  }
  return fits;
}

// The meanings of a unit written all in small letters or all in capitals,
// with those of its other case: "c" is cups and Celsius.
std::vector<Meaning> FindUnitInAnyCase(const std::string& typed) {
  const std::string text = Normalized(typed);
  Entries entries = Spelled(text);
  if (IsUniformCase(text)) TheIndexes().exactFolded.AppendTo(entries, Folded(text));
  return ToMeanings(entries);
}

// The kind all typed units are units of, among those not converted: "Hz"
// and "rpm" are both frequencies.
std::optional<std::string_view> SharedOtherKind(std::span<const std::string> typed) {
  const std::optional<std::string_view> kind = OtherKindOf(typed.front());
  const bool shared = std::all_of(typed.begin(), typed.end(), [&](const std::string& unit) {
    return OtherKindOf(unit) == kind;
  });
  return shared ? kind : std::nullopt;
}

// The one category all typed units fit, with the meanings taken there;
// otherwise the reason.
std::string SettleCategory(std::span<const std::string> typed,
                           std::vector<std::vector<Meaning>>& meanings, Category& category) {
  std::vector<Category> fits = Fits(meanings);
  if (fits.empty()) {
    if (const auto kind = SharedOtherKind(typed)) return OtherKindRefusal(typed, *kind);
    // "c" beside "f" is Celsius: where nothing fits, small letters may
    // stand for capitals too.
    std::vector<std::vector<Meaning>> anyCase;
    for (const std::string& unit : typed) anyCase.push_back(FindUnitInAnyCase(unit));
    fits = Fits(anyCase);
    if (fits.empty()) return NoSharedCategory(typed, meanings);
    meanings = std::move(anyCase);
  }
  if (fits.size() > 1) return SeveralCategories(fits);
  category = fits.front();
  return {};
}

// The row typed stands for in category; otherwise the reason.
std::string PickRow(Category category, const std::string& typed,
                    const std::vector<Meaning>& meanings, bool takeRare, int& row) {
  const std::vector<int> rows = RowsIn(category, meanings, takeRare);
  if (rows.empty()) return NotInCategory(category, typed, meanings);
  if (!std::all_of(rows.begin(), rows.end(), [&](int r) { return SameUnit(category, r, rows[0]); }))
    return Ambiguous(category, typed, rows);
  row = rows.front();
  return {};
}

// How results write each unit of a category: a Printed alias, else its
// symbol, else an alias, else its name, the first that reads back as it.
std::vector<std::string> BuildTypedSymbols(const CategoryInfo& info) {
  const auto readsBack = [&](std::string_view text, int row) {
    const std::vector<int> rows = RowsIn(info.Id, FindUnit(text), false);
    return !rows.empty() &&
           std::all_of(rows.begin(), rows.end(), [&](int r) { return SameUnit(info.Id, r, row); });
  };
  std::vector<std::string> forms(info.Table.size());
  for (std::size_t i = 0; i < info.Table.size(); ++i) {
    const UnitRow& row = info.Table[i];
    const int index = static_cast<int>(i);
    if (!IsUnitRow(index, row)) continue;
    std::vector<std::string_view> choices;
    for (const Alias& alias : Aliases())
      if (alias.In == info.Id && alias.Unit == row.Name && (alias.Flags & Printed))
        choices.push_back(alias.Text);
    if (!row.Symbol.empty()) choices.push_back(row.Symbol);
    for (const Alias& alias : Aliases())
      if (alias.In == info.Id && alias.Unit == row.Name) choices.push_back(alias.Text);
    choices.push_back(row.Name);
    const auto first = std::find_if(choices.begin(), choices.end(), [&](std::string_view choice) {
      return readsBack(choice, index);
    });
    if (first != choices.end()) forms[i] = std::string(*first);
  }
  return forms;
}

}  // namespace

std::vector<Meaning> FindUnit(std::string_view typed) {
  const std::string text = Normalized(typed);
  if (text.empty()) return {};
  return ToMeanings(Spelled(text));
}

std::string ChooseUnits(std::span<const std::string> typed, std::optional<Category> forced,
                        UnitChoice& choice) {
  std::vector<std::vector<Meaning>> meanings;
  for (const std::string& unit : typed) {
    meanings.push_back(FindUnit(unit));
    if (!meanings.back().empty()) continue;
    const auto kind = SharedOtherKind(typed);
    return kind ? OtherKindRefusal(typed, *kind) : UnknownUnit(unit);
  }
  if (forced) {
    choice.In = *forced;
  } else {
    std::string error = SettleCategory(typed, meanings, choice.In);
    if (!error.empty()) return error;
  }
  choice.Rows.assign(typed.size(), 0);
  for (std::size_t i = 0; i < typed.size(); ++i) {
    std::string error =
        PickRow(choice.In, typed[i], meanings[i], forced.has_value(), choice.Rows[i]);
    if (!error.empty()) return error;
  }
  return {};
}

std::string_view TypedSymbol(Category category, int row) {
  // Worked out for a category when first asked, then constant: a single
  // conversion needs one category's.
  static std::array<std::once_flag, LastCategory + 1> built;
  static std::array<std::vector<std::string>, LastCategory + 1> symbols;
  const CategoryInfo& info = Describe(category);
  const auto slot = static_cast<std::size_t>(info.Id);
  std::call_once(built[slot], [&] { symbols[slot] = BuildTypedSymbols(info); });
  const std::vector<std::string>& forms = symbols[slot];
  if (row < 0 || static_cast<std::size_t>(row) >= forms.size()) return {};
  return forms[static_cast<std::size_t>(row)];
}

int RowOfName(Category category, std::string_view name) { return RowNamed(category, name); }

std::vector<int> NamedAlike(Category category, int row) {
  const UnitTable table = TableFor(category);
  const std::string_view name = RowAt(table, row).Name;
  std::vector<int> alike;
  for (std::size_t i = 0; i < table.size(); ++i) {
    const std::string_view other = table[i].Name;
    if (!IsUnitRow(static_cast<int>(i), table[i]) || other == name ||
        !EqualIgnoringCase(PlainName(other), PlainName(name)))
      continue;
    const bool seen = std::any_of(alike.begin(), alike.end(),
                                  [&](int r) { return RowAt(table, r).Name == other; });
    if (!seen) alike.push_back(static_cast<int>(i));
  }
  return alike;
}

std::optional<Category> CategoryFromText(std::string_view text) {
  // "fuel-economy" and "fuel_economy" need no quoting in a shell.
  std::string spaced(text);
  std::replace_if(spaced.begin(), spaced.end(), [](char c) { return c == '-' || c == '_'; }, ' ');
  for (const CategoryInfo& info : AllCategories()) {
    const std::string_view bareCaption = info.Caption.substr(0, info.Caption.find('.'));
    if (text == std::to_string(static_cast<int>(info.Id)) || EqualIgnoringCase(spaced, info.Name) ||
        EqualIgnoringCase(text, info.Caption) || EqualIgnoringCase(text, bareCaption))
      return info.Id;
  }
  return std::nullopt;
}

std::vector<ListedUnit> UnitsOf(Category category) {
  std::vector<ListedUnit> listed;
  const UnitTable table = TableFor(category);
  for (std::size_t i = 0; i < table.size(); ++i) {
    const UnitRow& row = table[i];
    const int index = static_cast<int>(i);
    if (!IsUnitRow(index, row)) continue;
    const bool seen = std::any_of(listed.begin(), listed.end(),
                                  [&](const ListedUnit& unit) { return unit.Name == row.Name; });
    if (!seen) listed.push_back({index, row.Name, TypedSymbol(category, index)});
  }
  return listed;
}

std::size_t MaxUnitWords() { return TheIndexes().maxWords; }

}  // namespace units
