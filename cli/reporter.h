// How zurmet-convert reports a refusal: its name, the reason, status 2.
#pragma once

#include <ostream>
#include <string_view>

#include "cli/command.h"

namespace cli {

inline constexpr std::string_view Program = "zurmet-convert";

struct Reporter {
  std::ostream& err;
  int Usage(std::string_view message) const {
    err << Program << ": " << message << '\n';
    return ExitUsage;
  }
};

}  // namespace cli
