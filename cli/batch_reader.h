// The batch lines scripts write, read straight into their fields without
// building a JSON document: one object of the batch form's fields, each at
// most once, whose strings need no escapes and whose numbers are small whole
// numbers. Any other line is left to the full JSON reader, which answers it
// as it always has.
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "units/catalogue.h"

namespace cli {

// A unit given by row number or by name.
struct PlainUnit {
  std::optional<int> row;
  std::string_view name;
};

struct PlainList {
  std::array<PlainUnit, units::TermCount> items{};
  std::size_t count = 0;
};

struct PlainRequest {
  std::optional<std::string_view> op;
  std::optional<int> categoryNumber;
  std::optional<std::string_view> categoryName;
  std::array<std::string_view, units::TermCount> values{};
  std::size_t valueCount = 0;
  bool hasValues = false;
  PlainList from, to;
  bool hasFrom = false, hasTo = false;
  bool hasOptions = false, hasSymbols = false;
  std::optional<int> places;
  std::optional<bool> roundUp, thousandSeparators, exponentForm;
  std::optional<std::string_view> decimal, thousand;
};

// The line's fields as written (strings point into line), or nullopt when
// the line is not that plain.
std::optional<PlainRequest> ReadPlainLine(std::string_view line);

}  // namespace cli
