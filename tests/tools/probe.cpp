#include "tests/tools/probe.h"

#include <istream>
#include <optional>
#include <ostream>

#include "cli/json_forms.h"
#include "decimal/bignum.h"
#include "platform/utf8.h"
#include "units/suggest.h"
#include "units/value_input.h"

namespace probe {
namespace {

using cli::Json;

// The protocol carries failure in-band, as the text "bad"; a text starting
// with "b" given to the formatting steps is such a failure and comes back
// unchanged.
constexpr std::string_view Failure = "bad";

std::string OrFailure(const std::optional<std::string>& result) {
  return result ? *result : std::string(Failure);
}

bool IsFailure(std::string_view text) { return text.starts_with('b'); }

// Each operation reads its fields from the request and writes the answer,
// or returns an error text.
using Handler = std::string (*)(const Json& request, Json& answer);

std::string Arithmetic(const Json& request, Json& answer) {
  std::string op, a, b;
  bool skipCheck = false, integerOnly = false;
  cli::ReadString(request, "op", op);
  const bool division = op == "BigDiv";
  std::string error = division
                          ? cli::CheckFields(request, {"op", "a", "b", "skipCheck", "integerOnly"})
                          : cli::CheckFields(request, {"op", "a", "b", "skipCheck"});
  if (error.empty()) error = cli::ReadString(request, "a", a);
  if (error.empty()) error = cli::ReadString(request, "b", b);
  if (error.empty()) error = cli::ReadBool(request, "skipCheck", skipCheck);
  if (error.empty() && division) error = cli::ReadBool(request, "integerOnly", integerOnly);
  if (!error.empty()) return error;
  std::optional<std::string> result;
  if (op == "BigAdd") result = decimal::BigAdd(a, b, skipCheck);
  if (op == "BigSub") result = decimal::BigSub(a, b, skipCheck);
  if (op == "BigMul") result = decimal::BigMul(a, b, skipCheck);
  if (division) result = decimal::BigDiv(a, b, skipCheck, integerOnly);
  answer = Json{{"result", OrFailure(result)}};
  return {};
}

// Operations on one text "a".
std::string OnText(const Json& request, Json& answer) {
  std::string op, a;
  cli::ReadString(request, "op", op);
  std::string error = cli::CheckFields(request, {"op", "a"});
  if (error.empty()) error = cli::ReadString(request, "a", a);
  if (!error.empty()) return error;
  if (op == "IsValidNumber") {
    answer = Json{{"result", decimal::IsValidNumber(a)}};
    return {};
  }
  if (op == "StripLeadingZeros") decimal::StripLeadingZeros(a);
  if (op == "StripTrailingZeros") decimal::StripTrailingZeros(a);
  if (op == "ResolveFraction") a = OrFailure(units::ResolveFraction(a));
  answer = Json{{"result", a}};
  return {};
}

std::string ReadOptionsField(const Json& request, units::ResultOptions& options) {
  const Json* field = cli::Field(request, "options");
  if (!field) return "missing field \"options\"";
  return cli::ReadOptions(*field, cli::Missing::Error, options);
}

std::string RoundToPlaces(const Json& request, Json& answer) {
  std::string a;
  int places = 0;
  bool keep = false;
  units::ResultOptions options;
  std::string error =
      cli::CheckFields(request, {"op", "a", "places", "keepForExponent", "options"});
  if (error.empty()) error = cli::ReadString(request, "a", a);
  if (error.empty())
    error = cli::ReadInt(request, "places", units::WholePart, units::MaxPlaces, places);
  if (error.empty()) error = cli::ReadBool(request, "keepForExponent", keep);
  if (error.empty()) error = ReadOptionsField(request, options);
  if (!error.empty()) return error;
  answer = Json{
      {"result", IsFailure(a) ? a : OrFailure(units::RoundToPlaces(a, places, keep, options))}};
  return {};
}

std::string FormatResult(const Json& request, Json& answer) {
  std::string a;
  units::ResultOptions options;
  platform::NumberSymbols symbols;
  std::string error = cli::CheckFields(request, {"op", "a", "options", "symbols"});
  if (error.empty()) error = cli::ReadString(request, "a", a);
  if (error.empty()) error = ReadOptionsField(request, options);
  if (error.empty()) {
    const Json* field = cli::Field(request, "symbols");
    error = field ? cli::ReadSymbols(*field, cli::Missing::Error, symbols)
                  : "missing field \"symbols\"";
  }
  if (!error.empty()) return error;
  answer = Json{{"result", IsFailure(a) ? a : units::FormatResult(a, options, symbols)}};
  return {};
}

std::string FilterValueKey(const Json& request, Json& answer) {
  units::Category category{};
  std::string text, key;
  std::string error = cli::CheckFields(request, {"op", "category", "text", "key"});
  if (error.empty()) error = cli::ReadCategory(request, category);
  if (error.empty()) error = cli::ReadString(request, "text", text);
  if (error.empty()) error = cli::ReadString(request, "key", key);
  if (!error.empty()) return error;
  const auto typed = platform::DecodeSingle(key);
  if (!typed) return "\"key\" must be exactly one character";
  const units::KeyFilterResult filtered = units::FilterValueKey(category, text, *typed);
  answer = Json{{"key", filtered.Key == 0 ? std::string() : platform::EncodeUtf8(filtered.Key)},
                {"text", filtered.NewText.value_or(text)}};
  return {};
}

std::string Convert(const Json& request, Json& answer) {
  cli::ConvertRequest convert;
  std::string error = cli::ReadConvertRequest(request, cli::Missing::Error, convert);
  if (!error.empty()) return error;
  const auto result =
      units::Convert(convert.category, convert.quantity, convert.options, convert.symbols);
  answer = result ? Json{{"result", *result}} : Json{{"result", nullptr}};
  return {};
}

std::string Suggest(const Json& request, Json& answer) {
  units::Category category{};
  units::Quantity quantity;
  std::string kind;
  std::string error = cli::CheckFields(request, {"op", "kind", "category", "values", "from"});
  if (error.empty()) error = cli::ReadString(request, "kind", kind);
  if (error.empty() && kind != "us" && kind != "metric")
    error = "\"kind\" must be \"us\" or \"metric\"";
  if (error.empty()) error = cli::ReadCategory(request, category);
  if (error.empty()) error = cli::ReadValuesAndFrom(request, category, quantity);
  if (!error.empty()) return error;
  const auto rows = units::SuggestUnits(
      kind == "us" ? units::UnitSystem::Us : units::UnitSystem::Metric, category, quantity);
  answer = Json{{"to", rows}};
  return {};
}

struct Operation {
  std::string_view name;
  Handler handler;
};

constexpr Operation Operations[] = {
    {"BigAdd", Arithmetic},
    {"BigSub", Arithmetic},
    {"BigMul", Arithmetic},
    {"BigDiv", Arithmetic},
    {"IsValidNumber", OnText},
    {"StripLeadingZeros", OnText},
    {"StripTrailingZeros", OnText},
    {"ResolveFraction", OnText},
    {"RoundToPlaces", RoundToPlaces},
    {"FormatResult", FormatResult},
    {"FilterValueKey", FilterValueKey},
    {"Convert", Convert},
    {"Suggest", Suggest},
};

}  // namespace

std::string Answer(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const Json request = cli::ParseLine(line);
  if (request.is_discarded()) return cli::DumpLine(cli::ErrorAnswer("not a JSON value"));
  if (!request.is_object()) return cli::DumpLine(cli::ErrorAnswer("expected a JSON object"));
  std::string op;
  std::string error = cli::ReadString(request, "op", op);
  if (!error.empty()) return cli::DumpLine(cli::ErrorAnswer(error));
  for (const Operation& operation : Operations) {
    if (operation.name != op) continue;
    Json answer;
    error = operation.handler(request, answer);
    return cli::DumpLine(error.empty() ? answer : cli::ErrorAnswer(error));
  }
  return cli::DumpLine(cli::ErrorAnswer("unknown \"op\" \"" + op + "\""));
}

int Run(std::istream& in, std::ostream& out) {
  std::string line;
  while (std::getline(in, line)) out << Answer(line) << '\n';
  out.flush();
  return 0;
}

}  // namespace probe
