// The lookup's index: every text a unit can be typed as (catalogue names
// and symbols, aliases), sorted once and then only read, and the helpers
// that turn what it finds into meanings. Internal to the lookup.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "units/catalogue.h"
#include "units/unit_lookup.h"

namespace units::lookup {

char Lower(char c);
std::string Folded(std::string_view text);
bool EqualIgnoringCase(std::string_view a, std::string_view b);

// One blank between words and none around them, and no point ending a
// word, so that "sq.  ft" reads as "sq ft" and the table's "drams  (ap)"
// as "drams (ap)".
std::string Normalized(std::string_view text);

// All capitals or all small letters: "KM" or "km", not "Mm".
bool IsUniformCase(std::string_view text);

// Placeholder, heading and blank rows are list items, not units.
bool IsUnitRow(int index, const UnitRow& row);
int RowNamed(Category category, std::string_view name);
// Whether a row is among the common units a table lists first, before the
// full list (all rows of a table without one).
bool IsCommonRow(Category category, int row);
// A unit's name without its qualifier: "gallons" of "gallons (Brit.)",
// "tons" of "tons, short (US avdp)".
std::string_view PlainName(std::string_view name);
// Temperature rows have no factor; they are the same unit only as one row.
bool SameUnit(Category category, int a, int b);

enum class Source { Name, Symbol, Alias };

struct Entry {
  Category In;
  int Row;
  Source From;
};

using Entries = std::vector<Entry>;

// Texts and what they stand for, sorted by text.
class Index {
 public:
  void Add(std::string key, const Entry& entry) { items_.emplace_back(std::move(key), entry); }
  void Seal();
  void AppendTo(Entries& to, std::string_view key) const;
  // Each text once, for suggestions.
  template <typename Visit>
  void ForEachText(Visit visit) const {
    for (std::size_t i = 0; i < items_.size(); ++i)
      if (i == 0 || items_[i].first != items_[i - 1].first) visit(items_[i].first);
  }

 private:
  std::vector<std::pair<std::string, Entry>> items_;
};

struct Indexes {
  Index words;        // names and word aliases, in small letters
  Index exact;        // symbols and abbreviations as written
  Index exactFolded;  // the same in small letters
  std::size_t maxWords = 1;
};

const Indexes& TheIndexes();

// The text as written: names and words in any case, symbols by their case
// first.
Entries Direct(const std::string& text);

Entries OnlyIn(Category category, Entries entries);

std::vector<Meaning> ToMeanings(const Entries& entries);

// The usual meanings of a text in a category: what an alias states there,
// else the plain ones, else (only when asked) the rare ones.
std::vector<int> RowsIn(Category category, const std::vector<Meaning>& meanings, bool takeRare);
bool UsualIn(Category category, const std::vector<Meaning>& meanings);

}  // namespace units::lookup
