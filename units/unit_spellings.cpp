#include "units/unit_spellings.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "units/other_kinds.h"

namespace units::lookup {
namespace {

// "metre" for "meter" wherever a word ends in it or its plural.
std::string AmericanSpelling(std::string text) {
  for (std::size_t at = text.find("tre"); at != std::string::npos; at = text.find("tre", at + 3)) {
    const std::size_t after = at + 3;
    if (after == text.size() || text[after] == ' ' || text[after] == 's')
      text.replace(at, 3, "ter");
  }
  return text;
}

}  // namespace

Entries WordForms(const std::string& text) {
  const Indexes& indexes = TheIndexes();
  const std::string folded = Folded(text);
  Entries entries;
  for (const std::string& base : {folded, AmericanSpelling(folded)}) {
    std::vector<std::string> forms = {base, base + "s", base + "es"};
    if (base.ends_with('s')) forms.push_back(base.substr(0, base.size() - 1));
    if (base.ends_with("es")) forms.push_back(base.substr(0, base.size() - 2));
    for (const std::string& form : forms) {
      indexes.words.AppendTo(entries, form);
      if (!entries.empty()) return entries;
    }
  }
  return entries;
}

namespace {

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

// Symbols whose case carries meaning, for --help and the manual. Those
// without a unit are SI symbols of units the tables lack: a capitalised
// word is never read as its small letters.
constexpr CaseCarrying CaseCarryingTable[] = {
    {"Mm", "megametres, not mm (millimetres): not read", ""},
    {"Mg", "megagrams, not mg (milligrams): not read", ""},
    {"Gm", "gigametres, not gm (grams): not read", ""},
    {"nm", "nanometres, not NM (nautical miles): not read", ""},
    {"Nm", "newton metres, not NM (nautical miles): not read", ""},
    {"NM", "the nautical mile", "miles (int'l/US nautical)"},
    {"sT", "the short ton; st is the stone", "tons, short (US avdp)"},
    {"lT", "the long ton", "tons, long (UK avdp)"},
    {"K", "kelvin (kips are kip); k alone reads as K", "Kelvin"},
    {"C", "Celsius; c is a cup, or Celsius beside another scale", "Celsius"},
    {"L", "litres, as l", "liters"},
    {"Cal", "the food calorie, a kcal (so is Calorie); cal is the calorie", "Calories (food)"},
    {"MW", "megawatts; mW milliwatts (MJ, mJ and MN, mN likewise)", "megawatts"},
    {"PS", "metric horsepower; ps is picoseconds", "horsepower (metric)"},
    {"Mb", "megabits; MB megabytes (kb, Gb, Tb, Pb bits; gb... refused)", "megabits"},
    {"KB", "kilobytes, 1000 bytes as kB (1024 bytes is KiB)", "kilobytes"},
    {"mb", "millibars, not Mb or MB", "millibars"},
};

bool IsCapitalised(std::string_view word) {
  if (word.empty() || word.front() < 'A' || word.front() > 'Z') return false;
  return std::none_of(word.begin() + 1, word.end(), [](char c) { return c >= 'A' && c <= 'Z'; });
}

// Each word capitalised, as at the start of a sentence: "Km", "Fl Oz".
bool IsCapitalisedWords(const std::string& text) {
  std::size_t start = 0;
  while (start <= text.size()) {
    const std::size_t end = std::min(text.find(' ', start), text.size());
    if (!IsCapitalised(std::string_view(text).substr(start, end - start))) return false;
    start = end + 1;
  }
  return true;
}

// Whether entries stand for one unit in each category they reach.
bool OneUnitPerCategory(const Entries& entries) {
  const std::vector<Meaning> meanings = ToMeanings(entries);
  return std::all_of(AllCategories().begin(), AllCategories().end(), [&](const CategoryInfo& info) {
    const std::vector<int> rows = RowsIn(info.Id, meanings, false);
    return std::all_of(rows.begin(), rows.end(),
                       [&](int row) { return SameUnit(info.Id, row, rows.front()); });
  });
}

// A symbol or abbreviation with a capital first letter ("Km", "Lb", "Gal")
// when its small letters stand for one unit and case carries no meaning.
Entries Capitalised(const std::string& text) {
  if (!IsCapitalisedWords(text) || KeepsItsCase(text)) return {};
  Entries entries;
  TheIndexes().exactFolded.AppendTo(entries, Folded(text));
  return OneUnitPerCategory(entries) ? entries : Entries{};
}

// The plural people give a symbol: "yds", "ozs", "tbsps", "cms", "mins".
// Not of a one-letter symbol ("gs" is not grams), nor of a unit of a kind
// not converted ("Nms").
Entries SymbolPlural(const std::string& text) {
  if (text.size() < 3 || !text.ends_with('s')) return {};
  const std::string base = text.substr(0, text.size() - 1);
  if (OtherKindOf(base)) return {};
  Entries entries = Direct(base);
  if (entries.empty()) entries = Capitalised(base);
  return entries;
}

// A word of a country or grade before a unit, with the words of the
// table's qualifiers it picks ("gallons (Brit.)", "tons, short (US avdp)").
struct Grade {
  std::string_view word;  // small letters, without points
  std::array<std::string_view, 3> marks;
};

constexpr Grade Grades[] = {
    {"us", {"US"}},
    {"uk", {"Brit", "UK", "imperial"}},
    {"british", {"Brit", "UK", "imperial"}},
    {"brit", {"Brit", "UK", "imperial"}},
    {"imperial", {"Brit", "UK", "imperial"}},
    {"imp", {"Brit", "UK", "imperial"}},
    {"dry", {"dry"}},
    {"troy", {"troy"}},
    {"metric", {"metric"}},
    // Of the command line's own categories: "Gregorian year", "IT calorie",
    // "electric horsepower", "technical atmosphere".
    {"julian", {"Julian"}},
    {"gregorian", {"Gregorian"}},
    {"common", {"common"}},
    {"it", {"IT"}},
    {"thermochemical", {"thermochemical"}},
    {"ec", {"EC"}},
    {"mechanical", {"mechanical"}},
    {"electric", {"electric"}},
    {"electrical", {"electric"}},
    {"standard", {"standard"}},
    {"technical", {"technical"}},
};

std::string WithoutPoints(std::string text) {
  std::erase(text, '.');
  return text;
}

// Whether a row's qualifier has one of the marks as a word of its own:
// "US" in "(US dry)", not in "(int'l/US nautical)".
bool QualifiedBy(std::string_view name, const Grade& grade) {
  std::string_view rest = name.substr(PlainName(name).size());
  while (!rest.empty()) {
    const std::size_t start = rest.find_first_not_of(" ,()'.");
    if (start == std::string_view::npos) break;
    rest.remove_prefix(start);
    const std::size_t end = std::min(rest.find_first_of(" ,()'."), rest.size());
    const std::string_view word = rest.substr(0, end);
    for (std::string_view mark : grade.marks)
      if (!mark.empty() && word == mark) return true;
    rest.remove_prefix(end);
  }
  return false;
}

// "US gallon", "UK pints", "imperial ton", "imp. fl oz", "US dry quart":
// among the units of the same stem, those the word picks; the unit the
// rest stands for when it is one of them (the stated default).
Entries Graded(const std::string& text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string::npos) return {};
  const std::string word = WithoutPoints(Folded(text.substr(0, blank)));
  const auto grade = std::find_if(std::begin(Grades), std::end(Grades),
                                  [&](const Grade& g) { return g.word == word; });
  if (grade == std::end(Grades)) return {};
  Entries picked;
  for (const Entry& entry : Spelled(text.substr(blank + 1))) {
    const UnitTable table = TableFor(entry.In);
    const std::string_view own = RowAt(table, entry.Row).Name;
    if (QualifiedBy(own, *grade)) {
      picked.push_back({entry.In, entry.Row, Source::Alias});
      continue;
    }
    for (std::size_t row = 0; row < table.size(); ++row) {
      const std::string_view name = table[row].Name;
      if (IsUnitRow(static_cast<int>(row), table[row]) && PlainName(name) == PlainName(own) &&
          QualifiedBy(name, *grade))
        picked.push_back({entry.In, static_cast<int>(row), Source::Alias});
    }
  }
  return picked;
}

// "degrees F", "degree Celsius", "deg. c", "° F": a temperature scale, the
// scale's letter in either case.
Entries Degrees(const std::string& text) {
  const std::size_t blank = text.find(' ');
  if (blank == std::string::npos) return {};
  const std::string word = WithoutPoints(Folded(text.substr(0, blank)));
  if (word != "degree" && word != "degrees" && word != "deg" && word != "\u00b0") return {};
  const std::string scale = text.substr(blank + 1);
  Entries entries = Spelled(scale);
  TheIndexes().exactFolded.AppendTo(entries, Folded(scale));
  return OnlyIn(Category::Temperature, entries);
}

// Time units a speed is per, as its table name says them.
struct PerTimeWord {
  std::string_view word;
  std::string_view name;
};

constexpr PerTimeWord PerTimeWords[] = {
    {"s", "second"},      {"sec", "second"}, {"second", "second"}, {"min", "minute"},
    {"minute", "minute"}, {"h", "hour"},     {"hr", "hour"},       {"hour", "hour"},
};

std::string_view TimeName(std::string word) {
  word = WithoutPoints(Folded(word));
  if (word.size() > 2 && word.ends_with('s')) word.pop_back();
  for (const PerTimeWord& time : PerTimeWords)
    if (word == time.word) return time.name;
  return {};
}

std::string Trimmed(std::string_view text) {
  const std::size_t start = text.find_first_not_of(' ');
  if (start == std::string_view::npos) return {};
  return std::string(text.substr(start, text.find_last_not_of(' ') - start + 1));
}

// "km per hour", "mi per hr", "km / h", "feet/min", "erg per s", "ft lbf/s":
// a unit per a time, the unit whose table name says so ("kilometers per
// hour" of Speed, "ergs per second" of Power).
Entries PerTime(const std::string& text) {
  const std::string folded = Folded(text);
  std::size_t at = folded.find(" per ");
  std::size_t after = at + 5;
  if (at == std::string::npos) {
    at = folded.find('/');
    after = at + 1;
  }
  if (at == std::string::npos) return {};
  const std::string_view time = TimeName(Trimmed(std::string_view(text).substr(after)));
  if (time.empty()) return {};
  Entries entries;
  for (const Entry& unit : BaseSpelled(Trimmed(text.substr(0, at)))) {
    const std::string name =
        std::string(RowAt(TableFor(unit.In), unit.Row).Name) + " per " + std::string(time);
    for (const CategoryInfo& info : AllCategories()) {
      const int row = RowNamed(info.Id, name);
      if (row > 0) entries.push_back({info.Id, row, Source::Name});
    }
  }
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
    const std::string folded = Folded(text);
    const bool marked = form.prefix ? folded.starts_with(form.mark) : folded.ends_with(form.mark);
    if (!marked || text.size() == form.mark.size()) continue;
    const std::string stem = form.prefix ? text.substr(form.mark.size())
                                         : text.substr(0, text.size() - form.mark.size());
    Entries lengths = BaseSpelled(stem);
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

}  // namespace

}  // namespace units::lookup

namespace units {

std::span<const CaseCarrying> CaseCarryingSymbols() { return lookup::CaseCarryingTable; }

}  // namespace units

namespace units::lookup {

bool KeepsItsCase(std::string_view text) {
  return std::any_of(
      std::begin(CaseCarryingTable), std::end(CaseCarryingTable),
      [&](const CaseCarrying& symbol) { return symbol.Unit.empty() && symbol.Text == text; });
}

Entries BaseSpelled(const std::string& text) {
  for (const auto spelling : {Direct, WordForms, SymbolPlural, Capitalised}) {
    Entries entries = spelling(text);
    if (!entries.empty()) return entries;
  }
  return {};
}

Entries Spelled(const std::string& text) {
  Entries entries = BaseSpelled(text);
  for (const auto spelling : {PaperGrade, Power, Graded, Degrees, PerTime}) {
    if (!entries.empty()) break;
    entries = spelling(text);
  }
  return entries;
}

}  // namespace units::lookup
