// zurmet-convert's options: what each sets, the text --help gives it, and
// which may follow the conversion after "--".
#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "units/result_format.h"

namespace CLI {
class App;
}

namespace cli {

struct Settings {
  std::vector<std::string> words;
  int places = units::ResultOptions{}.Places;
  bool noRound = false;
  bool grouping = false;
  bool noGrouping = false;
  bool locale = false;
  bool windowFormat = false;
  bool exponent = false;
  std::string decimalSymbol;
  std::string thousandSeparator;
  std::string category;
  bool us = false;
  bool metric = false;
  std::string listCategory;
  bool batch = false;
  bool version = false;
};

// One option as --help shows it.
struct OptionText {
  std::string_view name;      // "--places"
  std::string_view argument;  // "N"; empty for a flag; in brackets when optional
  std::string_view help;      // one line
  std::string_view group;     // the heading it stands under
  // A result or unit option, which may also follow the conversion after
  // "--" (-- -40 F to C --places 30).
  bool movable = false;
};

std::span<const OptionText> OptionTexts();

// The parser's options, bound to settings, with the texts above.
void DefineOptions(CLI::App& app, Settings& settings);

// After "--" everything is a value or a unit to the option parser, so the
// options written there are moved in front of it.
std::vector<std::string> OptionsFirst(std::span<const std::string> args);

}  // namespace cli
