// How the command line and batch write results: by default for people and
// scripts alike ("." and no grouping, units that read back in), or exactly
// as the window shows them.
#pragma once

#include <string>
#include <string_view>

#include "platform/number_symbols.h"
#include "units/convert.h"

namespace cli {

struct OutputForm {
  // ThousandSeparators groups the whole part only; without RoundUp the last
  // place is cut and no zeros are added beyond the digits the result has.
  units::ResultOptions options;
  platform::NumberSymbols symbols{".", ","};
  // The window's text: its grouping (fraction digits too), its padding
  // and its unit symbols.
  bool window = false;
  // Whether the user named the decimal symbol (or asked for the regional
  // one): then it also says how a value such as "1,000" reads.
  bool decimalNamed = false;
};

// The result of parts, without trailing blanks.
std::string PartsText(units::Category category, const units::ResultParts& parts,
                      const OutputForm& form);

// A result as the command line prints it: without trailing blanks.
std::string_view TrimResult(std::string_view text);

}  // namespace cli
