// The Prefixes page's table: ten rows, large prefixes beside small ones,
// for the window's page and zurmet-convert --list prefixes.
#pragma once

#include <span>
#include <string_view>

namespace units {

struct PrefixRow {
  std::string_view LargeName;
  std::string_view LargeSymbol;
  std::string_view LargePower;
  std::string_view SmallName;
  std::string_view SmallSymbol;
  std::string_view SmallPower;
};

std::span<const PrefixRow> MetricPrefixes();

}  // namespace units
