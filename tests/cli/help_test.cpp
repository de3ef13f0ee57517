// Every line of --help is true of the program, and every hint a refusal
// gives works when followed.
#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/options.h"
#include "tests/cli/run_helpers.h"
#include "units/catalogue.h"
#include "units/unit_lookup.h"

namespace {

using cli_test::RunArgs;
using cli_test::Words;

std::string Help() { return RunArgs({"--help"}).out; }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// The lines after a heading up to the next blank line or heading.
std::vector<std::string> Section(const std::string& heading) {
  std::vector<std::string> section;
  bool in = false;
  for (const std::string& line : Lines(Help())) {
    if (in && (line.empty() || (line.back() == ':' && line.front() != ' '))) break;
    if (in) section.push_back(line);
    if (line == heading) in = true;
  }
  return section;
}

std::optional<units::Category> CategoryOfNoun(std::string_view noun) {
  for (const units::CategoryInfo& info : units::AllCategories())
    if (info.Noun == noun) return info.Id;
  return std::nullopt;
}

// A way to use each option that works, with what it must print; an
// option --help names without one here fails the test.
struct Use {
  std::vector<std::string> args;
  std::string input;
  std::string out;  // exact, or empty: any output
};

const std::map<std::string, Use>& Uses() {
  static const std::map<std::string, Use> uses = {
      {"--places", {Words("--places 1 1 m to in"), "", "39.4 in\n"}},
      {"--no-round", {Words("--places 1 --no-round 1 m to in"), "", "39.3 in\n"}},
      {"--exp", {Words("--exp 1 km to m"), "", "1.000 E3 m\n"}},
      {"--grouping", {Words("--grouping 1234 m to m"), "", "1,234 m\n"}},
      {"--no-grouping", {Words("--locale --no-grouping 1234 m to m"), "", "1234 m\n"}},
      {"--decimal-symbol", {Words("--decimal-symbol , 1,000 m to mm"), "", "1000 mm\n"}},
      {"--thousand-separator",
       {Words("--thousand-separator . --decimal-symbol , 1234.5 m to m"), "", "1.234,5 m\n"}},
      {"--locale", {Words("--locale 1234.5 m to m"), "", "1,234.5 m\n"}},
      {"--window-format", {Words("--window-format 1 m to ft"), "", "3.281 ft\n"}},
      {"--category", {Words("--category capacity 1 ts to ml"), "", "4.929 ml\n"}},
      {"--us", {Words("--us 3 km"), "", "1.864 mi\n"}},
      {"--metric", {Words("--metric 3 mi"), "", "4.828 km\n"}},
      {"--list", {Words("--list prefixes"), "", ""}},
      {"--batch",
       {Words("--batch"), "{\"values\":[\"1\"],\"from\":[\"m\"],\"to\":[\"cm\"]}\n",
        "{\"result\":\"100 cm\"}\n"}},
      {"--help", {Words("-h"), "", ""}},
      {"--version", {Words("--version"), "", ""}},
  };
  return uses;
}

TEST(Help, EveryOptionLineNamesAnOptionThatDoesWhatItSays) {
  std::size_t options = 0;
  for (const std::string& line : Lines(Help())) {
    const std::size_t dashes = line.find("--");
    if (!line.starts_with("      --") && !line.starts_with("  -h, --")) continue;
    ++options;
    const std::string name = line.substr(dashes, line.find(' ', dashes) - dashes);
    SCOPED_TRACE(line);
    ASSERT_TRUE(Uses().contains(name));
    const Use& use = Uses().at(name);
    const auto outcome = RunArgs(use.args, use.input);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
    if (!use.out.empty()) {
      EXPECT_EQ(outcome.out, use.out);
    }
    // An argument named in capitals is required, one in brackets is not.
    const std::string rest = line.substr(dashes + name.size());
    if (rest.starts_with(" [")) {
      EXPECT_EQ(RunArgs({name}).status, 0);
    } else if (rest.starts_with(" ") && rest[1] >= 'A' && rest[1] <= 'Z') {
      EXPECT_EQ(RunArgs({name}).status, 2);
    }
  }
  EXPECT_EQ(options, cli::OptionTexts().size());
  EXPECT_EQ(RunArgs({"-h"}).out, Help());
}

// "--places N decimal places, 0 to 30 (default 3)".
TEST(Help, PlacesAreZeroToThirtyAndThreeByDefault) {
  EXPECT_EQ(RunArgs(Words("1 m to in")).out, "39.37 in\n");
  EXPECT_EQ(RunArgs(Words("--places 0 1 m to in")).out, "39 in\n");
  EXPECT_EQ(RunArgs(Words("--places 30 1 m to in")).status, 0);
  EXPECT_EQ(RunArgs(Words("--places 31 1 m to in")).status, 2);
  EXPECT_EQ(RunArgs(Words("--places -1 1 m to in")).status, 2);
  // In decimal digits: never an octal or hexadecimal reading.
  EXPECT_EQ(RunArgs(Words("--places 010 1 m to in")).out, "39.3700787402 in\n");
  EXPECT_EQ(RunArgs(Words("--places 03 1 m to in")).out, "39.37 in\n");
  for (const char* places : {"0x10", "1e1", "3.5", "3,5", "0b11", "+3", ""})
    EXPECT_EQ(RunArgs({"--places", places, "1", "m", "to", "in"}).status, 2) << places;
}

// "The options of results and units may also follow the conversion after
// --" and the exclusions said once.
TEST(Help, SaysWhichOptionsGoWhereAndWithWhat) {
  const std::string help = Help();
  ASSERT_NE(help.find("may also follow the conversion after --"), std::string::npos);
  for (const cli::OptionText& option : cli::OptionTexts()) {
    if (!option.movable) continue;
    const Use& use = Uses().at(std::string(option.name));
    std::vector<std::string> moved = {"--"};
    std::vector<std::string> options;
    for (const std::string& arg : use.args) {
      const bool isOption = arg.starts_with("--") ||
                            (!options.empty() && options.back() == "--places") ||
                            (!options.empty() && (options.back() == "--decimal-symbol" ||
                                                  options.back() == "--thousand-separator" ||
                                                  options.back() == "--category"));
      (isOption ? options : moved).push_back(arg);
    }
    moved.insert(moved.end(), options.begin(), options.end());
    EXPECT_EQ(RunArgs(moved).out, RunArgs(use.args).out) << option.name;
  }
  ASSERT_NE(help.find("--us and --metric take no 'to'"), std::string::npos);
  for (const char* mode : {"--us", "--metric"})
    EXPECT_EQ(RunArgs({mode, "1", "m", "to", "ft"}).status, 2) << mode;
  ASSERT_NE(help.find("--list, --batch and --version take no\nconversion and none of "
                      "--category, --us and --metric"),
            std::string::npos);
  for (const char* mode : {"--list", "--batch", "--version"}) {
    for (const std::vector<std::string>& other :
         {Words("1 m to ft"), Words("--category length"), Words("--us"), Words("--metric")}) {
      std::vector<std::string> args = {mode};
      args.insert(args.end(), other.begin(), other.end());
      EXPECT_EQ(RunArgs(args).status, 2) << mode << " " << other.front();
    }
  }
}

// The categories, walked from the descriptor: each by its number, its name
// and its caption; those without units are said to be tables.
TEST(Help, NamesEveryCategoryOfTheDescriptor) {
  std::string said;
  for (const std::string& line : Lines(Help()))
    if (line.starts_with("Categories:") ||
        (!said.empty() && line.starts_with("  ") && said.find("table).") == std::string::npos))
      said += line.substr(line.starts_with("  ") ? 1 : 0);
  for (const units::CategoryInfo& info : units::AllCategories()) {
    const std::string number = std::to_string(static_cast<int>(info.Id));
    EXPECT_NE(said.find(" " + number + " " + std::string(info.Name)), std::string::npos)
        << info.Name;
    EXPECT_EQ(units::CategoryFromText(number), info.Id);
    EXPECT_EQ(units::CategoryFromText(info.Name), info.Id);
    EXPECT_EQ(units::CategoryFromText(info.Caption), info.Id);
    if (!info.Measured) {
      EXPECT_NE(said.find(std::string(info.Name) + " is a table"), std::string::npos);
      EXPECT_EQ(RunArgs({"--category", std::string(info.Name), "1", "m", "to", "ft"}).status, 2);
    }
  }
}

TEST(Help, EveryExampleRuns) {
  const std::vector<std::string> examples = Section("Examples:");
  ASSERT_GE(examples.size(), 5u);
  for (const std::string& example : examples) {
    std::vector<std::string> words = Words(example);
    ASSERT_EQ(words.front(), "zurmet-convert");
    words.erase(words.begin());
    const auto outcome = RunArgs(words);
    EXPECT_EQ(outcome.status, 0) << example << ": " << outcome.err;
    EXPECT_FALSE(outcome.out.empty()) << example;
  }
}

// "  lb   pounds (avdp) (a weight); bond (17x22) (a paper weight); others:
// lb t, ...": each meaning is the one taken in its category, each other is
// a unit of its own.
TEST(Help, EveryNameWithSeveralMeaningsMeansWhatItSays) {
  std::vector<std::string> entries;
  for (const std::string& line : Section("Names with several meanings mean:")) {
    if (line.starts_with("                "))
      entries.back() += " " + line.substr(line.find_first_not_of(' '));
    else
      entries.push_back(line.substr(2));
  }
  ASSERT_GE(entries.size(), 10u);
  for (const std::string& entry : entries) {
    SCOPED_TRACE(entry);
    const std::string text = entry.substr(0, entry.find("  "));
    std::string rest = entry.substr(entry.find_first_not_of(' ', text.size()));
    const std::size_t othersAt = rest.find("; others: ");
    const std::string others = othersAt == std::string::npos ? "" : rest.substr(othersAt + 10);
    rest = rest.substr(0, othersAt);
    for (std::size_t start = 0; start < rest.size();) {
      const std::size_t end = std::min(rest.find("); ", start), rest.size());
      std::string meaning = rest.substr(start, end - start);
      if (meaning.ends_with(')')) meaning.pop_back();
      const std::size_t open = meaning.rfind(" (");
      const auto category = CategoryOfNoun(meaning.substr(open + 2));
      ASSERT_TRUE(category) << meaning;
      units::UnitChoice choice;
      ASSERT_EQ(units::ChooseUnits(std::vector<std::string>{text}, category, choice), "");
      EXPECT_EQ(units::RowAt(units::TableFor(*category), choice.Rows[0]).Name,
                meaning.substr(0, open));
      start = end + 3;
    }
    for (std::size_t start = 0; start < others.size();) {
      const std::size_t end = std::min(others.find(", ", start), others.size());
      const std::string other = others.substr(start, end - start);
      if (other != "...") {
        EXPECT_FALSE(units::FindUnit(other).empty()) << other;
      }
      start = end + 2;
    }
  }
}

// "Case carries meaning in:": the symbols not read in another case are
// refused, the others are the unit named, and what the line says of the
// other case holds.
TEST(Help, SymbolsWhoseCaseCarriesMeaningAreReadSo) {
  const std::vector<std::string> lines = Section("Case carries meaning in:");
  ASSERT_EQ(lines.size(), units::CaseCarryingSymbols().size());
  for (const units::CaseCarrying& symbol : units::CaseCarryingSymbols()) {
    SCOPED_TRACE(std::string(symbol.Text));
    const std::string unit(symbol.Text);
    if (symbol.Unit.empty()) {
      EXPECT_TRUE(units::FindUnit(unit).empty());
      EXPECT_EQ(RunArgs({"1", unit, "to", "m"}).status, 2);
      continue;
    }
    units::UnitChoice choice;
    ASSERT_EQ(units::ChooseUnits(std::vector<std::string>{unit}, std::nullopt, choice), "");
    EXPECT_EQ(units::RowAt(units::TableFor(choice.In), choice.Rows[0]).Name, symbol.Unit);
  }
  // What the lines say of the other case.
  const std::pair<std::vector<std::string>, const char*> others[] = {
      {{"st"}, "stone (UK avdp)"}, {{"k"}, "Kelvin"}, {{"c"}, "cups (US)"},
      {{"c", "F"}, "Celsius"},     {{"l"}, "liters"}, {{"kip"}, "kips (avdp)"},
  };
  for (const auto& [typed, name] : others) {
    units::UnitChoice choice;
    ASSERT_EQ(units::ChooseUnits(typed, std::nullopt, choice), "") << typed.front();
    EXPECT_EQ(units::RowAt(units::TableFor(choice.In), choice.Rows[0]).Name, name);
  }
}

// "Values: 1.5, 3/4, 1 1/2, ½, 5'11"; a comma with three digits after it
// (1,000) is refused unless --decimal-symbol, --thousand-separator or
// --locale says which it is."
TEST(Help, ValuesReadAsItSays) {
  for (const std::vector<std::string>& args :
       {Words("1.5 in to mm"), Words("3/4 in to mm"), Words("1 1/2 in to mm"),
        Words("\u00bd in to mm"), std::vector<std::string>{"5'11\"", "to", "cm"}})
    EXPECT_EQ(RunArgs(args).status, 0) << args.front();
  EXPECT_EQ(RunArgs(Words("1,000 m to km")).status, 2);
  for (const std::vector<std::string>& clue :
       {Words("--decimal-symbol ."), Words("--thousand-separator ,"), Words("--locale")}) {
    std::vector<std::string> args = clue;
    for (const std::string& word : Words("1,000 m to km")) args.push_back(word);
    EXPECT_EQ(RunArgs(args).out, "1 km\n") << clue.front();
  }
}

TEST(Help, TheBatchExampleAnswersAsShown) {
  const std::vector<std::string> batch =
      Section("--batch reads one JSON object a line and answers each with one JSON line:");
  ASSERT_EQ(batch.size(), 2u);
  const std::string answer = batch[1].substr(batch[1].find("answers ") + 8);
  EXPECT_EQ(RunArgs({"--batch"}, batch[0].substr(2) + "\n").out, answer + "\n");
}

// Each refusal's hint, followed, works.
TEST(Help, EveryHintOfARefusalWorksWhenFollowed) {
  struct Case {
    std::vector<std::string> refused;
    std::string hint;                            // in the message
    std::vector<std::vector<std::string>> ways;  // each the hint's way, which must work
  };
  const Case cases[] = {
      {Words("1 m"),
       "(write: 1 mi to km, or use --metric)",
       {Words("1 mi to km"), Words("--metric 1 m")}},
      {Words("1 Mm to m"), "did you mean 'mm'", {Words("1 mm to m")}},
      {Words("1 meterz to ft"), "did you mean 'meters'", {Words("1 meters to ft")}},
      {Words("1 yrd to m"), "did you mean 'yd'", {Words("1 yd to m")}},
      {Words("1 ts to ts"),
       "choose one with --category",
       {Words("--category area 1 ts to ts"), Words("--category capacity 1 ts to ts")}},
      {Words("--category weight 1 ft to g"),
       "--list Weight shows the units of Weight",
       {Words("--list Weight")}},
      {Words("1 mg to ml"),
       "for a capacity write 'magnum' instead of 'mg'",
       {Words("1 magnum to ml")}},
      {Words("1 ml to mm"), "write 'mil' instead of 'ml'", {Words("1 mil to mm")}},
      {Words("2,500 m to km"),
       "write 2500 or 2.5 (or say which with --decimal-symbol . or --decimal-symbol ,)",
       {Words("2500 m to km"), Words("2.5 m to km"), Words("--decimal-symbol . 2,500 m to km"),
        Words("--decimal-symbol , 2,500 m to km")}},
      {Words("-.5 C to F"),
       "put -- before a negative value: zurmet-convert -- -40 F to C",
       {Words("-- -40 F to C"), Words("-- -.5 C to F")}},
      {Words("--bogus 1 m to ft"), "(zurmet-convert --help shows the options)", {Words("--help")}},
      {Words("1 C 2 C to F"),
       "(write one number: 1.5 or 3/2)",
       {Words("1.5 C to F"), Words("3/2 C to F")}},
      {Words("100 C to F K"), "(write: 100 C to F)", {Words("100 C to F")}},
      {Words("1 m 20 to in"),
       "(write a unit after each value: 1 m 20 cm to in)",
       {Words("1 m 20 cm to in")}},
      {Words("m to ft"),
       "(write each value before its unit: 1 yd 2 ft to m)",
       {Words("1 yd 2 ft to m")}},
      {Words("1 ft to 6 in"), "(write: 1 ft 6 in to cm)", {Words("1 ft 6 in to cm")}},
      {Words("--us 1 mi to km"), "leave out 'to' and its units", {Words("--us 1 mi")}},
      {Words("1 mi to"), "no unit after 'to' (write: 1 mi to km)", {Words("1 mi to km")}},
      {Words("to km"), "give a value and its unit (1 mi to km)", {Words("1 mi to km")}},
      {Words("1 m to yd ft in mi"),
       "(a result has up to three parts: to yd ft in)",
       {Words("1 m to yd ft in")}},
      {Words("1 m 2 m 3 m 4 m to ft"), "(1 yd 2 ft 3 in to m)", {Words("1 yd 2 ft 3 in to m")}},
      {Words("--list volume"), "(the categories: length", {}},
      {Words("1 jiffy to m"), "(--list shows the units)", {Words("--list")}},
      {Words("60 Hz to rpm"), "(--list shows their units)", {Words("--list")}},
      {Words("--us 1 kWh"), "name the units after 'to' instead (1 kWh to J)", {Words("1 kWh to J")}},
      {Words("0 mpg to L/100km"), "(give a value above 0)", {Words("30 mpg to L/100km")}},
      {Words("--category prefixes 1 m to m"),
       "(it is a table: zurmet-convert --help)",
       {Words("--help")}},
      {Words("--batch 1 m to ft"), "reads its conversions from standard input", {Words("--batch")}},
      {Words("--list length 1 m"),
       "(write: zurmet-convert --list length)",
       {Words("--list length")}},
      {Words("-- -300 C to K"), "below absolute zero (-273.15 C)", {Words("-- -273.15 C to K")}},
      {Words("--thousand-separator . 1 m to m"), "give the other with --decimal-symbol",
       {Words("--thousand-separator . --decimal-symbol , 1 m to m")}},
      {{}, "nothing to convert (zurmet-convert --help shows how)", {Words("--help")}},
      {Words("1x m to ft"), "(digits, one point and one '/' for a fraction)",
       {Words("1 m to ft"), Words("1.5 m to ft"), Words("3/4 m to ft")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.hint);
    const auto refusal = RunArgs(c.refused);
    EXPECT_EQ(refusal.status, 2);
    EXPECT_NE(refusal.err.find(c.hint), std::string::npos) << refusal.err;
    for (const std::vector<std::string>& way : c.ways) {
      const auto followed = RunArgs(way);
      EXPECT_EQ(followed.status, 0) << way.front() << ": " << followed.err;
    }
  }
  // The categories an unknown one is answered with, and those a unit of
  // another kind is told are converted, each list --list takes.
  for (const std::vector<std::string>& refused : {Words("--list volume"), Words("60 Hz to rpm")}) {
    const std::string message = RunArgs(refused).err;
    for (const units::CategoryInfo& info : units::AllCategories()) {
      if (!info.Measured) continue;
      std::string name(info.Name);
      for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_NE(message.find(name), std::string::npos) << message;
      EXPECT_EQ(RunArgs({"--list", name}).status, 0) << name;
    }
  }
}

}  // namespace
