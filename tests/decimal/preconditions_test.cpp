// The engine's preconditions hold in every call the operations make; in a
// build with assertions (the asan preset) a call that breaks one stops at
// once, before it reads or writes past a number's limbs.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "decimal/natural.h"

namespace decimal {
namespace {

TEST(Preconditions, ABrokenOneStopsABuildWithAssertions) {
#ifdef NDEBUG
  GTEST_SKIP() << "this build has no assertions";
#else
  const std::string longest(Natural::MaxDigits, '9');
  const struct {
    const char* what;
    std::function<void()> call;
  } cases[] = {
      {"a zero divisor", [] { Divide(Natural::FromDigits("12"), Natural::FromDigits("0")); }},
      {"more digits than a number holds", [&] { Natural::FromDigits(longest, 1); }},
      {"a product longer than a number holds",
       [&] { Multiply(Natural::FromDigits(longest), Natural::FromDigits(longest)); }},
  };
  for (const auto& c : cases) EXPECT_DEATH(c.call(), "Assertion") << c.what;
#endif
}

}  // namespace
}  // namespace decimal
