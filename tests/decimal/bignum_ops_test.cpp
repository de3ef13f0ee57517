// The four operations: result forms, quick answers, limits and failures.
#include <gtest/gtest.h>

#include <string>

#include "decimal/bignum.h"

namespace decimal {
namespace {

enum class Op { Add, Sub, Mul, Div, DivWhole };

std::string Apply(Op op, const std::string& a, const std::string& b, bool skipCheck = false) {
  std::string result = "untouched";
  switch (op) {
    case Op::Add:
      BigAdd(a, b, skipCheck, result);
      break;
    case Op::Sub:
      BigSub(a, b, skipCheck, result);
      break;
    case Op::Mul:
      BigMul(a, b, skipCheck, result);
      break;
    case Op::Div:
      BigDiv(a, b, skipCheck, false, result);
      break;
    case Op::DivWhole:
      BigDiv(a, b, skipCheck, true, result);
      break;
  }
  return result;
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
  std::string expected;
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
    const std::string q = Apply(Op::Div, c.a, c.b);
    EXPECT_EQ(q, c.expected) << c.a << " / " << c.b;
  }
  const std::string twelfths = Apply(Op::Div, "12", "345");
  EXPECT_EQ(twelfths.size(), 255u);
  EXPECT_EQ(twelfths.substr(0, 44), ".0347826086956521739130434782608695652173913");

  const std::string sevenths = Apply(Op::Div, "100", "7");
  EXPECT_EQ(sevenths.size(), 255u);
  EXPECT_EQ(sevenths.substr(0, 9), "14.285714");

  const std::string shorter = Apply(Op::Div, Rep(253, '1'), "7");
  EXPECT_EQ(shorter.size(), 255u);
  EXPECT_EQ(shorter.find('.'), 252u);
}

TEST(BigDiv, AWholePartAtTheLimitKeepsItsPointAndNoFraction) {
  // 255 nines over 7 has 255 whole digits and a remainder.
  const std::string q = Apply(Op::Div, Rep(255, '9'), "7");
  ASSERT_EQ(q.size(), 256u);
  EXPECT_EQ(q.back(), '.');
  EXPECT_EQ(q.substr(0, 6), "142857");

  const std::string negative = Apply(Op::Div, "-" + Rep(254, '9'), "7");
  ASSERT_EQ(negative.size(), 256u);
  EXPECT_EQ(negative.substr(0, 7), "-142857");
  EXPECT_EQ(negative.back(), '.');
}

TEST(Limits, LongOperandsAtTheEdges) {
  ExpectAll({
      {Op::Add, Rep(252, '9'), "1", "1" + Rep(252, '0') + "."},
      {Op::Add, Rep(253, '9'), "1", "bad"},
      {Op::Sub, Rep(255, '1'), "1", Rep(254, '1') + "0"},
      {Op::Sub, Rep(255, '1'), "0.5", "bad"},
      {Op::Sub, Rep(254, '1'), "0.5", "bad"},
      {Op::Sub, "1", Rep(255, '1'), "bad"},        // negative, 255 digits, no room for "-"
      {Op::Sub, "-" + Rep(253, '9'), "1", "bad"},  // the sum is too long
      {Op::Mul, Rep(127, '9'), Rep(128, '9'), Rep(126, '9') + "89" + Rep(126, '0') + "1"},
      {Op::Mul, Rep(200, '7'), Rep(200, '3'), "bad"},
      {Op::Mul, "-" + Rep(127, '9'), Rep(128, '9'), "bad"},
      {Op::Mul, "2" + Rep(253, '0'), "5", "1" + Rep(254, '0')},
      {Op::Mul, "2" + Rep(254, '0'), "5", "bad"},  // a zero put back into 255 characters
      {Op::Mul, "." + Rep(249, '0') + "1", "." + Rep(249, '0') + "1", "." + Rep(499, '0') + "1"},
  });
}

TEST(Limits, TooLongOperandsAreRefusedEvenUnchecked) {
  const std::string tooLong = Rep(MaxLength + 1, '1');
  for (Op op : {Op::Add, Op::Sub, Op::Mul, Op::Div, Op::DivWhole}) {
    for (bool skip : {false, true}) {
      EXPECT_EQ(Apply(op, tooLong, "1", skip), "bad") << Name(op);
      EXPECT_EQ(Apply(op, "1", tooLong, skip), "bad") << Name(op);
    }
  }
}

TEST(Failures, InvalidOperandsGiveBadFromEveryOperation) {
  const char* invalid[] = {"",    "-",  ".",     "+1",  "1e3",  "1,5",  " 1",   "1 ",
                           "--1", "1-", "1.2.3", "bad", "\xb5", "\x80", "0x10", "1/2"};
  for (Op op : {Op::Add, Op::Sub, Op::Mul, Op::Div, Op::DivWhole}) {
    for (const char* text : invalid) {
      EXPECT_EQ(Apply(op, text, "5"), "bad") << '"' << text << '"' << Name(op) << "5";
      EXPECT_EQ(Apply(op, "5", text), "bad") << "5" << Name(op) << '"' << text << '"';
    }
  }
}

TEST(Failures, DivisionByZeroInAnyForm) {
  for (const char* zero : {"0", "0.0", "-0", "00", ".000", "0.", "-.", "-0.00"}) {
    EXPECT_EQ(Apply(Op::Div, "1", zero), "bad") << zero;
    EXPECT_EQ(Apply(Op::DivWhole, "5", zero), "bad") << zero;
  }
}

TEST(Failures, TheSignOnlyAddendFailsInTheHandedOnSubtraction) {
  // "-." is a number, but its magnitude "." is not.
  EXPECT_EQ(Apply(Op::Add, "-.", "5"), "bad");
  EXPECT_EQ(Apply(Op::Add, "5", "-."), "bad");
}

TEST(Failures, ASubtractionAfterAFailedAlignmentWorks) {
  EXPECT_EQ(Apply(Op::Sub, Rep(255, '1'), "0.5"), "bad");
  EXPECT_EQ(AlignStatus(), "bad");
  EXPECT_EQ(Apply(Op::Sub, "1.5", "0.25"), "1.25");
  EXPECT_EQ(AlignStatus(), "good");
}

TEST(Operands, TheCallersTextsAreNeverChanged) {
  const std::string a = "-007.50";
  const std::string b = "-0.25";
  for (Op op : {Op::Add, Op::Sub, Op::Mul, Op::Div, Op::DivWhole}) {
    std::string x = a;
    std::string y = b;
    std::string result;
    switch (op) {
      case Op::Add:
        BigAdd(x, y, false, result);
        break;
      case Op::Sub:
        BigSub(x, y, false, result);
        break;
      case Op::Mul:
        BigMul(x, y, false, result);
        break;
      case Op::Div:
        BigDiv(x, y, false, false, result);
        break;
      case Op::DivWhole:
        BigDiv(x, y, false, true, result);
        break;
    }
    EXPECT_EQ(x, a);
    EXPECT_EQ(y, b);
  }
}

TEST(Operands, TheResultMayBeAnOperandsOwnVariable) {
  std::string x = "1.5";
  BigAdd(x, x, false, x);
  EXPECT_EQ(x, "3.");
  BigMul(x, x, false, x);
  EXPECT_EQ(x, "9");
  BigDiv(x, "4", false, false, x);
  EXPECT_EQ(x, "2.25");
  BigSub(x, x, false, x);
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
