#include "cli/json_forms.h"

#include <cstdint>

#include "platform/utf8.h"
#include "units/unit_lookup.h"

namespace cli {
namespace {

std::string Quoted(std::string_view key) { return "\"" + units::Shortened(key) + "\""; }

std::string MissingField(std::string_view key) { return "missing field " + Quoted(key); }

std::string IntValue(const Json& value, std::string_view name, int min, int max, int& out) {
  const std::string error = std::string(name) + " must be an integer from " + std::to_string(min) +
                            " to " + std::to_string(max);
  if (!value.is_number_integer()) return error;
  // Unsigned JSON numbers may exceed int64; compare before narrowing.
  if (value.is_number_unsigned()) {
    const auto number = value.get<std::uint64_t>();
    if (max < 0 || number > static_cast<std::uint64_t>(max) ||
        static_cast<std::int64_t>(number) < min)
      return error;
    out = static_cast<int>(number);
    return {};
  }
  const auto number = value.get<std::int64_t>();
  if (number < min || number > max) return error;
  out = static_cast<int>(number);
  return {};
}

// Lowest row a list can report: -1 when nothing is chosen.
constexpr int NoItem = -1;

std::string RowArray(const Json& object, std::string_view key, units::Category category,
                     std::array<int, units::TermCount>& rows) {
  const Json* field = Field(object, key);
  if (!field) return MissingField(key);
  if (!field->is_array() || field->size() != units::TermCount)
    return Quoted(key) + " must be an array of 3 row numbers";
  // Prefixes has no table; its lists can only sit on the placeholder.
  const int last = std::max(units::RowCount(category) - 1, 0);
  for (std::size_t i = 0; i < rows.size(); ++i) {
    std::string error = IntValue((*field)[i], Quoted(key) + " items", NoItem, last, rows[i]);
    if (!error.empty()) return error + " for " + std::string(units::CategoryName(category));
  }
  return {};
}

}  // namespace

const Json* Field(const Json& object, std::string_view key) {
  auto it = object.find(std::string(key));
  return it == object.end() ? nullptr : &*it;
}

Json ParseLine(std::string_view line) {
  // The reader would stop at a NUL and take what came before for the line.
  if (line.find('\0') != std::string_view::npos) return Json(Json::value_t::discarded);
  return Json::parse(line.begin(), line.end(), nullptr, /*allow_exceptions=*/false);
}

std::string DumpLine(const Json& value) {
  return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

Json ErrorAnswer(std::string_view message) { return Json{{"error", message}}; }

std::string CheckFields(const Json& object, std::initializer_list<std::string_view> allowed) {
  for (const auto& item : object.items()) {
    bool known = false;
    for (std::string_view name : allowed) known = known || item.key() == name;
    if (!known) return "unknown field " + Quoted(item.key());
  }
  return {};
}

std::string ReadString(const Json& object, std::string_view key, std::string& out) {
  const Json* field = Field(object, key);
  if (!field) return MissingField(key);
  if (!field->is_string()) return Quoted(key) + " must be a string";
  out = field->get<std::string>();
  return {};
}

std::string ReadBool(const Json& object, std::string_view key, bool& out) {
  const Json* field = Field(object, key);
  if (!field) return MissingField(key);
  if (!field->is_boolean()) return Quoted(key) + " must be true or false";
  out = field->get<bool>();
  return {};
}

std::string ReadInt(const Json& object, std::string_view key, int min, int max, int& out) {
  const Json* field = Field(object, key);
  if (!field) return MissingField(key);
  return IntValue(*field, Quoted(key), min, max, out);
}

std::string ReadCategory(const Json& object, units::Category& out) {
  int number = 0;
  std::string error =
      ReadInt(object, "category", units::FirstCategory, units::LastCategory, number);
  if (!error.empty()) return error;
  out = *units::CategoryFromNumber(number);
  return {};
}

std::string CheckSymbol(std::string_view what, std::string_view text) {
  const auto codePoint = platform::DecodeSingle(text);
  if (!codePoint) return std::string(what) + " must be exactly one character";
  if (*codePoint < U' ' || (*codePoint >= U'\x7F' && *codePoint <= U'\x9F'))
    return std::string(what) + " cannot be a control character";
  if ((*codePoint >= U'0' && *codePoint <= U'9') || *codePoint == U'-' || *codePoint == U'+')
    return std::string(what) + " cannot be a digit, \"-\" or \"+\"";
  return {};
}

std::string ReadOptions(const Json& value, Missing missing, units::ResultOptions& out) {
  if (!value.is_object()) return "\"options\" must be an object";
  std::string error =
      CheckFields(value, {"places", "roundUp", "thousandSeparators", "exponentForm"});
  if (!error.empty()) return "\"options\": " + error;
  auto present = [&](std::string_view key) {
    return missing == Missing::Error || Field(value, key) != nullptr;
  };
  if (present("places")) error = ReadInt(value, "places", 0, units::MaxPlaces, out.Places);
  if (error.empty() && present("roundUp")) error = ReadBool(value, "roundUp", out.RoundUp);
  if (error.empty() && present("thousandSeparators"))
    error = ReadBool(value, "thousandSeparators", out.ThousandSeparators);
  if (error.empty() && present("exponentForm"))
    error = ReadBool(value, "exponentForm", out.ExponentForm);
  return error.empty() ? error : "\"options\": " + error;
}

std::string ReadSymbols(const Json& value, Missing missing, platform::NumberSymbols& out) {
  if (!value.is_object()) return "\"symbols\" must be an object";
  std::string error = CheckFields(value, {"decimal", "thousand"});
  platform::NumberSymbols read = out;
  for (auto [key, target] : {std::pair{"decimal", &read.Decimal}, {"thousand", &read.Thousand}}) {
    if (!error.empty()) break;
    if (missing == Missing::UseDefault && !Field(value, key)) continue;
    error = ReadString(value, key, *target);
    if (error.empty()) error = CheckSymbol(Quoted(key), *target);
  }
  if (error.empty() && read.Decimal == read.Thousand)
    error = "the decimal symbol and the thousand separator must differ";
  if (!error.empty()) return "\"symbols\": " + error;
  out = read;
  return {};
}

std::string ReadValuesAndFrom(const Json& object, units::Category category,
                              units::Quantity& quantity) {
  const Json* values = Field(object, "values");
  if (!values) return MissingField("values");
  if (!values->is_array() || values->size() != units::TermCount)
    return "\"values\" must be an array of 3 strings";
  for (std::size_t i = 0; i < quantity.Values.size(); ++i) {
    if (!(*values)[i].is_string()) return "\"values\" must be an array of 3 strings";
    quantity.Values[i] = (*values)[i].get<std::string>();
  }
  return RowArray(object, "from", category, quantity.From);
}

std::string ReadConvertRequest(const Json& object, Missing missing, ConvertRequest& request) {
  if (!object.is_object()) return "expected a JSON object";
  std::string error =
      CheckFields(object, {"op", "category", "values", "from", "to", "options", "symbols"});
  if (error.empty()) error = ReadCategory(object, request.category);
  if (error.empty()) error = ReadValuesAndFrom(object, request.category, request.quantity);
  if (error.empty()) error = RowArray(object, "to", request.category, request.quantity.To);
  for (auto [key, isOptions] : {std::pair{"options", true}, {"symbols", false}}) {
    if (!error.empty()) break;
    const Json* field = Field(object, key);
    if (!field) {
      if (missing == Missing::Error) error = MissingField(key);
      continue;
    }
    error = isOptions ? ReadOptions(*field, missing, request.options)
                      : ReadSymbols(*field, missing, request.symbols);
  }
  return error;
}

}  // namespace cli
