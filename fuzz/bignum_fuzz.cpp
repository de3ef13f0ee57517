// Arbitrary bytes as two operands and the flags, through every operation.
// Beyond not crashing, it checks what holds for any input: a checked call on
// an invalid or over-long operand fails, an answer is a number, and skipping
// the check changes nothing for valid operands.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "decimal/bignum.h"

namespace {

void Require(bool condition) {
  if (!condition) std::abort();
}

bool InDomain(const std::string& text) {
  return text.size() <= decimal::MaxLength && decimal::IsValidNumber(text);
}

// The answers of every operation for one pair.
struct Answers {
  std::optional<std::string> sum, difference, product, quotient, wholeQuotient;

  bool operator==(const Answers&) const = default;
};

Answers RunAll(const std::string& a, const std::string& b, bool skipCheck) {
  return {decimal::BigAdd(a, b, skipCheck), decimal::BigSub(a, b, skipCheck),
          decimal::BigMul(a, b, skipCheck), decimal::BigDiv(a, b, skipCheck, false),
          decimal::BigDiv(a, b, skipCheck, true)};
}

void ExerciseHelpers(const std::string& a, const std::string& b) {
  std::string x = a;
  std::string y = b;
  decimal::StripLeadingZeros(x);
  decimal::StripTrailingZeros(y);
  decimal::RemovePoint(x);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  const std::string rest(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::size_t split = rest.find('|');
  const std::string a = rest.substr(0, split);
  const std::string b = split == std::string::npos ? std::string() : rest.substr(split + 1);

  ExerciseHelpers(a, b);
  const bool skipCheck = flags & 1;
  const Answers answers = RunAll(a, b, skipCheck);
  const bool valid = InDomain(a) && InDomain(b);

  for (const std::optional<std::string>* r : {&answers.sum, &answers.difference, &answers.product,
                                              &answers.quotient, &answers.wholeQuotient}) {
    if (!skipCheck && !valid) Require(!r->has_value());
    if (valid && r->has_value()) Require(decimal::IsValidNumber(**r));
  }
  if (valid && skipCheck) Require(RunAll(a, b, false) == answers);
  return 0;
}
