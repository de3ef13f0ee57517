#include "units/unit_refusals.h"

#include <algorithm>

#include "units/other_kinds.h"

namespace units::lookup {
namespace {

std::string QuotedName(Category category, int row) {
  return "\"" + std::string(RowAt(TableFor(category), row).Name) + "\"";
}

// "a weight (milligrams)" or "an area (townships (survey)) or a capacity
// (teaspoons (US))".
std::string WhatItIs(const std::vector<Meaning>& meanings) {
  std::string text;
  for (const CategoryInfo& info : AllCategories()) {
    const std::vector<int> rows = RowsIn(info.Id, meanings, false);
    if (rows.empty()) continue;
    if (!text.empty()) text += " or ";
    text += std::string(info.Noun) + " (" + QuotedName(info.Id, rows.front()) + ")";
  }
  return text;
}

// Where a unit exists in the other's category only as a rare meaning, the
// way to ask for that one.
std::string RareHint(const std::string& typed, const std::vector<Meaning>& meanings,
                     const std::vector<Meaning>& other) {
  std::string hint;
  std::vector<std::string_view> named;
  for (const Meaning& m : meanings) {
    if (m.How != Standing::Rare || !UsualIn(m.In, other)) continue;
    const std::string_view symbol = TypedSymbol(m.In, m.Row);
    if (std::find(named.begin(), named.end(), symbol) != named.end()) continue;
    hint += (named.empty() ? "; for " + std::string(Describe(m.In).Noun) + " write " : " or ") +
            Quoted(symbol);
    named.push_back(symbol);
  }
  return hint.empty() ? hint : hint + " instead of " + Quoted(typed);
}

}  // namespace

std::string NoSharedCategory(std::span<const std::string> typed,
                             const std::vector<std::vector<Meaning>>& meanings) {
  for (std::size_t i = 0; i < typed.size(); ++i) {
    for (std::size_t j = i + 1; j < typed.size(); ++j) {
      const bool shared = std::any_of(
          AllCategories().begin(), AllCategories().end(), [&](const CategoryInfo& info) {
            return UsualIn(info.Id, meanings[i]) && UsualIn(info.Id, meanings[j]);
          });
      if (shared) continue;
      std::string hint = RareHint(typed[i], meanings[i], meanings[j]);
      if (hint.empty()) hint = RareHint(typed[j], meanings[j], meanings[i]);
      return Quoted(typed[i]) + " is " + WhatItIs(meanings[i]) + " and " + Quoted(typed[j]) +
             " is " + WhatItIs(meanings[j]) + ": only units of one kind convert into each other" +
             hint;
    }
  }
  std::string message = "no category has all of these units:";
  for (const std::string& unit : typed) message += " " + Quoted(unit);
  return message;
}

// "length, area, ... and paper": what the command line converts, from the
// descriptor.
std::string ConvertedKinds() {
  std::vector<std::string> names;
  for (const CategoryInfo& info : AllCategories())
    if (info.Measured) names.push_back(Folded(info.Name));
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i)
    text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  return text;
}

std::string OtherKindRefusal(std::span<const std::string> typed, std::string_view kind) {
  std::string units;
  for (std::size_t i = 0; i < typed.size(); ++i)
    units += (i == 0 ? "" : i + 1 == typed.size() ? " and " : ", ") + Quoted(typed[i]);
  return units + (typed.size() == 1 ? " is a unit of " : " are units of ") + std::string(kind) +
         ", which zurmet-convert does not convert; it converts " + ConvertedKinds() +
         " (--list shows their units)";
}

std::string SeveralCategories(const std::vector<Category>& fits) {
  std::string message = "the units fit more than one category (";
  for (std::size_t i = 0; i < fits.size(); ++i)
    message += (i > 0 ? ", " : "") + std::string(CategoryName(fits[i]));
  return message + "); choose one with --category";
}

std::string NotInCategory(Category category, const std::string& typed,
                          const std::vector<Meaning>& meanings) {
  const CategoryInfo& info = Describe(category);
  return Quoted(typed) + " is not a unit of " + std::string(info.Name) + " (it is " +
         WhatItIs(meanings) + "); --list " + std::string(info.Name) + " shows the units of " +
         std::string(info.Name);
}

std::string Ambiguous(Category category, const std::string& typed, const std::vector<int>& rows) {
  std::vector<std::string> names;
  for (int r : rows) {
    const std::string name = QuotedName(category, r);
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  std::string message = Quoted(typed) + " is ambiguous in " + std::string(CategoryName(category)) +
                        "; it could mean ";
  for (std::size_t i = 0; i < names.size(); ++i) message += (i > 0 ? ", " : "") + names[i];
  return message + ": write the name instead";
}

}  // namespace units::lookup

namespace units {

std::string UnknownUnit(std::string_view typed) {
  if (const auto kind = OtherKindOf(typed)) {
    const std::string unit(typed);
    return lookup::OtherKindRefusal(std::span(&unit, 1), *kind);
  }
  std::string message = "unknown unit " + Quoted(typed);
  const std::vector<std::string> similar = SimilarUnits(typed);
  for (std::size_t i = 0; i < similar.size(); ++i)
    message += (i == 0                    ? "; did you mean "
                : i + 1 == similar.size() ? " or "
                                          : ", ") +
               Quoted(similar[i]);
  return message + (similar.empty() ? "" : "?") + " (--list shows the units)";
}

// Control characters written as \xNN, so that a message never moves the
// terminal's cursor or changes its colours.
namespace {

std::string Visible(std::string_view text) {
  std::string shown;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    if (byte >= 0x20 && byte != 0x7F) {
      shown += c;
      continue;
    }
    constexpr char Hex[] = "0123456789ABCDEF";
    shown += {'\\', 'x', Hex[byte >> 4], Hex[byte & 0xF]};
  }
  return shown;
}

}  // namespace

std::string Shortened(std::string_view typed) {
  constexpr std::size_t Limit = 60;  // bytes
  if (typed.size() <= Limit) return Visible(typed);
  std::size_t cut = Limit;
  // Never cut a UTF-8 sequence apart.
  while (cut > 0 && (static_cast<unsigned char>(typed[cut]) & 0xC0) == 0x80) --cut;
  return Visible(typed.substr(0, cut)) + "...";
}

std::string Quoted(std::string_view typed) { return "'" + Shortened(typed) + "'"; }

}  // namespace units
