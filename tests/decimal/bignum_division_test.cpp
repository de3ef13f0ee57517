// The division on machine words against a schoolbook long division that
// shares none of its code: random operand pairs of every shape and length,
// each answer character for character.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <utility>

#include "decimal/bignum.h"
#include "tests/decimal/operand_maker.h"
#include "tests/decimal/reference_division.h"

namespace decimal {
namespace {

constexpr int Pairs = 100000;

struct Pair {
  std::string a, b;
};

// Shapes in turn: any two operands; long over long; long over short, for
// quotients cut at the limit and whole parts up to twice its length; a
// product over one of its factors, for exact quotients; a long dividend over
// a divisor whose quotients end, for answers that stop before the limit; a
// long dividend over a divisor with many fraction digits, for whole parts
// past the limit.
Pair MakePair(OperandMaker& maker, int shape) {
  switch (shape) {
    case 0:
      return {maker.Next(), maker.Next()};
    case 1:
      return {maker.Text(1 + maker.Below(MaxLength)), maker.Text(1 + maker.Below(MaxLength))};
    case 2:
      return {maker.Text(1 + maker.Below(MaxLength)), maker.Text(1 + maker.Below(40))};
    case 3: {
      const std::string b = maker.Text(1 + maker.Below(60));
      const std::optional<std::string> product = BigMul(b, maker.Text(1 + maker.Below(60)));
      return {product.value_or("1"), b};
    }
    case 4:
      return {maker.Text(1 + maker.Below(MaxLength)),
              maker.Pick({"8", "-0.125", "25", "1600", ".0005", "3.2", "-64", "20", "0.5"})};
    default:
      return {maker.Text(100 + maker.Below(155)), maker.Pick({"", "-"}) + "0." +
                                                      std::string(maker.Below(200), '0') +
                                                      maker.Digits(1 + maker.Below(20))};
  }
}

struct Tally {
  int mismatches = 0;
  int failed = 0;    // no answer, as for a zero divisor
  int cut = 0;       // endless, cut at the limit
  int ended = 0;     // a fraction that ends before the limit
  int whole = 0;     // no fraction
  int overlong = 0;  // a whole part past the limit

  void Count(const std::optional<std::string>& answer) {
    if (!answer) {
      ++failed;
    } else if (answer->size() > MaxLength) {
      ++overlong;
    } else if (answer->find('.') == std::string::npos) {
      ++whole;
    } else if (answer->size() >= MaxLength - 1) {
      ++cut;
    } else {
      ++ended;
    }
  }
};

TEST(Division, AgreesWithTheDigitByDigitReference) {
  OperandMaker maker(2024);
  Tally tally;
  for (int i = 0; i < Pairs; ++i) {
    const Pair pair = MakePair(maker, i % 6);
    // Each shape comes both ways, and with the check skipped, which is legal
    // for valid operands and must change nothing.
    const bool integerOnly = i / 6 % 2 == 1;
    const bool skipCheck = i / 12 % 4 == 0;
    const auto expected = reference::Quotient(pair.a, pair.b, integerOnly);
    const auto answer = BigDiv(pair.a, pair.b, skipCheck, integerOnly);
    tally.Count(answer);
    if (answer != expected && ++tally.mismatches <= 10) {
      ADD_FAILURE() << '"' << pair.a << "\" / \"" << pair.b << '"' << (integerOnly ? " whole" : "")
                    << (skipCheck ? " unchecked" : "") << "\n  gives    "
                    << answer.value_or("(none)") << "\n  expected " << expected.value_or("(none)");
    }
  }
  EXPECT_EQ(tally.mismatches, 0);
  // Every kind of answer came up often enough to have been compared.
  EXPECT_GT(tally.cut, Pairs / 5);
  EXPECT_GT(tally.ended, Pairs / 20);
  EXPECT_GT(tally.whole, Pairs / 3);
  EXPECT_GT(tally.failed, Pairs / 500);
  EXPECT_GT(tally.overlong, Pairs / 200);
}

// Operands on which the first estimate of a quotient limb, corrected from
// the divisor's top two limbs, is still one too large, so the divisor must
// be added back. Random operands almost never meet that case.
TEST(Division, AnEstimateOneTooLargeIsCorrected) {
  const std::pair<const char*, const char*> cases[] = {
      {"500000000499999999000000001000000000", "500000000499999999500000001"},
      {"999999998000000001500000001999999998", "999999999000000000999999999"},
      {"499999999500000001999999998500000000500000001000000001",
       "499999999000000001999999998499999999"},
      {"999999998999999999499999999500000001000000000999999998",
       "999999998999999999500000001499999999"},
      {"999999998000000000000000000999999998000000001", "499999999000000000499999999"},
  };
  for (const auto& [a, b] : cases) {
    for (const bool integerOnly : {true, false}) {
      EXPECT_EQ(BigDiv(a, b, false, integerOnly), reference::Quotient(a, b, integerOnly))
          << a << " / " << b << (integerOnly ? " whole" : "");
    }
  }
}

}  // namespace
}  // namespace decimal
