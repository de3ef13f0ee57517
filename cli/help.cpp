#include "cli/help.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "cli/options.h"
#include "units/aliases.h"
#include "units/catalogue.h"
#include "units/suggest.h"
#include "units/unit_lookup.h"

namespace cli {
namespace {

std::string Lowered(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  });
  return out;
}

// text in lines of at most 79 characters, broken at blanks; each line
// after the first indented.
std::string Wrapped(std::string_view text, std::string_view indent) {
  constexpr std::size_t Width = 79;
  std::string out;
  std::string line(text);
  while (line.size() > Width) {
    const std::size_t blank = line.rfind(' ', Width);
    if (blank == std::string::npos || blank <= indent.size()) break;
    out += line.substr(0, blank) + '\n';
    line = std::string(indent) + line.substr(line.find_first_not_of(' ', blank));
  }
  return out + line + '\n';
}

std::string OptionLines() {
  std::string text;
  std::string_view group;
  for (const OptionText& option : OptionTexts()) {
    if (option.group != group) {
      group = option.group;
      text += std::string(group) + ":\n";
    }
    std::string line = (option.name == "--help" ? "  -h, " : "      ") + std::string(option.name);
    if (!option.argument.empty()) line += " " + std::string(option.argument);
    line.resize(std::max<std::size_t>(line.size() + 2, 30), ' ');
    text += line + std::string(option.help) + '\n';
  }
  return text;
}

// How to write the other units the catalogue gives a default's symbol or
// name: "oz t" beside "oz", "imp gal" and "dry gal" beside "gal", "IT cal"
// beside "cal".
std::string OthersOf(std::string_view text) {
  std::vector<std::string_view> others;
  const auto add = [&](units::Category category, int row) {
    const std::string_view symbol = units::TypedSymbol(category, row);
    if (symbol.empty() || symbol == text) return;
    if (std::find(others.begin(), others.end(), symbol) == others.end()) others.push_back(symbol);
  };
  for (const units::CategoryInfo& info : units::AllCategories()) {
    int stated = -1;
    for (const units::Alias& alias : units::Aliases())
      if (alias.Text == text && alias.In == info.Id) stated = units::RowOfName(info.Id, alias.Unit);
    const std::string_view statedName = units::RowAt(info.Table, stated).Name;
    for (std::size_t i = 0; i < info.Table.size(); ++i)
      if (info.Table[i].Symbol == text && info.Table[i].Name != statedName)
        add(info.Id, static_cast<int>(i));
    if (stated > 0)
      for (int row : units::NamedAlike(info.Id, stated)) add(info.Id, row);
  }
  constexpr std::size_t Shown = 3;
  std::string list;
  for (std::size_t i = 0; i < std::min(others.size(), Shown); ++i)
    list += (i > 0 ? ", " : "; others: ") + std::string(others[i]);
  if (others.size() > Shown) list += ", ...";
  return list;
}

// The meanings taken for names the catalogue gives several, from the alias
// table, one name a line.
std::string StatedDefaults() {
  std::string text;
  std::vector<std::string_view> done;
  for (const units::Alias& alias : units::Aliases()) {
    if (!(alias.Flags & units::StatedDefault)) continue;
    if (std::find(done.begin(), done.end(), alias.Text) != done.end()) continue;
    done.push_back(alias.Text);
    std::string line = "  " + std::string(alias.Text);
    line.resize(std::max<std::size_t>(line.size() + 2, 16), ' ');
    std::string_view separator;
    for (const units::Alias& same : units::Aliases()) {
      if (same.Text != alias.Text || !(same.Flags & units::StatedDefault)) continue;
      line += std::string(separator) + std::string(same.Unit) + " (" +
              std::string(units::Describe(same.In).Noun) + ")";
      separator = "; ";
    }
    text += Wrapped(line + OthersOf(alias.Text), std::string(16, ' '));
  }
  return text;
}

// Symbols that are not read in another case, with what each is.
std::string CaseCarryingLines() {
  std::string text;
  for (const units::CaseCarrying& pair : units::CaseCarryingSymbols()) {
    std::string line = "  " + std::string(pair.Text);
    line.resize(std::max<std::size_t>(line.size() + 2, 8), ' ');
    text += line + std::string(pair.Means) + '\n';
  }
  return text;
}

}  // namespace

// "length, area, ... and paper": the categories keep takes, in small
// letters.
template <typename Keep>
std::string SaidCategories(Keep keep) {
  std::vector<std::string> names;
  for (const units::CategoryInfo& info : units::AllCategories())
    if (keep(info)) names.push_back(Lowered(info.Name));
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i)
    text += (i == 0 ? "" : i + 1 == names.size() ? " and " : ", ") + names[i];
  return text;
}

std::string SuggestingCategories() {
  return SaidCategories([](const units::CategoryInfo& info) { return units::OffersUnits(info.Id); });
}

std::string ConvertedCategories() {
  std::string text;
  for (const units::CategoryInfo& info : units::AllCategories())
    if (info.Measured) text += (text.empty() ? "" : ", ") + Lowered(info.Name);
  return text;
}

std::string NumberedCategories() {
  std::string text;
  for (const units::CategoryInfo& info : units::AllCategories())
    text += (text.empty() ? "" : ", ") + std::to_string(static_cast<int>(info.Id)) + " " +
            std::string(info.Name);
  return text;
}

namespace {

// The parts of the help that say the same whatever the tables hold.
constexpr std::string_view kUsage =
    "Usage: zurmet-convert [OPTION]... VALUE UNIT [VALUE UNIT]... to UNIT...\n"
    "  or:  zurmet-convert [OPTION]... --us|--metric VALUE UNIT [VALUE UNIT]...\n"
    "  or:  zurmet-convert [OPTION]... --batch\n"
    "  or:  zurmet-convert --list [CATEGORY]\n";

constexpr std::string_view kOptionOrder =
    "\nThe options of results and units may also follow the conversion after --.\n"
    "--us and --metric take no 'to'; --list, --batch and --version take no\n"
    "conversion and none of --category, --us and --metric.\n"
    "\n";

constexpr std::string_view kExamples =
    "\n"
    "Examples:\n"
    "  zurmet-convert 1 mile to km\n"
    "  zurmet-convert 5'11\" to cm\n"
    "  zurmet-convert 1 1/2 in to mm\n"
    "  zurmet-convert 70 kg to st lb\n"
    "  zurmet-convert 180 cm to feet and inches\n"
    "  zurmet-convert -- -40 F to C --places 30\n"
    "  zurmet-convert 20 lb bond to gsm\n"
    "  zurmet-convert 1 kWh to J\n"
    "  zurmet-convert 90 min to h\n"
    "  zurmet-convert 30 mpg to L/100km\n"
    "  zurmet-convert 45\u00b0 30\u2032 to rad\n"
    "  zurmet-convert --metric 3 mi\n"
    "  zurmet-convert --list prefixes\n"
    "\n";

constexpr std::string_view kUnits =
    "Units: names in any case, singular or plural, US or British spelling (mile,\n"
    "miles, metre), with US, UK, imperial or dry before them (UK pint); symbols and\n"
    "abbreviations by their case (ml is millilitres, mil is mils), capitalised (Km)\n"
    "or all in capitals or small letters (KM, km) when that is one unit; degrees F,\n"
    "km per h. A symbol two kinds share is the one of the kind beside it (min is a\n"
    "minute beside h, a minim beside ml). Results write units so that they can be\n"
    "typed back in.\n";

constexpr std::string_view kValuesBatchAndExit =
    "\n"
    "Values: 1.5, 3/4, 1 1/2, \u00bd, 5'11\", 45\u00b030'15\" (' and \" are minutes and\n"
    "seconds only after degrees); a comma with three digits after it (1,000) is\n"
    "refused unless --decimal-symbol, --thousand-separator or --locale says which\n"
    "it is. Results have \".\" and no grouping unless the options above say\n"
    "otherwise.\n"
    "\n"
    "--batch reads one JSON object a line and answers each with one JSON line:\n"
    "  {\"values\":[\"1\",\"2\",\"3\"],\"from\":[\"yd\",\"ft\",\"in\"],\"to\":[\"m\"]}\n"
    "  answers {\"result\":\"1.6 m\"}\n"
    "\n"
    "Exit status: 0 a result; 1 the result is \"Error\"; 2 a refusal (the reason on\n"
    "standard error); 3 standard input or output failed. In batch: 2 if any line\n"
    "was refused, else 1 if any result was \"Error\".\n"
    "\n"
    "Full documentation: man zurmet-convert (the batch fields, every option).\n";

std::string Description() {
  const auto measured = [](const units::CategoryInfo& info) { return info.Measured; };
  return Wrapped("Convert a quantity exactly, in decimal arithmetic, between units of " +
                     SaidCategories(measured) +
                     ". A quantity has up to three values, each with "
                     "its unit; a result is split over up to three units after 'to'.",
                 "");
}

std::string CategoryLines() {
  return Wrapped("Categories: " + NumberedCategories() +
                     " (CATEGORY: a name, its caption or its number; Prefixes is a table).",
                 "  ");
}

}  // namespace

std::string HelpText() {
  return std::string(kUsage) + Description() + "\n" + OptionLines() + std::string(kOptionOrder) +
         CategoryLines() + std::string(kExamples) + std::string(kUnits) +
         "Names with several meanings mean:\n" + StatedDefaults() + "Case carries meaning in:\n" +
         CaseCarryingLines() + std::string(kValuesBatchAndExit);
}

}  // namespace cli
