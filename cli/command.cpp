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
#include "cli/output.h"
#include "cli/value_check.h"
#include "cli/wording.h"
#include "units/aliases.h"
#include "units/convert.h"
#include "units/suggest.h"
#include "units/unit_lookup.h"

namespace cli {
namespace {

constexpr std::string_view Program = "zurmet-convert";

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

// Options that may follow a conversion after "--" (-- -40 F to C --places
// 30), with whether each takes a value.
constexpr std::pair<std::string_view, bool> MovableOptions[] = {
    {"--places", true},
    {"--decimal-symbol", true},
    {"--thousand-separator", true},
    {"--category", true},
    {"--no-round", false},
    {"--grouping", false},
    {"--no-grouping", false},
    {"--locale", false},
    {"--window-format", false},
    {"--exp", false},
    {"--us", false},
    {"--metric", false},
};

std::optional<bool> MovableOption(std::string_view arg) {
  const std::string_view name = arg.substr(0, arg.find('='));
  for (const auto& [option, takesValue] : MovableOptions)
    if (name == option) return takesValue && name.size() == arg.size();
  return std::nullopt;
}

// After "--" everything is a value or a unit to the option parser, so the
// options written there are moved in front of it.
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

struct Reporter {
  std::ostream& err;
  int Usage(std::string_view message) const {
    err << Program << ": " << message << '\n';
    return ExitUsage;
  }
};

// A thousand separator left to its default never equals the decimal symbol
// given: --decimal-symbol , alone groups with ".".
std::string ReadSymbolOptions(const CLI::App& app, const Settings& settings,
                              platform::NumberSymbols& symbols) {
  for (auto [text, target, name] :
       {std::tuple{&settings.decimalSymbol, &symbols.Decimal, "--decimal-symbol"},
        {&settings.thousandSeparator, &symbols.Thousand, "--thousand-separator"}}) {
    if (app.count(name) == 0) continue;
    std::string error = CheckSymbol(name, *text);
    if (!error.empty()) return error;
    *target = *text;
  }
  if (symbols.Decimal != symbols.Thousand) return {};
  if (app.count("--thousand-separator") > 0)
    return "the decimal symbol and the thousand separator must differ (both are '" +
           symbols.Decimal + "'; give the other with --decimal-symbol)";
  symbols.Thousand = symbols.Decimal == "." ? "," : ".";
  return {};
}

std::string ReadOutputForm(const CLI::App& app, const Settings& settings,
                           const platform::NumberSymbols& regional, OutputForm& form) {
  form.window = settings.windowFormat;
  if (settings.locale || settings.windowFormat) form.symbols = regional;
  form.options.Places = settings.places;
  form.options.RoundUp = !settings.noRound;
  form.options.ExponentForm = settings.exponent;
  const bool wantsGrouping = settings.grouping || settings.locale || settings.windowFormat ||
                             app.count("--thousand-separator") > 0;
  form.options.ThousandSeparators = wantsGrouping && !settings.noGrouping;
  form.decimalNamed = settings.locale || settings.windowFormat ||
                      app.count("--decimal-symbol") > 0 || app.count("--thousand-separator") > 0;
  return ReadSymbolOptions(app, settings, form.symbols);
}

int ListUnits(const Settings& settings, std::ostream& out, const Reporter& report) {
  std::vector<units::Category> categories;
  if (settings.listCategory.empty()) {
    for (const units::CategoryInfo& info : units::AllCategories())
      if (info.Measured) categories.push_back(info.Id);
  } else if (auto category = units::CategoryFromText(settings.listCategory)) {
    categories.push_back(*category);
  } else {
    return report.Usage("unknown category " + units::Quoted(settings.listCategory) +
                        " (the categories: length, area, capacity, weight, temperature, speed, "
                        "paper)");
  }
  for (units::Category category : categories) {
    out << units::CategoryName(category) << '\n';
    for (const units::ListedUnit& unit : units::UnitsOf(category)) {
      std::string row = std::to_string(unit.Row);
      row.insert(0, row.size() < 4 ? 4 - row.size() : 0, ' ');
      std::string name(unit.Name);
      name.resize(std::max<std::size_t>(name.size() + 2, 28), ' ');
      out << row << "  " << name << unit.Symbol << '\n';
    }
  }
  return ExitResult;
}

int Convert(const Settings& settings, std::ostream& out, const Reporter& report,
            const OutputForm& form) {
  Wording wording;
  std::string error = ReadWording(SplitWords(settings.words), wording);
  if (!error.empty()) return report.Usage(error);
  const bool suggest = settings.us || settings.metric;
  if (suggest && wording.hasTo)
    return report.Usage("--us and --metric choose the target units: leave out 'to' and its units");
  if (!suggest && !wording.hasTo)
    return report.Usage("missing 'to' and the target units (write: 1 mi to km, or use --metric)");

  std::optional<units::Category> forced;
  if (!settings.category.empty()) {
    forced = units::CategoryFromText(settings.category);
    if (!forced)
      return report.Usage("unknown category " + units::Quoted(settings.category) +
                          " (the categories: length, area, capacity, weight, temperature, "
                          "speed, paper)");
    if (!units::Describe(*forced).Measured)
      return report.Usage(std::string(units::CategoryName(*forced)) +
                          " has no units to convert (it is a table: zurmet-convert --help)");
  }

  std::vector<std::string> typed;
  for (const Term& term : wording.terms) typed.push_back(term.unit);
  typed.insert(typed.end(), wording.targets.begin(), wording.targets.end());
  units::UnitChoice choice;
  error = units::ChooseUnits(typed, forced, choice);
  if (!error.empty()) return report.Usage(error);

  const units::CategoryInfo& info = units::Describe(choice.In);
  const std::size_t terms = wording.terms.size();
  if (terms > static_cast<std::size_t>(info.InputRows))
    return report.Usage(std::string(info.Name) +
                        " converts one value at a time (write one number: 1.5 or 3/2)");
  if (wording.targets.size() > static_cast<std::size_t>(info.TargetUnits))
    return report.Usage(std::string(info.Name) +
                        " converts to one unit at a time (write: 100 C to F)");

  units::Quantity quantity;
  for (std::size_t i = 0; i < typed.size(); ++i) {
    if (i >= terms) {
      quantity.To[i - terms] = choice.Rows[i];
      continue;
    }
    const NumberReading reading{form.decimalNamed ? form.symbols.Decimal : std::string()};
    error = CheckValue(choice.In, wording.terms[i].value, quantity.Values[i], reading);
    if (error.empty() && choice.In == units::Category::Temperature)
      error = CheckAboveAbsoluteZero(quantity.Values[i], choice.Rows[i]);
    if (!error.empty()) return report.Usage(error);
    quantity.From[i] = choice.Rows[i];
  }

  if (suggest) {
    quantity.To = units::SuggestUnits(
        settings.us ? units::UnitSystem::Us : units::UnitSystem::Metric, choice.In, quantity);
    if (std::all_of(quantity.To.begin(), quantity.To.end(), [](int row) { return row == 0; })) {
      out << units::ErrorText << '\n';
      report.err << Program << ": no " << (settings.us ? "US" : "metric")
                 << " unit suits this quantity\n";
      return ExitErrorResult;
    }
  }

  const auto parts = units::ConvertToParts(choice.In, quantity, form.options);
  const std::string text =
      parts ? PartsText(choice.In, *parts, form) : std::string(units::ErrorText);
  out << text << '\n';
  if (text == units::ErrorText) {
    report.err << Program << ": the exact arithmetic could not give a result "
               << "(the numbers are too long)\n";
    return ExitErrorResult;
  }
  return ExitResult;
}

// How to write the other units the catalogue gives a default's symbol:
// "oz t" beside "oz", "imp gal" and "dry gal" beside "gal".
std::string OthersOf(std::string_view text) {
  std::vector<std::string_view> others;
  for (const units::CategoryInfo& info : units::AllCategories()) {
    std::string_view stated;
    for (const units::Alias& alias : units::Aliases())
      if (alias.Text == text && alias.In == info.Id) stated = alias.Unit;
    for (std::size_t i = 0; i < info.Table.size(); ++i) {
      const units::UnitRow& row = info.Table[i];
      const std::string_view symbol = units::TypedSymbol(info.Id, static_cast<int>(i));
      if (row.Symbol != text || row.Name == stated || symbol.empty() || symbol == text) continue;
      if (std::find(others.begin(), others.end(), symbol) == others.end()) others.push_back(symbol);
    }
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
    text += line + OthersOf(alias.Text) + '\n';
  }
  return text;
}

std::string Footer() {
  return "Examples:\n"
         "  zurmet-convert 1 mile to km\n"
         "  zurmet-convert 5'11\" to cm\n"
         "  zurmet-convert 1 1/2 in to mm\n"
         "  zurmet-convert 70 kg to st lb\n"
         "  zurmet-convert 100 in to ft in\n"
         "  zurmet-convert -- -40 F to C --places 30\n"
         "  zurmet-convert 20 lb bond to gsm\n"
         "  zurmet-convert --metric 3 mi\n"
         "\n"
         "Units: names in any case, singular or plural, US or British spelling (mile,\n"
         "miles, metre); symbols and abbreviations by their case (mm is not Mm; ml is\n"
         "millilitres, mil is mils), or in any case when written all in capitals or all\n"
         "small. zurmet-convert --list [CATEGORY] shows the units with their rows.\n"
         "Results write units so that they can be typed back in.\n"
         "Names with several meanings mean:\n" +
         StatedDefaults() +
         "\n"
         "Results have \".\" and no grouping, whatever the locale, unless --grouping,\n"
         "--locale or --window-format says otherwise.\n"
         "\n"
         "--batch reads one JSON object a line from standard input and answers each\n"
         "with one JSON line:\n"
         "  "
         "{\"category\":\"length\",\"values\":[\"1\",\"2\",\"3\"],\"from\":[\"yd\",\"ft\",\"in\"],"
         "\"to\":[\"m\"]}\n"
         "  answers {\"result\":\"1.6 m\"}\n"
         "\"category\" is a number (1 Length, 2 Area, 3 Capacity, 4 Weight, 5 Temperature,\n"
         "6 Prefixes, 7 Speed, 8 Paper) or a name, and may be left out when the units\n"
         "are named; \"values\" holds up to three value texts; \"from\" and \"to\" up to\n"
         "three units each, as names or row numbers (--list shows the rows), \"\" or 0\n"
         "for none. Optional \"options\" ({\"places\":3,\"roundUp\":true,\n"
         "\"thousandSeparators\":false,\"exponentForm\":false}) and \"symbols\"\n"
         "({\"decimal\":\".\",\"thousand\":\",\"}) override the command line's, field by\n"
         "field. Answers are {\"result\":S}, {\"result\":null} for Prefixes, or\n"
         "{\"error\":S} for a line that cannot be converted; the next line follows.\n"
         "\n"
         "Exit status: 0 a result; 1 the result is \"Error\"; 2 a refusal (the reason on\n"
         "standard error, nothing on standard output); 3 standard input or output\n"
         "failed. In batch: 2 if any line was refused, else 1 if any result was \"Error\".";
}

void DefineOptions(CLI::App& app, Settings& settings) {
  // "/2" is a value with a missing numerator, not a Windows-style option.
  app.allow_windows_style_options(false);
  app.add_option("conversion", settings.words,
                 "VALUE UNIT [VALUE UNIT [VALUE UNIT]] to UNIT [UNIT [UNIT]]");
  app.add_option("--places", settings.places, "decimal places, 0 to 30 (default 3)")
      ->check(CLI::Range(0, units::MaxPlaces));
  app.add_flag("--no-round", settings.noRound,
               "cut the last place instead of rounding it (no zeros added)");
  auto* grouping =
      app.add_flag("--grouping", settings.grouping, "group the digits before the point");
  auto* noGrouping =
      app.add_flag("--no-grouping", settings.noGrouping, "no grouping, whatever else says so");
  grouping->excludes(noGrouping);
  app.add_flag("--locale", settings.locale,
               "the regional decimal symbol and thousand separator, with grouping");
  app.add_flag("--window-format", settings.windowFormat,
               "exactly the window's text: regional symbols, grouping of all digits, "
               "zeros padded when cut, the window's unit symbols");
  app.add_flag("--exp", settings.exponent, "scientific form (1.000 E3)");
  app.add_option("--decimal-symbol", settings.decimalSymbol,
                 "decimal symbol of the result (default \".\")");
  app.add_option("--thousand-separator", settings.thousandSeparator,
                 "thousand separator of the result; turns grouping on (default \",\")");
  auto* category = app.add_option("--category", settings.category,
                                  "the category, where the units leave a choice");
  auto* us = app.add_flag("--us", settings.us, "choose US target units to suit the quantity");
  auto* metric =
      app.add_flag("--metric", settings.metric, "choose metric target units to suit the quantity");
  us->excludes(metric);
  auto* list = app.add_option("--list", settings.listCategory,
                              "list the units (of one category): row, name, symbol")
                   ->expected(0, 1);
  auto* batch = app.add_flag("--batch", settings.batch,
                             "convert JSON lines from standard input, one answer a line");
  auto* version = app.add_flag("--version", settings.version, "print the version");
  for (auto* option : {category, us, metric, batch}) list->excludes(option);
  for (auto* option : {category, us, metric}) batch->excludes(option);
  for (auto* option : {category, us, metric, batch, list}) version->excludes(option);
  // Built only when --help asks: the list of defaults takes a while.
  app.footer(std::function<std::string()>(Footer));
}

}  // namespace

int RunCommand(std::span<const std::string> args, std::istream& in, std::ostream& out,
               std::ostream& err, const platform::NumberSymbols& regional, bool interactive) {
  const Reporter report{err};
  Settings settings;
  CLI::App app{"Exact unit conversion.", std::string(Program)};
  DefineOptions(app, settings);
  const std::vector<std::string> ordered = OptionsFirst(args);
  std::vector<std::string> reversed(ordered.rbegin(), ordered.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << app.help();
    return Finish(out, err);
  } catch (const CLI::ParseError& e) {
    std::string message = e.what();
    const bool negative = std::any_of(args.begin(), args.end(), [](const std::string& arg) {
      return arg.size() > 1 && arg[0] == '-' &&
             (std::isdigit(static_cast<unsigned char>(arg[1])) || arg[1] == '.' || arg[1] == ',');
    });
    if (negative)
      message += " (put -- before a negative value: zurmet-convert -- -40 F to C)";
    else
      message += " (zurmet-convert --help shows the options)";
    return report.Usage(message);
  }

  if (settings.version) {
    if (!settings.words.empty()) return report.Usage("--version takes no conversion");
    out << Program << ' ' << ZURMET_VERSION << '\n';
    return Finish(out, err);
  }
  if (app.count("--list") > 0) {
    if (!settings.words.empty())
      return report.Usage("--list takes no conversion (write: zurmet-convert --list length)");
    const int status = ListUnits(settings, out, report);
    return status == ExitResult ? Finish(out, err) : status;
  }

  OutputForm form;
  std::string error = ReadOutputForm(app, settings, regional, form);
  if (!error.empty()) return report.Usage(error);

  if (settings.batch) {
    if (!settings.words.empty())
      return report.Usage(
          "--batch reads its conversions from standard input, not the command line");
    return RunBatch(in, out, err, form, interactive);
  }
  if (settings.words.empty())
    return report.Usage("nothing to convert (zurmet-convert --help shows how)");
  const int status = Convert(settings, out, report, form);
  const int written = Finish(out, err);
  return written == ExitResult ? status : written;
}

int Finish(std::ostream& out, std::ostream& err) {
  out.flush();
  if (out) return ExitResult;
  err << Program << ": cannot write to standard output\n";
  return ExitIoError;
}

}  // namespace cli
