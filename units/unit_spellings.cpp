#include "units/unit_spellings.h"

#include <string_view>

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

}  // namespace

Entries Spelled(const std::string& text) {
  Entries entries = Direct(text);
  if (entries.empty()) entries = WordForms(text);
  if (entries.empty()) entries = PaperGrade(text);
  if (entries.empty()) entries = Power(text);
  return entries;
}

}  // namespace units::lookup
