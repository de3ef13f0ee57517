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
#include "cli/conversion.h"
#include "cli/help.h"
#include "cli/json_forms.h"
#include "cli/listing.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/reporter.h"

namespace cli {
namespace {

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

// Reads the arguments into the settings; the exit status when that ends
// the run (--help, or a refusal).
std::optional<int> Parse(CLI::App& app, std::span<const std::string> args, std::ostream& out,
                         const Reporter& report) {
  const std::vector<std::string> ordered = OptionsFirst(args);
  std::vector<std::string> reversed(ordered.rbegin(), ordered.rend());
  try {
    app.parse(reversed);
  } catch (const CLI::CallForHelp&) {
    out << HelpText();
    return Finish(out, report.err);
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
  return std::nullopt;
}

}  // namespace

int RunCommand(std::span<const std::string> args, std::istream& in, std::ostream& out,
               std::ostream& err, const platform::NumberSymbols& regional, bool interactive) {
  const Reporter report{err};
  Settings settings;
  CLI::App app{"", std::string(Program)};
  DefineOptions(app, settings);
  if (const std::optional<int> status = Parse(app, args, out, report)) return *status;

  if (settings.version) {
    if (!settings.words.empty()) return report.Usage("--version takes no conversion");
    out << Program << ' ' << ZURMET_VERSION << '\n';
    return Finish(out, err);
  }
  if (app.count("--list") > 0) {
    if (!settings.words.empty())
      return report.Usage("--list takes no conversion (write: zurmet-convert --list length)");
    const int status = ListUnits(settings.listCategory, out, report);
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
