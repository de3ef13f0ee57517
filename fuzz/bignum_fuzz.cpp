// Arbitrary bytes as two operands and the flags, through every operation.
// Beyond not crashing, it checks what holds for any input: a checked call on
// an invalid or over-long operand answers "bad", an answer that is not "bad"
// is a number, and skipping the check changes nothing for valid operands.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "decimal/bignum.h"

namespace {

using decimal::Bad;

void Require(bool condition) {
  if (!condition) std::abort();
}

bool InDomain(const std::string& text) {
  return text.size() <= decimal::MaxLength && decimal::IsValidNumber(text);
}

// The answers of every operation for one pair.
struct Answers {
  std::string sum, difference, product, quotient, wholeQuotient;
};

Answers RunAll(const std::string& a, const std::string& b, bool skipCheck) {
  Answers r;
  decimal::BigAdd(a, b, skipCheck, r.sum);
  decimal::BigSub(a, b, skipCheck, r.difference);
  decimal::BigMul(a, b, skipCheck, r.product);
  decimal::BigDiv(a, b, skipCheck, false, r.quotient);
  decimal::BigDiv(a, b, skipCheck, true, r.wholeQuotient);
  return r;
}

void ExerciseHelpers(const std::string& a, const std::string& b) {
  std::string x = a;
  std::string y = b;
  decimal::StripLeadingZeros(x);
  decimal::StripTrailingZeros(y);
  decimal::RemovePoint(x);
  if (a.size() <= decimal::MaxLength && b.size() <= decimal::MaxLength) {
    std::string p = a;
    std::string q = b;
    int point = 0;
    int digits = 0;
    decimal::AlignPoints(p, q, p.find('.') != std::string::npos, q.find('.') != std::string::npos,
                         point, digits);
  }
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

  for (const std::string* r : {&answers.sum, &answers.difference, &answers.product,
                               &answers.quotient, &answers.wholeQuotient}) {
    if (!skipCheck && !valid) Require(*r == Bad);
    if (valid && *r != Bad) Require(decimal::IsValidNumber(*r));
  }
  if (valid && skipCheck) {
    const Answers checked = RunAll(a, b, false);
    Require(checked.sum == answers.sum && checked.difference == answers.difference &&
            checked.product == answers.product && checked.quotient == answers.quotient &&
            checked.wholeQuotient == answers.wholeQuotient);
  }
  return 0;
}
