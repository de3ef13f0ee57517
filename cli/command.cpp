#include "cli/command.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <istream>
#include <optional>
#include <ostream>
#include <tuple>
#include <vector>

#include "cli/batch.h"
#include "cli/json_forms.h"
#include "cli/unit_lookup.h"
#include "cli/value_check.h"
#include "units/convert.h"
#include "units/suggest.h"

namespace cli {
namespace {

constexpr std::string_view Program = "zurmet-convert";

struct Settings {
  std::vector<std::string> words;
  int places = units::ResultOptions{}.Places;
  bool noRound = false;
  bool noGrouping = false;
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

// What the words say before the units are looked up.
struct Term {
  std::string value;
  std::string unit;
};
struct Wording {
  std::vector<Term> terms;
  std::vector<std::string> targets;
  bool hasTo = false;
};

bool IsTo(std::string_view word) {
  return word.size() == 2 && (word[0] == 't' || word[0] == 'T') &&
         (word[1] == 'o' || word[1] == 'O');
}

// Quoted multi-word units ("sq ft") and separate words (sq ft) read alike.
std::vector<std::string> SplitWords(std::span<const std::string> args) {
  std::vector<std::string> words;
  for (const std::string& arg : args) {
    std::size_t start = arg.find_first_not_of(" \t");
    // An empty argument is an empty value, refused later with a reason.
    if (start == std::string::npos) words.emplace_back();
    while (start != std::string::npos) {
      const std::size_t end = arg.find_first_of(" \t", start);
      words.push_back(arg.substr(start, end - start));
      start = end == std::string::npos ? end : arg.find_first_not_of(" \t", end);
    }
  }
  return words;
}

std::string JoinWords(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
  std::string joined;
  for (std::size_t i = from; i < to; ++i) {
    if (i > from) joined += ' ';
    joined += words[i];
  }
  return joined;
}

// After "to", the longest run of words that names a unit is one unit. The
// run is bounded by the longest unit, so thousands of words stay cheap.
std::string SplitTargets(const std::vector<std::string>& words, std::size_t start,
                         std::vector<std::string>& targets) {
  for (std::size_t i = start; i < words.size();) {
    if (targets.size() == units::TermCount) return "at most three units can follow 'to'";
    std::size_t end = std::min(words.size(), i + MaxUnitWords());
    while (end > i && !FindUnit(JoinWords(words, i, end)).Any()) --end;
    if (end == i) {
      if (LooksLikeValue(words[i]))
        return "values go before 'to', found '" + words[i] + "' after it";
      return "unknown unit '" + words[i] + "' (zurmet-convert --list shows the units)";
    }
    targets.push_back(JoinWords(words, i, end));
    i = end;
  }
  return {};
}

std::string ReadWording(const std::vector<std::string>& words, Wording& wording) {
  std::size_t i = 0;
  while (i < words.size() && !IsTo(words[i])) {
    if (!LooksLikeValue(words[i])) return "expected a value before '" + words[i] + "'";
    Term term{words[i], {}};
    const std::size_t unitStart = ++i;
    while (i < words.size() && !IsTo(words[i]) && !LooksLikeValue(words[i])) ++i;
    if (i == unitStart) return "value '" + term.value + "' has no unit";
    term.unit = JoinWords(words, unitStart, i);
    wording.terms.push_back(std::move(term));
  }
  if (wording.terms.empty()) return "nothing to convert: give a value and its unit";
  if (wording.terms.size() > units::TermCount)
    return "at most three values can be converted at once";
  if (i == words.size()) return {};
  wording.hasTo = true;
  std::string error = SplitTargets(words, i + 1, wording.targets);
  if (!error.empty()) return error;
  if (wording.targets.empty()) return "no unit after 'to'";
  return {};
}

struct Reporter {
  std::ostream& err;
  int Usage(std::string_view message) const {
    err << Program << ": " << message << '\n';
    return ExitUsage;
  }
};

std::string ReadSymbolOptions(const CLI::App& app, const Settings& settings,
                              platform::NumberSymbols& symbols) {
  bool given = false;
  for (auto [text, target, name] :
       {std::tuple{&settings.decimalSymbol, &symbols.Decimal, "--decimal-symbol"},
        {&settings.thousandSeparator, &symbols.Thousand, "--thousand-separator"}}) {
    if (app.count(name) == 0) continue;
    std::string error = CheckSymbol(name, *text);
    if (!error.empty()) return error;
    *target = *text;
    given = true;
  }
  if (given && symbols.Decimal == symbols.Thousand)
    return "the decimal symbol and the thousand separator must differ (both are '" +
           symbols.Decimal + "')";
  return {};
}

int ListUnits(const Settings& settings, std::ostream& out, const Reporter& report) {
  std::vector<units::Category> categories;
  if (settings.listCategory.empty()) {
    for (const units::CategoryInfo& info : units::AllCategories())
      if (info.Measured) categories.push_back(info.Id);
  } else if (auto category = CategoryFromText(settings.listCategory)) {
    categories.push_back(*category);
  } else {
    return report.Usage("unknown category '" + settings.listCategory + "'");
  }
  for (units::Category category : categories) {
    out << units::CategoryName(category) << '\n';
    for (const ListedUnit& unit : UnitsOf(category)) {
      std::string name(unit.Name);
      name.resize(std::max<std::size_t>(name.size() + 2, 28), ' ');
      out << "  " << name << unit.Symbol << '\n';
    }
  }
  return ExitResult;
}

int Convert(const Settings& settings, std::ostream& out, const Reporter& report,
            const units::ResultOptions& options, const platform::NumberSymbols& symbols) {
  Wording wording;
  std::string error = ReadWording(SplitWords(settings.words), wording);
  if (!error.empty()) return report.Usage(error);
  const bool suggest = settings.us || settings.metric;
  if (suggest && wording.hasTo)
    return report.Usage("--us and --metric choose the target units: leave out 'to' and its units");
  if (!suggest && !wording.hasTo)
    return report.Usage("missing 'to' and the target units (or --us / --metric)");

  std::optional<units::Category> forced;
  if (!settings.category.empty()) {
    forced = CategoryFromText(settings.category);
    if (!forced) return report.Usage("unknown category '" + settings.category + "'");
    if (!units::Describe(*forced).Measured)
      return report.Usage(std::string(units::CategoryName(*forced)) + " has no units to convert");
  }

  std::vector<std::string> typed;
  for (const Term& term : wording.terms) typed.push_back(term.unit);
  typed.insert(typed.end(), wording.targets.begin(), wording.targets.end());
  std::vector<UnitCandidates> candidates;
  for (const std::string& unit : typed) {
    candidates.push_back(FindUnit(unit));
    if (!candidates.back().Any())
      return report.Usage("unknown unit '" + unit + "' (zurmet-convert --list shows the units)");
  }
  units::Category category{};
  error = SettleCategory(typed, candidates, forced, category);
  if (!error.empty()) return report.Usage(error);

  const std::size_t terms = wording.terms.size();
  const units::CategoryInfo& info = units::Describe(category);
  if (terms > static_cast<std::size_t>(info.InputRows))
    return report.Usage(std::string(info.Name) + " converts one value at a time");
  if (wording.targets.size() > static_cast<std::size_t>(info.TargetUnits))
    return report.Usage(std::string(info.Name) + " converts to one unit at a time");

  units::Quantity quantity;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    int row = 0;
    error = PickRow(category, typed[i], candidates[i], row);
    if (!error.empty()) return report.Usage(error);
    if (i < terms) {
      error = CheckValue(category, wording.terms[i].value, quantity.Values[i]);
      if (!error.empty()) return report.Usage(error);
      quantity.From[i] = row;
    } else {
      quantity.To[i - terms] = row;
    }
  }

  if (suggest) {
    quantity.To = units::SuggestUnits(
        settings.us ? units::UnitSystem::Us : units::UnitSystem::Metric, category, quantity);
    if (std::all_of(quantity.To.begin(), quantity.To.end(), [](int row) { return row == 0; })) {
      out << units::ErrorText << '\n';
      report.err << Program << ": no " << (settings.us ? "US" : "metric")
                 << " unit suits this quantity\n";
      return ExitErrorResult;
    }
  }

  const auto result = units::Convert(category, quantity, options, symbols);
  const std::string whole = result.value_or(std::string(units::ErrorText));
  const std::string_view text = TrimResult(whole);
  out << text << '\n';
  if (text == units::ErrorText) {
    report.err << Program << ": the exact arithmetic could not give a result "
               << "(the numbers are too long)\n";
    return ExitErrorResult;
  }
  return ExitResult;
}

void DefineOptions(CLI::App& app, Settings& settings) {
  // "/2" is a value with a missing numerator, not a Windows-style option.
  app.allow_windows_style_options(false);
  app.add_option("conversion", settings.words,
                 "VALUE UNIT [VALUE UNIT [VALUE UNIT]] to UNIT [UNIT [UNIT]]");
  app.add_option("--places", settings.places, "decimal places, 0 to 30 (default 3)")
      ->check(CLI::Range(0, units::MaxPlaces));
  app.add_flag("--no-round", settings.noRound, "cut the last place instead of rounding it");
  app.add_flag("--no-grouping", settings.noGrouping, "no thousand separators");
  app.add_flag("--exp", settings.exponent, "scientific form (1.000 E3)");
  app.add_option("--decimal-symbol", settings.decimalSymbol,
                 "decimal symbol of the result (default: the regional one)");
  app.add_option("--thousand-separator", settings.thousandSeparator,
                 "thousand separator of the result (default: the regional one)");
  auto* category = app.add_option("--category", settings.category,
                                  "the category, where the units leave a choice");
  auto* us = app.add_flag("--us", settings.us, "choose US target units to suit the quantity");
  auto* metric =
      app.add_flag("--metric", settings.metric, "choose metric target units to suit the quantity");
  us->excludes(metric);
  auto* list = app.add_option("--list", settings.listCategory,
                              "list the units (of one category) with their symbols")
                   ->expected(0, 1);
  auto* batch = app.add_flag("--batch", settings.batch,
                             "convert JSON lines from standard input, one answer a line");
  auto* version = app.add_flag("--version", settings.version, "print the version");
  for (auto* option : {category, us, metric, batch}) list->excludes(option);
  for (auto* option : {category, us, metric}) batch->excludes(option);
  for (auto* option : {category, us, metric, batch, list}) version->excludes(option);
  app.footer(
      "Examples:\n"
      "  zurmet-convert 1 yd 2 ft 3 in to m\n"
      "  zurmet-convert 100 in to ft in\n"
      "  zurmet-convert -- -40 F to C\n"
      "  zurmet-convert --metric 3 mi\n"
      "Exit status: 0 result, 1 the result is \"Error\", 2 usage error.");
}

}  // namespace

int RunCommand(std::span<const std::string> args, std::istream& in, std::ostream& out,
               std::ostream& err, const platform::NumberSymbols& regional, bool interactive) {
  const Reporter report{err};
  Settings settings;
  CLI::App app{"Exact unit conversion.", std::string(Program)};
  DefineOptions(app, settings);
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return ExitResult;
  } catch (const CLI::ParseError& e) {
    std::string message = e.what();
    const bool negative = std::any_of(args.begin(), args.end(), [](const std::string& arg) {
      return arg.size() > 1 && arg[0] == '-' &&
             (std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.' || arg[1] == ',');
    });
    if (negative) message += " (put -- before a negative value: zurmet-convert -- -40 F to C)";
    return report.Usage(message);
  }

  if (settings.version) {
    if (!settings.words.empty()) return report.Usage("--version takes no conversion");
    out << Program << ' ' << ZURMET_VERSION << '\n';
    return ExitResult;
  }
  if (app.count("--list") > 0) {
    if (!settings.words.empty()) return report.Usage("--list takes no conversion");
    return ListUnits(settings, out, report);
  }

  units::ResultOptions options;
  options.Places = settings.places;
  options.RoundUp = !settings.noRound;
  options.ThousandSeparators = !settings.noGrouping;
  options.ExponentForm = settings.exponent;
  platform::NumberSymbols symbols = regional;
  std::string error = ReadSymbolOptions(app, settings, symbols);
  if (!error.empty()) return report.Usage(error);

  if (settings.batch) {
    if (!settings.words.empty())
      return report.Usage(
          "--batch reads its conversions from standard input, not the command line");
    return RunBatch(in, out, options, symbols, interactive);
  }
  if (settings.words.empty())
    return report.Usage("nothing to convert (zurmet-convert --help shows how)");
  return Convert(settings, out, report, options, symbols);
}

}  // namespace cli
