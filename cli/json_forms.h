// The JSON forms shared by `zurmet-convert --batch` and the test probe:
// result options, regional symbols and the Convert request, read from
// nlohmann::json without exceptions. Every reader returns an error text,
// empty when the value was read.
#pragma once

#include <initializer_list>
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>

#include "platform/number_symbols.h"
#include "units/catalogue.h"
#include "units/convert.h"
#include "units/result_format.h"

namespace cli {

using Json = nlohmann::json;

// Whether fields left out of an object take the caller's defaults (batch
// lines) or are an error (the probe, where a typo must not pass unseen).
enum class Missing { Error, UseDefault };

// Parses one line; a discarded value means it is not JSON.
Json ParseLine(std::string_view line);

// One line of output; invalid UTF-8 in any string becomes U+FFFD instead
// of throwing.
std::string DumpLine(const Json& value);

Json ErrorAnswer(std::string_view message);

// The field, or nullptr when the object lacks it.
const Json* Field(const Json& object, std::string_view key);

// Errors when the object has a field not in allowed.
std::string CheckFields(const Json& object, std::initializer_list<std::string_view> allowed);

std::string ReadString(const Json& object, std::string_view key, std::string& out);
std::string ReadBool(const Json& object, std::string_view key, bool& out);
// Integers only (3.0 is refused), within [min, max].
std::string ReadInt(const Json& object, std::string_view key, int min, int max, int& out);

std::string ReadCategory(const Json& object, units::Category& out);

// "symbols" must be one character that cannot be read as part of a number.
std::string CheckSymbol(std::string_view what, std::string_view text);

// out holds the defaults on entry.
std::string ReadOptions(const Json& value, Missing missing, units::ResultOptions& out);
std::string ReadSymbols(const Json& value, Missing missing, platform::NumberSymbols& out);

// "values" (three strings) and "from" (three rows) of a quantity; rows
// may be -1 (no item chosen) up to the category's last row.
std::string ReadValuesAndFrom(const Json& object, units::Category category,
                              units::Quantity& quantity);

struct ConvertRequest {
  units::Category category = units::Category::Length;
  units::Quantity quantity;
  units::ResultOptions options;
  platform::NumberSymbols symbols;
};

// The Convert form: category, values, from, to, options, symbols (and
// "op"). request holds the default options and symbols on entry.
std::string ReadConvertRequest(const Json& object, Missing missing, ConvertRequest& request);

}  // namespace cli
