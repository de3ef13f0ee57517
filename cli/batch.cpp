#include "cli/batch.h"

#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

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
std::string ResolveUnits(std::array<UnitItem, units::TermCount>& from,
                         std::array<UnitItem, units::TermCount>& to, Request& request) {
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
    std::string error = units::ChooseUnits(typed, request.category, choice);
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

// Values as the window's field takes them, each with a unit to convert
// from; temperatures between two scales and not below absolute zero.
std::string CheckTerms(Request& request) {
  const units::Category category = *request.category;
  units::Quantity& quantity = request.quantity;
  if (category == units::Category::Temperature &&
      (!NamesAUnit(category, quantity.From[0]) || !NamesAUnit(category, quantity.To[0])))
    return "Temperature needs a scale in \"from\" and in \"to\": C, F or K (rows 1 to 3)";
  for (std::size_t i = 0; i < quantity.Values.size(); ++i) {
    std::string& value = quantity.Values[i];
    // Unlike the window, a script gets no silent zero for a value that is
    // not a number; an empty value is an unused term.
    if (value.empty()) continue;
    std::string fieldText;
    std::string error = CheckValue(category, value, fieldText);
    if (!error.empty()) return error;
    value = std::move(fieldText);
    if (!units::Describe(category).Measured) continue;
    if (!NamesAUnit(category, quantity.From[i]))
      return "value " + units::Quoted(value) + " has no unit in \"from\"";
    if (category == units::Category::Temperature)
      error = CheckAboveAbsoluteZero(value, quantity.From[i]);
    if (!error.empty()) return error;
  }
  return {};
}

std::string ReadRequest(const Json& object, Request& request) {
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
  if (error.empty()) error = ResolveUnits(from, to, request);
  if (const Json* options = Field(object, "options"); error.empty() && options)
    error = ReadOptions(*options, Missing::UseDefault, request.form.options);
  if (const Json* symbols = Field(object, "symbols"); error.empty() && symbols) {
    error = ReadSymbols(*symbols, Missing::UseDefault, request.form.symbols);
    // As on the command line, a thousand separator given is one to use.
    const Json* options = Field(object, "options");
    if (symbols->is_object() && Field(*symbols, "thousand") &&
        !(options && Field(*options, "thousandSeparators")))
      request.form.options.ThousandSeparators = true;
  }
  if (error.empty()) error = CheckTerms(request);
  return error;
}

}  // namespace

Json AnswerBatchLine(std::string_view line, const OutputForm& form, LineOutcome& outcome) {
  outcome = LineOutcome::Unreadable;
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const Json parsed = ParseLine(line);
  if (parsed.is_discarded()) return ErrorAnswer("not a JSON value");
  if (!parsed.is_object()) return ErrorAnswer("expected a JSON object");

  Request request;
  request.form = form;
  const std::string error = ReadRequest(parsed, request);
  if (!error.empty()) return ErrorAnswer(error);

  outcome = LineOutcome::Result;
  const units::Category category = *request.category;
  if (!units::Describe(category).Measured) return Json{{"result", nullptr}};
  const auto parts = units::ConvertToParts(category, request.quantity, request.form.options);
  const std::string text =
      parts ? PartsText(category, *parts, request.form) : std::string(units::ErrorText);
  if (text == units::ErrorText) outcome = LineOutcome::ErrorResult;
  return Json{{"result", text}};
}

int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const OutputForm& form,
             bool flushEachLine) {
  bool anyError = false;
  bool anyUnreadable = false;
  std::string line;
  while (std::getline(in, line)) {
    LineOutcome outcome = LineOutcome::Result;
    out << DumpLine(AnswerBatchLine(line, form, outcome)) << '\n';
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
