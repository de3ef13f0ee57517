// zurmet-convert --list: the units of every category or one, with their
// rows and the symbols results use, and the prefix table.
#pragma once

#include <iosfwd>
#include <string_view>

#include "cli/reporter.h"

namespace cli {

// category empty: every category. ExitResult, or a refusal of an unknown
// category.
int ListUnits(std::string_view category, std::ostream& out, const Reporter& report);

}  // namespace cli
