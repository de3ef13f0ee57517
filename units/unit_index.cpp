#include "units/unit_index.h"

#include <algorithm>
#include <array>

#include "units/aliases.h"
#include "units/unit_spellings.h"

namespace units::lookup {
namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string_view FactorOf(Category category, int row) {
  return RowAt(TableFor(category), row).Factor;
}

std::size_t WordCount(std::string_view text) {
  return text.empty() ? 0 : 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), ' '));
}

void AddExact(Indexes& indexes, std::string_view text, const Entry& entry) {
  std::string key = Normalized(text);
  indexes.maxWords = std::max(indexes.maxWords, WordCount(key));
  indexes.exactFolded.Add(Folded(key), entry);
  indexes.exact.Add(std::move(key), entry);
}

void AddWord(Indexes& indexes, std::string_view text, const Entry& entry) {
  std::string key = Folded(Normalized(text));
  indexes.maxWords = std::max(indexes.maxWords, WordCount(key));
  indexes.words.Add(std::move(key), entry);
}

// "squares" for "squares (building)", "bushel"... where no other unit of the
// category has the same name before its qualifier, in any case ("Calories
// (food)" shares it with "calories (IT)").
void AddPlainNames(Indexes& indexes) {
  for (const CategoryInfo& info : AllCategories()) {
    for (std::size_t i = 0; i < info.Table.size(); ++i) {
      const UnitRow& row = info.Table[i];
      const std::string_view plain = PlainName(row.Name);
      if (!IsUnitRow(static_cast<int>(i), row) || plain == row.Name) continue;
      const bool shared =
          std::any_of(info.Table.begin(), info.Table.end(), [&](const UnitRow& other) {
            return other.Name != row.Name && EqualIgnoringCase(PlainName(other.Name), plain);
          });
      if (!shared) AddWord(indexes, plain, {info.Id, static_cast<int>(i), Source::Name});
    }
  }
}

Indexes BuildIndexes() {
  Indexes indexes;
  for (const CategoryInfo& info : AllCategories()) {
    for (std::size_t i = 0; i < info.Table.size(); ++i) {
      const UnitRow& row = info.Table[i];
      const int index = static_cast<int>(i);
      if (!IsUnitRow(index, row)) continue;
      AddWord(indexes, row.Name, {info.Id, index, Source::Name});
      if (!row.Symbol.empty()) AddExact(indexes, row.Symbol, {info.Id, index, Source::Symbol});
    }
  }
  AddPlainNames(indexes);
  for (const Alias& alias : Aliases()) {
    const int row = RowNamed(alias.In, alias.Unit);
    if (row < 0) continue;  // the lookup test names the stray alias
    const Entry entry{alias.In, row, Source::Alias};
    if (alias.Flags & CaseMatters)
      AddExact(indexes, alias.Text, entry);
    else
      AddWord(indexes, alias.Text, entry);
  }
  for (Index* index : {&indexes.words, &indexes.exact, &indexes.exactFolded}) index->Seal();
  // "square", "cubic" and "lb" add a word to any unit they go with.
  indexes.maxWords += 1;
  return indexes;
}

}  // namespace

bool IsCommonRow(Category category, int row) {
  const UnitTable table = TableFor(category);
  int headings = 0;
  for (int i = 0; i < row && i < static_cast<int>(table.size()); ++i) {
    const UnitRow& item = table[static_cast<std::size_t>(i)];
    if (i > 0 && !item.Name.empty() && item.Factor == "0" && ++headings == 2) return false;
  }
  return true;
}

std::string_view PlainName(std::string_view name) {
  return name.substr(0, std::min(name.find(" ("), name.find(',')));
}

const Indexes& TheIndexes() {
  static const Indexes indexes = BuildIndexes();
  return indexes;
}

void Index::Seal() {
  std::stable_sort(items_.begin(), items_.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
}

void Index::AppendTo(Entries& to, std::string_view key) const {
  auto it = std::lower_bound(items_.begin(), items_.end(), key,
                             [](const auto& item, std::string_view k) { return item.first < k; });
  for (; it != items_.end() && it->first == key; ++it) to.push_back(it->second);
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Folded(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return Lower(x) == Lower(y); });
}

std::string Normalized(std::string_view text) {
  std::string out;
  bool pendingBlank = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (IsBlank(c)) {
      pendingBlank = !out.empty();
      continue;
    }
    const bool wordEnd = i + 1 == text.size() || IsBlank(text[i + 1]);
    if (c == '.' && wordEnd && !out.empty() && !pendingBlank) continue;
    if (pendingBlank) out += ' ';
    pendingBlank = false;
    out += c;
  }
  return out;
}

bool IsUniformCase(std::string_view text) {
  const bool anyUpper =
      std::any_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
  const bool anyLower =
      std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
  return !(anyUpper && anyLower);
}

bool IsUnitRow(int index, const UnitRow& row) {
  return index > 0 && !row.Name.empty() && row.Factor != "0";
}

int RowNamed(Category category, std::string_view name) {
  const UnitTable table = TableFor(category);
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].Name == name) return static_cast<int>(i);
  return -1;
}

bool SameUnit(Category category, int a, int b) {
  const std::string_view factor = FactorOf(category, a);
  return a == b || (!factor.empty() && factor == FactorOf(category, b));
}

Entries Direct(const std::string& text) {
  const Indexes& indexes = TheIndexes();
  Entries entries;
  const std::string folded = Folded(text);
  indexes.words.AppendTo(entries, folded);
  indexes.exact.AppendTo(entries, text);
  if (entries.empty() && IsUniformCase(text) && !KeepsItsCase(text))
    indexes.exactFolded.AppendTo(entries, folded);
  return entries;
}

Entries OnlyIn(Category category, Entries entries) {
  std::erase_if(entries, [&](const Entry& e) { return e.In != category; });
  return entries;
}

std::vector<Meaning> ToMeanings(const Entries& entries) {
  std::array<bool, LastCategory + 1> stated{};
  for (const Entry& e : entries)
    if (e.From == Source::Alias) stated[static_cast<std::size_t>(e.In)] = true;
  const bool anyStated = std::find(stated.begin(), stated.end(), true) != stated.end();
  std::vector<Meaning> meanings;
  for (const Entry& e : entries) {
    const bool statedHere = stated[static_cast<std::size_t>(e.In)];
    if (e.From == Source::Alias)
      meanings.push_back({e.In, e.Row, Standing::Stated});
    else if (e.From == Source::Name)
      meanings.push_back({e.In, e.Row, Standing::Plain});
    else if (!statedHere)  // an alias overrides the symbol in its own category
      meanings.push_back({e.In, e.Row, anyStated ? Standing::Rare : Standing::Plain});
  }
  return meanings;
}

std::vector<int> RowsIn(Category category, const std::vector<Meaning>& meanings, bool takeRare) {
  for (Standing standing : {Standing::Stated, Standing::Plain, Standing::Rare}) {
    if (standing == Standing::Rare && !takeRare) break;
    std::vector<int> rows;
    for (const Meaning& m : meanings)
      if (m.In == category && m.How == standing) rows.push_back(m.Row);
    if (!rows.empty()) return rows;
  }
  return {};
}

bool UsualIn(Category category, const std::vector<Meaning>& meanings) {
  return std::any_of(meanings.begin(), meanings.end(),
                     [&](const Meaning& m) { return m.In == category && m.How != Standing::Rare; });
}

}  // namespace units::lookup
