#include "units/unit_lookup.h"

#include <algorithm>
#include <array>
#include <mutex>

#include "units/aliases.h"

namespace units {
namespace {

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

std::string Folded(std::string_view text) {
  std::string out(text);
  for (char& c : out) c = Lower(c);
  return out;
}

bool EqualIgnoringCase(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [](char x, char y) { return Lower(x) == Lower(y); });
}

// One blank between words and none around them, and no point ending a
// word, so that "sq.  ft" reads as "sq ft" and the table's "drams  (ap)"
// as "drams (ap)".
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

// All capitals or all small letters: "KM" or "km", not "Mm".
bool IsUniformCase(std::string_view text) {
  const bool anyUpper =
      std::any_of(text.begin(), text.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
  const bool anyLower =
      std::any_of(text.begin(), text.end(), [](char c) { return c >= 'a' && c <= 'z'; });
  return !(anyUpper && anyLower);
}

// Placeholder, heading and blank rows are list items, not units.
bool IsUnitRow(int index, const UnitRow& row) {
  return index > 0 && !row.Name.empty() && row.Factor != "0";
}

int RowNamed(Category category, std::string_view name) {
  const UnitTable table = TableFor(category);
  for (std::size_t i = 0; i < table.size(); ++i)
    if (table[i].Name == name) return static_cast<int>(i);
  return -1;
}

std::string_view FactorOf(Category category, int row) {
  return RowAt(TableFor(category), row).Factor;
}

// Temperature rows have no factor; they are the same unit only as one row.
bool SameUnit(Category category, int a, int b) {
  const std::string_view factor = FactorOf(category, a);
  return a == b || (!factor.empty() && factor == FactorOf(category, b));
}

std::size_t WordCount(std::string_view text) {
  return text.empty() ? 0 : 1 + static_cast<std::size_t>(std::count(text.begin(), text.end(), ' '));
}

enum class Source { Name, Symbol, Alias };

struct Entry {
  Category In;
  int Row;
  Source From;
};

using Entries = std::vector<Entry>;

// Texts and what they stand for, sorted by text: built once, then only read.
class Index {
 public:
  void Add(std::string key, const Entry& entry) { items_.emplace_back(std::move(key), entry); }
  void Seal() {
    std::stable_sort(items_.begin(), items_.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
  }
  void AppendTo(Entries& to, std::string_view key) const {
    auto it = std::lower_bound(items_.begin(), items_.end(), key,
                               [](const auto& item, std::string_view k) { return item.first < k; });
    for (; it != items_.end() && it->first == key; ++it) to.push_back(it->second);
  }
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

const Indexes& TheIndexes() {
  static const Indexes indexes = BuildIndexes();
  return indexes;
}

void Append(Entries& to, const Index& index, std::string_view key) { index.AppendTo(to, key); }

// The text as written: names and words in any case, symbols by their case
// first.
Entries Direct(const std::string& text) {
  const Indexes& indexes = TheIndexes();
  Entries entries;
  const std::string folded = Folded(text);
  Append(entries, indexes.words, folded);
  Append(entries, indexes.exact, text);
  if (entries.empty() && IsUniformCase(text)) Append(entries, indexes.exactFolded, folded);
  return entries;
}

// "metre" for "meter" wherever a word ends in it or its plural.
std::string AmericanSpelling(std::string text) {
  for (std::size_t at = text.find("tre"); at != std::string::npos; at = text.find("tre", at + 3)) {
    const std::size_t after = at + 3;
    if (after == text.size() || text[after] == ' ' || text[after] == 's')
      text.replace(at, 3, "ter");
  }
  return text;
}

// Singulars and plurals of names and words: "mile", "inch", "knot",
// "light-years"; never of symbols, where "ms" is not "m".
Entries WordForms(const std::string& text) {
  const Indexes& indexes = TheIndexes();
  const std::string folded = Folded(text);
  Entries entries;
  for (const std::string& base : {folded, AmericanSpelling(folded)}) {
    std::vector<std::string> forms = {base, base + "s", base + "es"};
    if (base.ends_with('s')) forms.push_back(base.substr(0, base.size() - 1));
    if (base.ends_with("es")) forms.push_back(base.substr(0, base.size() - 2));
    for (const std::string& form : forms) {
      Append(entries, indexes.words, form);
      if (!entries.empty()) return entries;
    }
  }
  return entries;
}

Entries OnlyIn(Category category, Entries entries) {
  std::erase_if(entries, [&](const Entry& e) { return e.In != category; });
  return entries;
}

// A paper grade with its pound mark or without: "lb bond", "lbs bond",
// "# bond", "bond lb", "bond".
Entries PaperGrade(const std::string& text) {
  std::string grade = Folded(text);
  for (std::string_view mark : {"lbs ", "lb ", "# ", "#"}) {
    if (grade.starts_with(mark)) {
      grade.erase(0, mark.size());
      break;
    }
  }
  for (std::string_view mark : {" lbs", " lb", " #"}) {
    if (grade.ends_with(mark)) {
      grade.erase(grade.size() - mark.size());
      break;
    }
  }
  if (grade.empty()) return {};
  Entries entries = OnlyIn(Category::Paper, WordForms("lb " + grade));
  if (entries.empty()) entries = OnlyIn(Category::Paper, WordForms(grade));
  return entries;
}

struct PowerForm {
  std::string_view mark;
  bool prefix;
  std::string_view tablePrefix;  // of the square or cube's name
  Category in;
};

constexpr PowerForm PowerForms[] = {
    {"square ", true, "sq. ", Category::Area},    {"sq ", true, "sq. ", Category::Area},
    {"sq", true, "sq. ", Category::Area},         {"^2", false, "sq. ", Category::Area},
    {"\u00b2", false, "sq. ", Category::Area},    {"2", false, "sq. ", Category::Area},
    {"cubic ", true, "cu. ", Category::Capacity}, {"cu ", true, "cu. ", Category::Capacity},
    {"^3", false, "cu. ", Category::Capacity},    {"\u00b3", false, "cu. ", Category::Capacity},
    {"3", false, "cu. ", Category::Capacity},
};

// Squares and cubes of lengths: "ft2", "m²", "sqft", "square miles",
// "cubic inches", "cm3", whatever the table calls "sq. feet" or "cu. inches".
Entries Power(const std::string& text) {
  Entries entries;
  for (const PowerForm& form : PowerForms) {
    const bool marked = form.prefix ? text.starts_with(form.mark) : text.ends_with(form.mark);
    if (!marked || text.size() == form.mark.size()) continue;
    const std::string stem = form.prefix ? text.substr(form.mark.size())
                                         : text.substr(0, text.size() - form.mark.size());
    Entries lengths = Direct(stem);
    if (lengths.empty()) lengths = WordForms(stem);
    for (const Entry& length : lengths) {
      if (length.In != Category::Length) continue;
      const std::string name =
          std::string(form.tablePrefix) + std::string(RowAt(TableFor(length.In), length.Row).Name);
      const int row = RowNamed(form.in, name);
      if (row > 0) entries.push_back({form.in, row, Source::Name});
    }
    if (!entries.empty()) return entries;
  }
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

// The usual meanings of a text in a category: what an alias states there,
// else the plain ones, else (only when asked) the rare ones.
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

std::string CrossCategory(std::span<const std::string> typed,
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

std::string PickRow(Category category, const std::string& typed,
                    const std::vector<Meaning>& meanings, bool takeRare, int& row) {
  const std::vector<int> rows = RowsIn(category, meanings, takeRare);
  const CategoryInfo& info = Describe(category);
  if (rows.empty())
    return Quoted(typed) + " is not a unit of " + std::string(info.Name) + " (it is " +
           WhatItIs(meanings) + "); --list " + std::string(info.Name) + " shows the units of " +
           std::string(info.Name);
  if (std::all_of(rows.begin(), rows.end(),
                  [&](int r) { return SameUnit(category, r, rows[0]); })) {
    row = rows.front();
    return {};
  }
  std::vector<std::string> names;
  for (int r : rows) {
    const std::string name = QuotedName(category, r);
    if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(name);
  }
  std::string message =
      Quoted(typed) + " is ambiguous in " + std::string(info.Name) + "; it could mean ";
  for (std::size_t i = 0; i < names.size(); ++i) message += (i > 0 ? ", " : "") + names[i];
  return message + ": write the name instead";
}

// Edits (insert, delete, replace, swap two neighbours) from a to b.
std::size_t EditDistance(std::string_view a, std::string_view b) {
  std::vector<std::vector<std::size_t>> d(a.size() + 1, std::vector<std::size_t>(b.size() + 1));
  for (std::size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
  for (std::size_t j = 0; j <= b.size(); ++j) d[0][j] = j;
  for (std::size_t i = 1; i <= a.size(); ++i) {
    for (std::size_t j = 1; j <= b.size(); ++j) {
      const std::size_t cost = a[i - 1] == b[j - 1] ? 0 : 1;
      d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + cost});
      if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1])
        d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
    }
  }
  return d[a.size()][b.size()];
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
  Entries entries = Direct(text);
  if (entries.empty()) entries = WordForms(text);
  if (entries.empty()) entries = PaperGrade(text);
  if (entries.empty()) entries = Power(text);
  return ToMeanings(entries);
}

std::string ChooseUnits(std::span<const std::string> typed, std::optional<Category> forced,
                        UnitChoice& choice) {
  std::vector<std::vector<Meaning>> meanings;
  for (const std::string& unit : typed) {
    meanings.push_back(FindUnit(unit));
    if (meanings.back().empty()) return UnknownUnit(unit);
  }
  if (forced) {
    choice.In = *forced;
  } else {
    std::vector<Category> fits;
    for (const CategoryInfo& info : AllCategories()) {
      if (std::all_of(meanings.begin(), meanings.end(),
                      [&](const std::vector<Meaning>& m) { return UsualIn(info.Id, m); }))
        fits.push_back(info.Id);
    }
    if (fits.empty()) return CrossCategory(typed, meanings);
    if (fits.size() > 1) {
      std::string message = "the units fit more than one category (";
      for (std::size_t i = 0; i < fits.size(); ++i)
        message += (i > 0 ? ", " : "") + std::string(CategoryName(fits[i]));
      return message + "); choose one with --category";
    }
    choice.In = fits.front();
  }
  choice.Rows.assign(typed.size(), 0);
  for (std::size_t i = 0; i < typed.size(); ++i) {
    std::string error =
        PickRow(choice.In, typed[i], meanings[i], forced.has_value(), choice.Rows[i]);
    if (!error.empty()) return error;
  }
  return {};
}

std::string UnknownUnit(std::string_view typed) {
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

std::string Shortened(std::string_view typed) {
  constexpr std::size_t Limit = 60;  // bytes
  if (typed.size() <= Limit) return Visible(typed);
  std::size_t cut = Limit;
  // Never cut a UTF-8 sequence apart.
  while (cut > 0 && (static_cast<unsigned char>(typed[cut]) & 0xC0) == 0x80) --cut;
  return Visible(typed.substr(0, cut)) + "...";
}

std::string Quoted(std::string_view typed) { return "'" + Shortened(typed) + "'"; }

std::vector<std::string> SimilarUnits(std::string_view typed) {
  constexpr std::size_t Longest = 40;
  const std::string text = Folded(Normalized(typed));
  if (text.empty() || text.size() > Longest) return {};
  const std::size_t limit = text.size() <= 3 ? 1 : text.size() <= 6 ? 2 : 3;
  std::vector<std::pair<std::size_t, std::string>> close;
  const auto consider = [&](std::string_view known) {
    const std::size_t distance = EditDistance(text, Folded(known));
    if (distance <= limit) close.emplace_back(distance, known);
  };
  TheIndexes().words.ForEachText(consider);
  TheIndexes().exact.ForEachText(consider);
  std::stable_sort(close.begin(), close.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> similar;
  for (const auto& [distance, known] : close) {
    if (similar.size() == 3) break;
    if (std::find(similar.begin(), similar.end(), known) == similar.end()) similar.push_back(known);
  }
  return similar;
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

std::optional<Category> CategoryFromText(std::string_view text) {
  for (const CategoryInfo& info : AllCategories()) {
    const std::string_view bareCaption = info.Caption.substr(0, info.Caption.find('.'));
    if (text == std::to_string(static_cast<int>(info.Id)) || EqualIgnoringCase(text, info.Name) ||
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
