// What the soak counts of the process while it runs: the back end's windows
// and objects, and its memory.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace soak {

struct Counter {
  std::string name;
  std::int64_t value = 0;
  // A count of objects, which must come back to within this of what it was;
  // memory (negative) is only reported.
  std::int64_t tolerance = 0;
};

// Starts what the counting needs; call before the first window is made.
void StartCounting();
std::vector<Counter> SampleResources();

}  // namespace soak
