#include "cli/batch.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "cli/batch_reader.h"
#include "cli/command.h"
#include "cli/value_check.h"
#include "units/unit_lookup.h"

namespace cli {
namespace {

// Lowest row a list can report: -1 when nothing is chosen.
constexpr int NoItem = -1;

struct Request {
  std::optional<units::Category> category;
  units::Quantity quantity;
  OutputForm form;
};

// A unit given by row, or by what a person types.
struct UnitItem {
  std::optional<int> row;
  std::string name;  // empty: by row, or no unit
};

std::string ReadCategoryField(const Json& object, std::optional<units::Category>& out) {
  const Json* field = Field(object, "category");
  if (!field) return {};
  if (field->is_string()) {
    out = units::CategoryFromText(field->get<std::string>());
    if (!out) return "unknown category " + units::Quoted(field->get<std::string>());
    return {};
  }
  units::Category category{};
  std::string error = ReadCategory(object, category);
  if (error.empty()) out = category;
  return error;
}

std::string ReadValues(const Json& object, units::Quantity& quantity) {
  const Json* values = Field(object, "values");
  const std::string shape = "\"values\" must be an array of 1 to 3 strings";
  if (!values) return "missing field \"values\"";
  if (!values->is_array() || values->empty() || values->size() > units::TermCount) return shape;
  for (std::size_t i = 0; i < values->size(); ++i) {
    if (!(*values)[i].is_string()) return shape;
    quantity.Values[i] = (*values)[i].get<std::string>();
  }
  return {};
}

std::string ReadUnits(const Json& object, std::string_view key,
                      std::array<UnitItem, units::TermCount>& items) {
  const std::string quoted = "\"" + std::string(key) + "\"";
  const std::string shape =
      quoted + " must be an array of 1 to 3 units, each a name (\"ft\") or a row number";
  const Json* field = Field(object, key);
  if (!field) return "missing field " + quoted;
  if (!field->is_array() || field->empty() || field->size() > units::TermCount) return shape;
  for (std::size_t i = 0; i < field->size(); ++i) {
    const Json& item = (*field)[i];
    if (item.is_string()) {
      items[i].name = item.get<std::string>();
    } else if (item.is_number_integer()) {
      // Any row beyond the tables reads as one, refused with the range.
      constexpr std::int64_t Beyond = 1 << 20;
      const std::int64_t row = item.is_number_unsigned()
                                   ? static_cast<std::int64_t>(
                                         std::min<std::uint64_t>(item.get<std::uint64_t>(), Beyond))
                                   : std::max<std::int64_t>(item.get<std::int64_t>(), -Beyond);
      items[i].row = static_cast<int>(std::min(row, Beyond));
    } else {
      return shape;
    }
  }
  return {};
}

// Settles the category and the rows of the named units, and checks the rows
// given by number against the category's table.
// Who knows the named units: the memo when it has them, else the lookup.
std::string ChooseNamedUnits(const std::vector<std::string>& typed, Request& request,
                             NamedUnitsMemo* memo, units::UnitChoice& choice) {
  std::string named;
  if (memo) {
    named = request.category ? std::to_string(static_cast<int>(*request.category)) : "-";
    for (const std::string& unit : typed) named += '\x1f' + unit;
    if (const units::UnitChoice* known = memo->Find(named)) {
      choice = *known;
      return {};
    }
  }
  std::string error = units::ChooseUnits(typed, request.category, choice);
  if (memo && error.empty()) memo->Keep(std::move(named), choice);
  return error;
}

std::string ResolveUnits(std::array<UnitItem, units::TermCount>& from,
                         std::array<UnitItem, units::TermCount>& to, Request& request,
                         NamedUnitsMemo* memo) {
  std::vector<std::string> typed;
  std::vector<int*> rows;
  const auto collect = [&](std::array<UnitItem, units::TermCount>& items,
                           std::array<int, units::TermCount>& target) {
    for (std::size_t i = 0; i < items.size(); ++i) {
      if (items[i].row) {
        target[i] = *items[i].row;
      } else if (!items[i].name.empty() && items[i].name != "-") {
        typed.push_back(items[i].name);
        rows.push_back(&target[i]);
      }
    }
  };
  collect(from, request.quantity.From);
  collect(to, request.quantity.To);
  const bool anyRow =
      std::any_of(from.begin(), from.end(), [](const UnitItem& u) { return u.row.has_value(); }) ||
      std::any_of(to.begin(), to.end(), [](const UnitItem& u) { return u.row.has_value(); });
  if (!request.category && (anyRow || typed.empty()))
    return "missing field \"category\" (row numbers need it; units by name do not)";
  if (!typed.empty()) {
    units::UnitChoice choice;
    std::string error = ChooseNamedUnits(typed, request, memo, choice);
    if (!error.empty()) return error;
    request.category = choice.In;
    for (std::size_t i = 0; i < rows.size(); ++i) *rows[i] = choice.Rows[i];
  }
  // Prefixes has no table; its lists can only sit on the placeholder.
  const int last = std::max(units::RowCount(*request.category) - 1, 0);
  for (const auto& [items, key] : {std::pair{&from, "from"}, {&to, "to"}}) {
    for (const UnitItem& item : *items) {
      if (item.row && (*item.row < NoItem || *item.row > last))
        return "\"" + std::string(key) + "\" rows must be from -1 to " + std::to_string(last) +
               " for " + std::string(units::CategoryName(*request.category));
    }
  }
  return {};
}

bool NamesAUnit(units::Category category, int row) {
  const units::UnitRow& unit = units::RowAt(units::TableFor(category), row);
  return row > 0 && unit.Factor != "0" && !unit.Name.empty();
}

// Only the values and targets the category's page has rows for: the rest
// would be left out of the answer without a word.
std::string CheckRowsInUse(const Request& request) {
  const units::CategoryInfo& info = units::Describe(*request.category);
  const units::Quantity& quantity = request.quantity;
  for (std::size_t i = static_cast<std::size_t>(info.InputRows); i < quantity.Values.size(); ++i)
    if (!quantity.Values[i].empty() || quantity.From[i] > 0)
      return std::string(info.Name) +
             " converts one value at a time: one in \"values\" and \"from\"";
  for (std::size_t i = static_cast<std::size_t>(info.TargetUnits); i < quantity.To.size(); ++i)
    if (quantity.To[i] > 0)
      return std::string(info.Name) + " converts to one unit at a time: one in \"to\"";
  return {};
}

// Values as the window's field takes them, each with a unit to convert
// from; temperatures between two scales and not below absolute zero; no 0
// to be inverted.
std::string CheckTerms(Request& request) {
  const units::Category category = *request.category;
  units::Quantity& quantity = request.quantity;
  if (std::string error = CheckRowsInUse(request); !error.empty()) return error;
  if (category == units::Category::Temperature &&
      (!NamesAUnit(category, quantity.From[0]) || !NamesAUnit(category, quantity.To[0])))
    return "Temperature needs a scale in \"from\" and in \"to\": C, F or K (rows 1 to 3)";
  for (std::size_t i = 0; i < quantity.Values.size(); ++i) {
    std::string& value = quantity.Values[i];
    // Unlike the window, a script gets no silent zero for a value that is
    // not a number; an empty value is an unused term.
    if (value.empty()) continue;
    std::string fieldText;
    const NumberReading reading{
        request.form.decimalNamed ? request.form.symbols.Decimal : std::string(), true};
    std::string error = CheckValue(category, value, fieldText, reading);
    if (!error.empty()) return error;
    value = std::move(fieldText);
    if (!units::Describe(category).Measured) continue;
    if (!NamesAUnit(category, quantity.From[i]))
      return "value " + units::Quoted(value) + " has no unit in \"from\"";
    if (category == units::Category::Temperature)
      error = CheckAboveAbsoluteZero(value, quantity.From[i]);
    if (!error.empty()) return error;
  }
  return CheckInvertible(category, quantity.Values[0], quantity.From[0], quantity.To[0]);
}

// As on the command line, a thousand separator given is one to use.
void GroupWhenThousandGiven(bool thousandGiven, bool groupingGiven, Request& request) {
  if (thousandGiven && !groupingGiven) request.form.options.ThousandSeparators = true;
}

std::string ReadRequest(const Json& object, Request& request, NamedUnitsMemo* memo) {
  std::string error =
      CheckFields(object, {"op", "category", "values", "from", "to", "options", "symbols"});
  if (!error.empty()) return error;
  if (const Json* op = Field(object, "op"); op && *op != "Convert")
    return "\"op\" must be \"Convert\" or left out";
  std::array<UnitItem, units::TermCount> from, to;
  error = ReadCategoryField(object, request.category);
  if (error.empty()) error = ReadValues(object, request.quantity);
  if (error.empty()) error = ReadUnits(object, "from", from);
  if (error.empty()) error = ReadUnits(object, "to", to);
  if (error.empty()) error = ResolveUnits(from, to, request, memo);
  const Json* options = Field(object, "options");
  if (error.empty() && options)
    error = ReadOptions(*options, Missing::UseDefault, request.form.options);
  if (const Json* symbols = Field(object, "symbols"); error.empty() && symbols) {
    error = ReadSymbols(*symbols, Missing::UseDefault, request.form.symbols);
    request.form.decimalNamed = true;
    GroupWhenThousandGiven(symbols->is_object() && Field(*symbols, "thousand"),
                           options && Field(*options, "thousandSeparators"), request);
  }
  if (error.empty()) error = CheckTerms(request);
  return error;
}

// The fields of a plain line that the full reader would take without a
// word; false for any it would answer with an error, so that it does.
bool TakePlainFields(const PlainRequest& plain, Request& request,
                     std::array<UnitItem, units::TermCount>& from,
                     std::array<UnitItem, units::TermCount>& to) {
  if ((plain.op && *plain.op != "Convert") || !plain.hasValues || !plain.hasFrom || !plain.hasTo)
    return false;
  if (plain.categoryNumber) {
    request.category = units::CategoryFromNumber(*plain.categoryNumber);
    if (!request.category) return false;
  } else if (plain.categoryName) {
    request.category = units::CategoryFromText(*plain.categoryName);
    if (!request.category) return false;
  }
  for (std::size_t i = 0; i < plain.valueCount; ++i) request.quantity.Values[i] = plain.values[i];
  for (const auto& [list, items] : {std::pair{&plain.from, &from}, {&plain.to, &to}}) {
    for (std::size_t i = 0; i < list->count; ++i) {
      (*items)[i].row = list->items[i].row;
      (*items)[i].name = list->items[i].name;
    }
  }
  units::ResultOptions& options = request.form.options;
  if (plain.places) {
    if (*plain.places < 0 || *plain.places > units::MaxPlaces) return false;
    options.Places = *plain.places;
  }
  if (plain.roundUp) options.RoundUp = *plain.roundUp;
  if (plain.thousandSeparators) options.ThousandSeparators = *plain.thousandSeparators;
  if (plain.exponentForm) options.ExponentForm = *plain.exponentForm;
  platform::NumberSymbols& symbols = request.form.symbols;
  for (const auto& [given, target] :
       {std::pair{&plain.decimal, &symbols.Decimal}, {&plain.thousand, &symbols.Thousand}}) {
    if (!*given) continue;
    if (!CheckSymbol("", **given).empty()) return false;
    *target = **given;
  }
  if (plain.hasSymbols && symbols.Decimal == symbols.Thousand) return false;
  if (plain.hasSymbols) request.form.decimalNamed = true;
  GroupWhenThousandGiven(plain.thousand.has_value(), plain.thousandSeparators.has_value(), request);
  return true;
}

// The answer to a request that was read: the result or "Error".
std::string ResultAnswer(const Request& request, LineOutcome& outcome) {
  outcome = LineOutcome::Result;
  const units::Category category = *request.category;
  if (!units::Describe(category).Measured) return "{\"result\":null}";
  const auto parts = units::ConvertToParts(category, request.quantity, request.form.options);
  const std::string text =
      parts ? PartsText(category, *parts, request.form) : std::string(units::ErrorText);
  if (text == units::ErrorText) outcome = LineOutcome::ErrorResult;
  return DumpLine(Json{{"result", text}});
}

std::string ErrorLine(std::string_view message) { return DumpLine(ErrorAnswer(message)); }

}  // namespace

const units::UnitChoice* NamedUnitsMemo::Find(const std::string& named) const {
  const auto found = known_.find(named);
  return found == known_.end() ? nullptr : &found->second;
}

void NamedUnitsMemo::Keep(std::string named, units::UnitChoice choice) {
  // A script that names ever new units must not make the memo grow for ever.
  constexpr std::size_t Most = 4096;
  if (known_.size() == Most) known_.clear();
  known_.emplace(std::move(named), std::move(choice));
}

std::string AnswerBatchLine(std::string_view line, const OutputForm& form, LineOutcome& outcome,
                            NamedUnitsMemo* memo) {
  outcome = LineOutcome::Unreadable;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  Request request;
  request.form = form;

  // Most lines are plain; reading them without a document is most of a
  // line's time saved. The others take the full reader and its messages.
  if (const auto plain = ReadPlainLine(line)) {
    std::array<UnitItem, units::TermCount> from, to;
    if (TakePlainFields(*plain, request, from, to)) {
      std::string error = ResolveUnits(from, to, request, memo);
      if (error.empty()) error = CheckTerms(request);
      return error.empty() ? ResultAnswer(request, outcome) : ErrorLine(error);
    }
    request = Request{};
    request.form = form;
  }

  const Json parsed = ParseLine(line);
  if (parsed.is_discarded()) return ErrorLine("not a JSON value");
  if (!parsed.is_object()) return ErrorLine("expected a JSON object");
  const std::string error = ReadRequest(parsed, request, memo);
  return error.empty() ? ResultAnswer(request, outcome) : ErrorLine(error);
}

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const OutputForm& form,
             bool flushEachLine) {
  bool anyError = false;
  bool anyUnreadable = false;
  NamedUnitsMemo memo;
  std::string line;
  while (std::getline(in, line)) {
    LineOutcome outcome = LineOutcome::Result;
    out << AnswerBatchLine(line, form, outcome, &memo) << '\n';
    if (flushEachLine) out.flush();
    if (!out) return Finish(out, err);
    anyError = anyError || outcome == LineOutcome::ErrorResult;
    anyUnreadable = anyUnreadable || outcome == LineOutcome::Unreadable;
  }
  if (in.bad()) {
    err << "zurmet-convert: cannot read standard input\n";
    Finish(out, err);
    return ExitIoError;
  }
  if (const int status = Finish(out, err); status != ExitResult) return status;
  return anyUnreadable ? ExitUsage : anyError ? ExitErrorResult : ExitResult;
}

}  // namespace cli
