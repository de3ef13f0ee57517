// One conversion from the command line's words to its printed result, in
// its steps: the wording, the category, the units, the values, the targets
// and the result.
#pragma once

#include <iosfwd>

#include "cli/options.h"
#include "cli/output.h"
#include "cli/reporter.h"

namespace cli {

int Convert(const Settings& settings, std::ostream& out, const Reporter& report,
            const OutputForm& form);

}  // namespace cli
