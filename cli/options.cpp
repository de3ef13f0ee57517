#include "cli/options.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <optional>

namespace cli {
namespace {

constexpr std::string_view Result = "Results";
constexpr std::string_view Units = "Units";
constexpr std::string_view Other = "Other modes";

constexpr OptionText Texts[] = {
    {"--places", "N", "decimal places, 0 to 30 (default 3)", Result, true},
    {"--no-round", "", "cut the last place instead of rounding it", Result, true},
    {"--exp", "", "scientific form (1.000 E3)", Result, true},
    {"--grouping", "", "group the digits before the decimal symbol", Result, true},
    {"--no-grouping", "", "no grouping, whatever else asks for it", Result, true},
    {"--decimal-symbol", "C", "the decimal symbol, of results and of 1,000", Result, true},
    {"--thousand-separator", "C", "thousand separator of results; groups digits", Result, true},
    {"--locale", "", "regional decimal symbol and separator, grouped", Result, true},
    {"--window-format", "", "exactly the text the window shows", Result, true},
    {"--category", "CATEGORY", "the category where the units leave a choice", Units, true},
    {"--us", "", "choose US target units (no 'to')", Units, true},
    {"--metric", "", "choose metric target units (no 'to')", Units, true},
    {"--list", "[CATEGORY]", "list the units and their rows, or the prefixes", Other},
    {"--batch", "", "convert JSON lines from standard input", Other},
    {"--help", "", "display this help and exit", Other},
    {"--version", "", "output version information and exit", Other},
};

std::string Help(std::string_view name) {
  const auto text = std::find_if(std::begin(Texts), std::end(Texts),
                                 [&](const OptionText& t) { return t.name == name; });
  return std::string(text->help);
}

// Whether an option may follow the conversion, and whether a value follows
// it there.
std::optional<bool> MovableOption(std::string_view arg) {
  const std::string_view name = arg.substr(0, arg.find('='));
  for (const OptionText& text : Texts)
    if (text.movable && name == text.name)
      return !text.argument.empty() && name.size() == arg.size();
  return std::nullopt;
}

// A number of places in decimal digits: "010" is ten, where the parser
// would read an octal eight, and "0x10" is no number of places.
std::string DecimalPlaces(std::string& text) {
  const std::size_t start = text.find_first_not_of(' ');
  const std::size_t end = text.find_last_not_of(' ');
  text = start == std::string::npos ? "" : text.substr(start, end - start + 1);
  if (text.empty() || text.find_first_not_of("0123456789") != std::string::npos)
    return "takes a whole number of places from 0 to 30, not '" + text + "'";
  text.erase(0, std::min(text.find_first_not_of('0'), text.size() - 1));
  return {};
}

}  // namespace

std::span<const OptionText> OptionTexts() { return Texts; }

void DefineOptions(CLI::App& app, Settings& settings) {
  // "/2" is a value with a missing numerator, not a Windows-style option.
  app.allow_windows_style_options(false);
  app.set_help_flag("-h,--help", Help("--help"));
  app.add_option("conversion", settings.words,
                 "VALUE UNIT [VALUE UNIT [VALUE UNIT]] to UNIT [UNIT [UNIT]]");
  app.add_option("--places", settings.places, Help("--places"))
      ->transform(CLI::Validator(DecimalPlaces, "N"))
      ->check(CLI::Range(0, units::MaxPlaces));
  app.add_flag("--no-round", settings.noRound, Help("--no-round"));
  auto* grouping = app.add_flag("--grouping", settings.grouping, Help("--grouping"));
  auto* noGrouping = app.add_flag("--no-grouping", settings.noGrouping, Help("--no-grouping"));
  grouping->excludes(noGrouping);
  app.add_flag("--locale", settings.locale, Help("--locale"));
  app.add_flag("--window-format", settings.windowFormat, Help("--window-format"));
  app.add_flag("--exp", settings.exponent, Help("--exp"));
  app.add_option("--decimal-symbol", settings.decimalSymbol, Help("--decimal-symbol"));
  app.add_option("--thousand-separator", settings.thousandSeparator, Help("--thousand-separator"));
  auto* category = app.add_option("--category", settings.category, Help("--category"));
  auto* us = app.add_flag("--us", settings.us, Help("--us"));
  auto* metric = app.add_flag("--metric", settings.metric, Help("--metric"));
  us->excludes(metric);
  auto* list = app.add_option("--list", settings.listCategory, Help("--list"))->expected(0, 1);
  auto* batch = app.add_flag("--batch", settings.batch, Help("--batch"));
  auto* version = app.add_flag("--version", settings.version, Help("--version"));
  for (auto* option : {category, us, metric, batch}) list->excludes(option);
  for (auto* option : {category, us, metric}) batch->excludes(option);
  for (auto* option : {category, us, metric, batch, list}) version->excludes(option);
}

std::vector<std::string> OptionsFirst(std::span<const std::string> args) {
  const auto dashes = std::find(args.begin(), args.end(), "--");
  if (dashes == args.end()) return {args.begin(), args.end()};
  std::vector<std::string> options(args.begin(), dashes);
  std::vector<std::string> rest;
  for (auto it = dashes + 1; it != args.end(); ++it) {
    const std::optional<bool> valueFollows = MovableOption(*it);
    if (!valueFollows) {
      rest.push_back(*it);
      continue;
    }
    options.push_back(*it);
    if (*valueFollows && it + 1 != args.end()) options.push_back(*++it);
  }
  options.emplace_back("--");
  options.insert(options.end(), rest.begin(), rest.end());
  return options;
}

}  // namespace cli
