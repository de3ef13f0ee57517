// Random operands of every shape, each answer checked by value against the
// independent arithmetic in exact_decimal.h.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>

#include "decimal/bignum.h"
#include "tests/decimal/exact_decimal.h"
#include "tests/decimal/operand_maker.h"

namespace decimal {
namespace {

constexpr int Rounds = 4000;

// Characters of the two magnitudes written one above the other, points
// lined up.
std::size_t AlignedLength(std::string_view a, std::string_view b) {
  std::size_t whole = 0;
  std::size_t fraction = 0;
  for (std::string_view text : {a, b}) {
    if (text.front() == '-') text.remove_prefix(1);
    const std::size_t point = std::min(text.find('.'), text.size());
    whole = std::max(whole, point);
    fraction = std::max(fraction, text.size() - point);
  }
  return whole + fraction;
}

void ExpectWellFormed(const std::string& result, const std::string& what) {
  EXPECT_TRUE(IsValidNumber(result)) << what << " gave \"" << result << '"';
}

TEST(Property, OperandMakerStaysInTheDomain) {
  OperandMaker maker(7);
  for (int i = 0; i < Rounds; ++i) {
    const std::string text = maker.Next();
    ASSERT_TRUE(IsValidNumber(text)) << text;
    ASSERT_LE(text.size(), MaxLength) << text;
  }
}

TEST(Property, SumsAndDifferencesAreExact) {
  OperandMaker maker(11);
  int computed = 0;
  for (int i = 0; i < Rounds; ++i) {
    const std::string a = maker.Next();
    const std::string b = maker.Next();
    const exact::Value x = exact::Parse(a);
    const exact::Value y = exact::Parse(b);
    const std::optional<std::string> sum = BigAdd(a, b);
    const std::optional<std::string> difference = BigSub(a, b);
    // Only operands that need too long a common layout may be refused, and
    // "-.", whose magnitude "." is no number.
    const bool signOnly = a == "-." || b == "-.";
    if (!signOnly && AlignedLength(a, b) < MaxLength - 2) {
      EXPECT_TRUE(sum) << a << " + " << b;
      EXPECT_TRUE(difference) << a << " - " << b;
    }
    if (sum) {
      ++computed;
      ExpectWellFormed(*sum, a + " + " + b);
      EXPECT_TRUE(exact::Equal(exact::Parse(*sum), exact::Add(x, y)))
          << a << " + " << b << " = " << *sum;
    }
    if (difference) {
      ++computed;
      ExpectWellFormed(*difference, a + " - " + b);
      EXPECT_TRUE(exact::Equal(exact::Parse(*difference), exact::Add(x, exact::Negate(y))))
          << a << " - " << b << " = " << *difference;
    }
  }
  EXPECT_GT(computed, Rounds);  // most pairs must have been checked, not refused
}

TEST(Property, ProductsAreExact) {
  OperandMaker maker(23);
  int computed = 0;
  for (int i = 0; i < Rounds; ++i) {
    const std::string a = maker.Next();
    const std::string b = maker.Next();
    const std::optional<std::string> product = BigMul(a, b);
    if (a.size() + b.size() < 250) {
      EXPECT_TRUE(product) << a << " x " << b;
    }
    if (!product) continue;
    ++computed;
    ExpectWellFormed(*product, a + " x " + b);
    EXPECT_TRUE(exact::Equal(exact::Parse(*product), exact::Mul(exact::Parse(a), exact::Parse(b))))
        << a << " x " << b << " = " << *product;
    EXPECT_EQ(product, BigMul(b, a)) << "order matters for " << a << " x " << b;
  }
  EXPECT_GT(computed, Rounds / 2);
}

TEST(Property, QuotientsAreTheExactQuotientCut) {
  OperandMaker maker(37);
  int computed = 0;
  for (int i = 0; i < Rounds; ++i) {
    const std::string a = maker.Next();
    const std::string b = maker.Next();
    const exact::Value x = exact::Parse(a);
    const exact::Value y = exact::Parse(b);
    for (bool whole : {false, true}) {
      const std::optional<std::string> quotient = BigDiv(a, b, false, whole);
      if (y.IsZero()) {
        EXPECT_EQ(quotient, std::nullopt) << a << " / " << b;
        continue;
      }
      ASSERT_TRUE(quotient) << a << " / " << b;
      ++computed;
      ExpectWellFormed(*quotient, a + " / " + b);
      const exact::Value q = exact::Parse(*quotient);
      if (whole) {
        EXPECT_EQ(q.fraction, 0) << a << " div " << b << " = " << *quotient;
      }
      EXPECT_TRUE(exact::IsTruncatedQuotient(x, y, q)) << a << " / " << b << " = " << *quotient;
    }
  }
  EXPECT_GT(computed, Rounds);
}

TEST(Property, ADivisorScaledPastTheOperandLimitStillDividesExactly) {
  // Scaling appends the dividend's 200 fraction digits' worth of zeros to a
  // 120-digit divisor, making it 320 digits long.
  const std::string a = "." + std::string(199, '7') + "3";
  const std::string b = "9" + std::string(118, '3') + "1";
  const std::optional<std::string> q = BigDiv(a, b);
  ASSERT_TRUE(q);
  EXPECT_TRUE(exact::IsTruncatedQuotient(exact::Parse(a), exact::Parse(b), exact::Parse(*q))) << *q;
  EXPECT_EQ(q->size(), MaxLength);
}

}  // namespace
}  // namespace decimal
