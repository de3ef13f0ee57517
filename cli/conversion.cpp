#include "cli/conversion.h"

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/help.h"
#include "cli/value_check.h"
#include "cli/wording.h"
#include "units/convert.h"
#include "units/suggest.h"
#include "units/unit_lookup.h"

namespace cli {
namespace {

// The words, with 'to' and its units exactly when --us and --metric do not
// choose the targets.
std::string ReadConversion(const Settings& settings, Wording& wording) {
  std::string error = ReadWording(SplitWords(settings.words), wording);
  if (!error.empty()) return error;
  const bool suggest = settings.us || settings.metric;
  if (suggest && wording.hasTo)
    return "--us and --metric choose the target units: leave out 'to' and its units";
  if (!suggest && !wording.hasTo)
    return "missing 'to' and the target units (write: 1 mi to km, or use --metric)";
  return {};
}

// The category --category names, if any; one with units to convert.
std::string ReadForcedCategory(const Settings& settings, std::optional<units::Category>& forced) {
  if (settings.category.empty()) return {};
  forced = units::CategoryFromText(settings.category);
  if (!forced)
    return "unknown category " + units::Quoted(settings.category) +
           " (the categories: " + ConvertedCategories() + ")";
  if (!units::Describe(*forced).Measured)
    return std::string(units::CategoryName(*forced)) +
           " has no units to convert (it is a table: zurmet-convert --help)";
  return {};
}

// The units of the terms, then the targets.
std::vector<std::string> TypedUnits(const Wording& wording) {
  std::vector<std::string> typed;
  for (const Term& term : wording.terms) typed.push_back(term.unit);
  typed.insert(typed.end(), wording.targets.begin(), wording.targets.end());
  return typed;
}

// As many values and targets as the category's page has rows for; --us and
// --metric only where the window's buttons have units to offer.
std::string CheckCounts(const Settings& settings, const Wording& wording,
                        units::Category category) {
  const units::CategoryInfo& info = units::Describe(category);
  if ((settings.us || settings.metric) && !units::OffersUnits(category))
    return "--us and --metric choose units only in " + SuggestingCategories() +
           ": name the units after 'to' instead (1 kWh to J)";
  if (wording.terms.size() > static_cast<std::size_t>(info.InputRows))
    return std::string(info.Name) + " converts one value at a time (write one number: 1.5 or 3/2)";
  if (wording.targets.size() > static_cast<std::size_t>(info.TargetUnits))
    return std::string(info.Name) + " converts to one unit at a time (write: 100 C to F)";
  return {};
}

// The values as the window's fields would hold them, with their rows and
// the target rows; temperatures not below absolute zero, and no 0 to be
// inverted (0 mpg to L/100 km).
std::string ReadQuantity(const Wording& wording, const units::UnitChoice& choice,
                         const OutputForm& form, units::Quantity& quantity) {
  const std::size_t terms = wording.terms.size();
  const NumberReading reading{form.decimalNamed ? form.symbols.Decimal : std::string()};
  for (std::size_t i = 0; i < choice.Rows.size(); ++i) {
    if (i >= terms) {
      quantity.To[i - terms] = choice.Rows[i];
      continue;
    }
    std::string error = CheckValue(choice.In, wording.terms[i].value, quantity.Values[i], reading);
    if (error.empty() && choice.In == units::Category::Temperature)
      error = CheckAboveAbsoluteZero(quantity.Values[i], choice.Rows[i]);
    if (!error.empty()) return error;
    quantity.From[i] = choice.Rows[i];
  }
  return CheckInvertible(choice.In, quantity.Values[0], quantity.From[0], quantity.To[0]);
}

// The targets --us or --metric choose; false when none suits.
bool SuggestTargets(const Settings& settings, units::Category category, units::Quantity& quantity) {
  quantity.To = units::SuggestUnits(settings.us ? units::UnitSystem::Us : units::UnitSystem::Metric,
                                    category, quantity);
  return std::any_of(quantity.To.begin(), quantity.To.end(), [](int row) { return row != 0; });
}

int WriteResult(units::Category category, const units::Quantity& quantity, const OutputForm& form,
                std::ostream& out, const Reporter& report) {
  const auto parts = units::ConvertToParts(category, quantity, form.options);
  const std::string text =
      parts ? PartsText(category, *parts, form) : std::string(units::ErrorText);
  out << text << '\n';
  if (text != units::ErrorText) return ExitResult;
  report.err << Program << ": the exact arithmetic could not give a result "
             << "(the numbers are too long)\n";
  return ExitErrorResult;
}

}  // namespace

int Convert(const Settings& settings, std::ostream& out, const Reporter& report,
            const OutputForm& form) {
  Wording wording;
  std::optional<units::Category> forced;
  std::string error = ReadConversion(settings, wording);
  if (error.empty()) error = ReadForcedCategory(settings, forced);
  units::UnitChoice choice;
  if (error.empty()) error = units::ChooseUnits(TypedUnits(wording), forced, choice);
  if (error.empty()) error = CheckCounts(settings, wording, choice.In);
  units::Quantity quantity;
  if (error.empty()) error = ReadQuantity(wording, choice, form, quantity);
  if (!error.empty()) return report.Usage(error);

  if ((settings.us || settings.metric) && !SuggestTargets(settings, choice.In, quantity)) {
    out << units::ErrorText << '\n';
    report.err << Program << ": no " << (settings.us ? "US" : "metric")
               << " unit suits this quantity\n";
    return ExitErrorResult;
  }
  return WriteResult(choice.In, quantity, form, out, report);
}

}  // namespace cli
