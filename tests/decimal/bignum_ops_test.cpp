// The four operations: result forms, quick answers, limits and failures.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "decimal/bignum.h"

namespace decimal {
namespace {

enum class Op { Add, Sub, Mul, Div, DivWhole };

using Answer = std::optional<std::string>;

// The answer of an operation that fails.
constexpr std::nullopt_t Fails = std::nullopt;

Answer Apply(Op op, std::string_view a, std::string_view b, bool skipCheck = false) {
  switch (op) {
    case Op::Add:
      return BigAdd(a, b, skipCheck);
    case Op::Sub:
      return BigSub(a, b, skipCheck);
    case Op::Mul:
      return BigMul(a, b, skipCheck);
    case Op::Div:
      return BigDiv(a, b, skipCheck, false);
    case Op::DivWhole:
      return BigDiv(a, b, skipCheck, true);
  }
  return "untouched";
}

const char* Name(Op op) {
  switch (op) {
    case Op::Add:
      return " + ";
    case Op::Sub:
      return " - ";
    case Op::Mul:
      return " x ";
    case Op::Div:
      return " / ";
    case Op::DivWhole:
      return " div ";
  }
  return "?";
}

std::string Rep(std::size_t n, char c) { return std::string(n, c); }

std::string Blocks(const std::string& block, int count) {
  std::string text;
  for (int i = 0; i < count; ++i) text += block;
  return text;
}

struct Case {
  Op op;
  std::string a;
  std::string b;
  Answer expected;
};

void ExpectAll(std::initializer_list<Case> cases) {
  for (const auto& c : cases) {
    EXPECT_EQ(Apply(c.op, c.a, c.b), c.expected)
        << '"' << c.a << '"' << Name(c.op) << '"' << c.b << '"';
  }
}

TEST(BigAdd, KeepsThePointOfANonZeroSum) {
  ExpectAll({
      {Op::Add, "1", "2", "3."},
      {Op::Add, "-1", "-2", "-3."},
      {Op::Add, "99.9", "0.1", "100."},
      {Op::Add, "007", "1", "8."},
      {Op::Add, "0.5", "0.5", "1."},
      {Op::Add, "0.5", "0.25", ".75"},
      {Op::Add, ".5", ".5", "1."},
      {Op::Add, "0.", "1", "1."},
      {Op::Add, "1.5", "2.25", "3.75"},
      {Op::Add, "0", "0", "0"},
      {Op::Add, "0.", "0.", "0"},
      {Op::Add, "-0", "-0", "-0"},
      {Op::Add, "-.5", "-.25", "-.75"},
      {Op::Add, "1.50", "1.50", "3."},
  });
}

TEST(BigAdd, MixedSignsTakeTheFormOfADifference) {
  ExpectAll({
      {Op::Add, "5", "-5", "0"},
      {Op::Add, "-5", "3", "-2"},
      {Op::Add, "3", "-5", "-2"},
      {Op::Add, "-3", "5", "2"},
      {Op::Add, "-1.5", "0.5", "-1."},
  });
}

TEST(BigSub, ResultForms) {
  ExpectAll({
      {Op::Sub, "5", "3", "2"},
      {Op::Sub, "3", "5", "-2"},
      {Op::Sub, "0", "5", "-5"},
      {Op::Sub, "10000", "1", "9999"},
      {Op::Sub, "1.5", "0.25", "1.25"},
      {Op::Sub, "0.5", "0.25", ".25"},
      {Op::Sub, "1", "0.0001", ".9999"},
      {Op::Sub, "100", "99.99", ".01"},
      {Op::Sub, "5", "5", "0"},
      {Op::Sub, "2.5", "2.5", "0"},
      {Op::Sub, "1.0", "1", "0"},
      {Op::Sub, "1.50", "1.5", "0"},
      {Op::Sub, "-1.0", "-1", "-0"},
      {Op::Sub, "1.5", "0.5", "1."},
      {Op::Sub, "-1.5", "-0.5", "-1."},
      {Op::Sub, "10", "2.5", "7.5"},
      {Op::Sub, "3", "0.5", "2.5"},
      {Op::Sub, "-5", "-3", "-2"},
      {Op::Sub, "-3", "-5", "2"},
      {Op::Sub, "0.", "1", "-1."},
      {Op::Sub, ".5", "1", "-.5"},
      {Op::Sub, "1", "0.", "1."},
      {Op::Sub, "123456789", "98765432", "24691357"},
  });
}

TEST(BigSub, LinesUpPointsInAnyPlace) {
  ExpectAll({
      {Op::Sub, "1.5", "22.25", "-20.75"},
      {Op::Sub, "5", "0.25", "4.75"},
      {Op::Sub, "0.25", "5", "-4.75"},
      {Op::Sub, ".5", "1.", "-.5"},
      {Op::Sub, "123.456", "0.000001", "123.455999"},
  });
}

// Nines of every length up to 60 cross every boundary of the digit groups
// the arithmetic works in: (10^k - 1)^2 = 9..980..01, 10^k - 1 = 9..9.
TEST(Limits, AnswersAcrossDigitGroupBoundaries) {
  for (std::size_t k = 1; k <= 60; ++k) {
    const std::string nines = Rep(k, '9');
    const std::string power = "1" + Rep(k, '0');
    EXPECT_EQ(Apply(Op::Mul, nines, nines), Rep(k - 1, '9') + "8" + Rep(k - 1, '0') + "1") << k;
    EXPECT_EQ(Apply(Op::Sub, power, "1"), nines) << k;
    EXPECT_EQ(Apply(Op::Add, nines, "1"), power + ".") << k;
    EXPECT_EQ(Apply(Op::Div, Rep(k - 1, '9') + "8" + Rep(k - 1, '0') + "1", nines), nines) << k;
    EXPECT_EQ(Apply(Op::Div, power, nines),
              "1." + Blocks(Rep(k - 1, '0') + "1", 253).substr(0, MaxLength - 2))
        << k;
  }
}

TEST(BigSub, MixedSignsTakeTheFormOfASum) {
  ExpectAll({
      {Op::Sub, "-5", "3", "-8."},
      {Op::Sub, "5", "-3", "8."},
      {Op::Sub, "-.5", ".5", "-1."},
  });
}

TEST(BigSub, SubtractingZeroAnswersTheOperandAsItIs) {
  ExpectAll({
      {Op::Sub, "007.50", "0", "007.50"},
      {Op::Sub, "-0", "0", "-0"},
      {Op::Sub, "5.", "0", "5."},
  });
}

TEST(BigMul, KeepsTheOperandsFractionDigits) {
  ExpectAll({
      {Op::Mul, "2", "3", "6"},
      {Op::Mul, "-2", "-3", "6"},
      {Op::Mul, "-40", "1.8", "-72"},
      {Op::Mul, "9999", "9999", "99980001"},
      {Op::Mul, "1.5", "2", "3.0"},
      {Op::Mul, "2.50", "4", "10.0"},
      {Op::Mul, "0.25", "4", "1.00"},
      {Op::Mul, "12345.678", "0.001", "12.345678"},
      {Op::Mul, "0.5", "0.5", ".25"},
      {Op::Mul, "0.1", "0.1", ".01"},
      {Op::Mul, "-0.0005", "1.8", "-.00090"},
      {Op::Mul, "10", "10", "100"},
      {Op::Mul, "1.5", "20", "30"},
      {Op::Mul, "0.05", "20", "1.0"},
      {Op::Mul, ".5", "2", "1.0"},
      {Op::Mul, "-.5", "2", "-1.0"},
      {Op::Mul, ".5", ".5", ".25"},
      {Op::Mul, "2", "-3", "-6"},
      {Op::Mul, "12345678", "87654321", "1082152022374638"},
  });
}

TEST(BigMul, ZeroAndOneAnswerAtOnce) {
  ExpectAll({
      {Op::Mul, "0", "5", "0"},
      {Op::Mul, "00", "5", "0"},
      {Op::Mul, "-0", "5", "0"},
      {Op::Mul, "-.", "5", "0"},
      {Op::Mul, "0.", "5", "0"},
      {Op::Mul, "5", "0.000", "0"},
      {Op::Mul, "1", "2.50", "2.5"},
      {Op::Mul, "1", "0.50", ".5"},
      {Op::Mul, "1", "-0.50", "-0.5"},
      {Op::Mul, "1.0", "7", "7"},
      {Op::Mul, "1", "1", "1"},
      {Op::Mul, "007", "1.", "7"},
  });
}

TEST(BigDiv, ResultForms) {
  ExpectAll({
      {Op::Div, "1", "8", ".125"},       {Op::Div, "1", "-8", "-.125"},
      {Op::Div, "-1", "-8", ".125"},     {Op::Div, "10", "4", "2.5"},
      {Op::Div, "7", "2", "3.5"},        {Op::Div, "8", "4", "2"},
      {Op::Div, "0.5", "0.25", "2"},     {Op::Div, "3", "0.5", "6"},
      {Op::Div, "2.5", ".1", "25"},      {Op::Div, "1.5", "1000", ".0015"},
      {Op::Div, "2.5", "2.50", "1"},     {Op::Div, "-3", "3", "-1"},
      {Op::Div, "0", "5", "0"},          {Op::Div, "-0", "5", "0"},
      {Op::Div, "0.", "5", "0"},         {Op::Div, ".5", "2", ".25"},
      {Op::Div, "-.5", "2", "-.25"},     {Op::Div, "1", ".5", "2"},
      {Op::Div, "10.0", "2", "5"},       {Op::Div, "144", "12", "12"},
      {Op::Div, "0.001", "4", ".00025"},
  });
}

TEST(BigDiv, DividingByOneAnswersTheDividendAsNormalised) {
  ExpectAll({
      {Op::Div, "5", "1", "5"},
      {Op::Div, "-7", "1.0", "-7"},
      {Op::Div, "7.50", "1", "7.5"},
      {Op::Div, "5.", "1", "5."},
      {Op::Div, "-007", "1", "-7"},
  });
}

TEST(BigDiv, WholeQuotientsOnlyTruncateTowardZero) {
  ExpectAll({
      {Op::DivWhole, "7", "2", "3"},
      {Op::DivWhole, "-7", "2", "-3"},
      {Op::DivWhole, "1", "3", "0"},
      {Op::DivWhole, "-1", "3", "-0"},
      {Op::DivWhole, "8", "4", "2"},
      {Op::DivWhole, "100", "7", "14"},
      // By one the quotient is the dividend, and still only its whole part.
      {Op::DivWhole, "7.5", "1", "7"},
      {Op::DivWhole, "-.5", "1.0", "-0"},
      {Op::DivWhole, "5.", "1", "5"},
  });
}

TEST(BigDiv, EndlessQuotientsAreCutAt255Characters) {
  struct LongCase {
    std::string a, b, expected;
  } const cases[] = {
      {"1", "3", "." + Rep(254, '3')},
      {"-1", "3", "-." + Rep(253, '3')},
      {"2", "3", "." + Rep(254, '6')},  // cut, not rounded
      {Rep(254, '1'), "7", Blocks("015873", 42).substr(1) + "01.5"},
  };
  for (const auto& c : cases) {
    const Answer q = Apply(Op::Div, c.a, c.b);
    EXPECT_EQ(q, c.expected) << c.a << " / " << c.b;
  }
  const std::string twelfths = Apply(Op::Div, "12", "345").value();
  EXPECT_EQ(twelfths.size(), 255u);
  EXPECT_EQ(twelfths.substr(0, 44), ".0347826086956521739130434782608695652173913");

  const std::string sevenths = Apply(Op::Div, "100", "7").value();
  EXPECT_EQ(sevenths.size(), 255u);
  EXPECT_EQ(sevenths.substr(0, 9), "14.285714");

  const std::string shorter = Apply(Op::Div, Rep(253, '1'), "7").value();
  EXPECT_EQ(shorter.size(), 255u);
  EXPECT_EQ(shorter.find('.'), 252u);
}

TEST(BigDiv, AWholePartAtTheLimitKeepsItsPointAndNoFraction) {
  // 255 nines over 7 has 255 whole digits and a remainder.
  const std::string q = Apply(Op::Div, Rep(255, '9'), "7").value();
  ASSERT_EQ(q.size(), 256u);
  EXPECT_EQ(q.back(), '.');
  EXPECT_EQ(q.substr(0, 6), "142857");

  const std::string negative = Apply(Op::Div, "-" + Rep(254, '9'), "7").value();
  ASSERT_EQ(negative.size(), 256u);
  EXPECT_EQ(negative.substr(0, 7), "-142857");
  EXPECT_EQ(negative.back(), '.');
}

TEST(Limits, LongOperandsAtTheEdges) {
  ExpectAll({
      {Op::Add, Rep(252, '9'), "1", "1" + Rep(252, '0') + "."},
      {Op::Add, Rep(253, '9'), "1", Fails},
      {Op::Sub, Rep(255, '1'), "1", Rep(254, '1') + "0"},
      {Op::Sub, Rep(255, '1'), "0.5", Fails},
      {Op::Sub, Rep(254, '1'), "0.5", Fails},
      {Op::Sub, "1", Rep(255, '1'), Fails},        // negative, 255 digits, no room for "-"
      {Op::Sub, "-" + Rep(253, '9'), "1", Fails},  // the sum is too long
      {Op::Mul, Rep(127, '9'), Rep(128, '9'), Rep(126, '9') + "89" + Rep(126, '0') + "1"},
      {Op::Mul, Rep(200, '7'), Rep(200, '3'), Fails},
      {Op::Mul, "-" + Rep(127, '9'), Rep(128, '9'), Fails},
      {Op::Mul, "2" + Rep(253, '0'), "5", "1" + Rep(254, '0')},
      {Op::Mul, "2" + Rep(254, '0'), "5", Fails},  // a zero put back into 255 characters
      {Op::Mul, "." + Rep(249, '0') + "1", "." + Rep(249, '0') + "1", "." + Rep(499, '0') + "1"},
  });
}

TEST(Limits, TooLongOperandsAreRefusedEvenUnchecked) {
  const std::string tooLong = Rep(MaxLength + 1, '1');
  for (Op op : {Op::Add, Op::Sub, Op::Mul, Op::Div, Op::DivWhole}) {
    for (bool skip : {false, true}) {
      EXPECT_EQ(Apply(op, tooLong, "1", skip), Fails) << Name(op);
      EXPECT_EQ(Apply(op, "1", tooLong, skip), Fails) << Name(op);
    }
  }
}

TEST(Failures, InvalidOperandsGiveBadFromEveryOperation) {
  const char* invalid[] = {"",    "-",  ".",     "+1",  "1e3",  "1,5",  " 1",   "1 ",
                           "--1", "1-", "1.2.3", "bad", "\xb5", "\x80", "0x10", "1/2"};
  for (Op op : {Op::Add, Op::Sub, Op::Mul, Op::Div, Op::DivWhole}) {
    for (const char* text : invalid) {
      EXPECT_EQ(Apply(op, text, "5"), Fails) << '"' << text << '"' << Name(op) << "5";
      EXPECT_EQ(Apply(op, "5", text), Fails) << "5" << Name(op) << '"' << text << '"';
    }
  }
}

TEST(Failures, DivisionByZeroInAnyForm) {
  for (const char* zero : {"0", "0.0", "-0", "00", ".000", "0.", "-.", "-0.00"}) {
    EXPECT_EQ(Apply(Op::Div, "1", zero), Fails) << zero;
    EXPECT_EQ(Apply(Op::DivWhole, "5", zero), Fails) << zero;
  }
}

TEST(Failures, TheSignOnlyAddendFailsInTheHandedOnSubtraction) {
  // "-." is a number, but its magnitude "." is not.
  EXPECT_EQ(Apply(Op::Add, "-.", "5"), Fails);
  EXPECT_EQ(Apply(Op::Add, "5", "-."), Fails);
}

TEST(Failures, ASubtractionAfterAFailedAlignmentWorks) {
  EXPECT_EQ(Apply(Op::Sub, Rep(255, '1'), "0.5"), Fails);
  EXPECT_EQ(Apply(Op::Sub, "1.5", "0.25"), "1.25");
}

TEST(Failures, APointThatMustMoveInAFullTextFails) {
  const std::string full = Rep(MaxLength, '7');
  const std::string fullWithPoint = "." + Rep(MaxLength - 1, '7');
  ExpectAll({
      {Op::Sub, full, "1.5", Fails},  // needs a point
      {Op::Sub, "1.5", full, Fails},
      {Op::Sub, fullWithPoint, "12.5", Fails},  // one zero in front to line up the points
      {Op::Sub, fullWithPoint, "2.5", Fails},
      {Op::Sub, Rep(MaxLength - 1, '7'), "1.5", Fails},  // "1.5" would grow past the limit
      {Op::Sub, "." + Rep(MaxLength - 2, '7'), "0.5", ".2" + Rep(MaxLength - 3, '7')},
      {Op::Sub, Rep(MaxLength - 2, '7'), "1.5", Rep(MaxLength - 3, '7') + "5.5"},
  });
}

TEST(Operands, TheCallersTextsAreNeverChanged) {
  const std::string a = "-007.50";
  const std::string b = "-0.25";
  for (Op op : {Op::Add, Op::Sub, Op::Mul, Op::Div, Op::DivWhole}) {
    const std::string x = a;
    const std::string y = b;
    Apply(op, x, y);
    EXPECT_EQ(x, a);
    EXPECT_EQ(y, b);
  }
}

TEST(Operands, TheResultMayReplaceAnOperand) {
  std::string x = "1.5";
  x = BigAdd(x, x).value();
  EXPECT_EQ(x, "3.");
  x = BigMul(x, x).value();
  EXPECT_EQ(x, "9");
  x = BigDiv(x, "4").value();
  EXPECT_EQ(x, "2.25");
  x = BigSub(x, x).value();
  EXPECT_EQ(x, "0");
}

TEST(Operands, SkippingTheCheckGivesTheSameAnswerForValidOperands) {
  const Case cases[] = {
      {Op::Add, "-1.5", "2.25", ""}, {Op::Sub, "007.5", "-3", ""},  {Op::Mul, "-0.0005", "1.8", ""},
      {Op::Div, "100", "7", ""},     {Op::DivWhole, "-7", "2", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Apply(c.op, c.a, c.b, true), Apply(c.op, c.a, c.b));
}

}  // namespace
}  // namespace decimal
