// Validation, normalisation, point alignment and the limb form.
#include <gtest/gtest.h>

#include <string>

#include "decimal/bignum.h"

namespace decimal {
namespace {

struct ValidityCase {
  const char* text;
  bool valid;
};

TEST(IsValidNumber, AcceptsOnlyTheDocumentedForm) {
  const ValidityCase cases[] = {
      {"", false},   {".", false},   {"-", false},    {"-.", true},     {".5", true},
      {"5.", true},  {"-0", true},   {"007", true},   {"1.2.3", false}, {"--1", false},
      {"1-", false}, {"+1", false},  {"1e3", false},  {"1,5", false},   {" 1", false},
      {"1 ", false}, {"-1.5", true}, {"1.-5", false}, {"\xb5", false},  {"12a", false},
      {"0", true},   {"-.5", true},  {"..", false},   {"-5-", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsValidNumber(c.text), c.valid) << '"' << c.text << '"';
}

TEST(IsValidNumber, RejectsAnEmbeddedNul) {
  EXPECT_FALSE(
      IsValidNumber(std::string("1\0"
                                "2",
                                3)));
}

struct EditCase {
  const char* before;
  const char* after;
};

void ExpectEdits(void (*edit)(std::string&), std::initializer_list<EditCase> cases) {
  for (const auto& c : cases) {
    std::string text = c.before;
    edit(text);
    EXPECT_EQ(text, c.after) << "from \"" << c.before << '"';
  }
}

TEST(StripLeadingZeros, KeepsTheFirstNonZeroCharacter) {
  ExpectEdits(StripLeadingZeros, {{"007", "7"},
                                  {"00.5", ".5"},
                                  {"0.0", ".0"},
                                  {"000", "0"},
                                  {"0", "0"},
                                  {"0.", "0"},
                                  {"-007", "-007"},
                                  {"", ""},
                                  {"100", "100"},
                                  {".", "0"}});
}

TEST(StripTrailingZeros, TouchesOnlyTextsWithAPoint) {
  ExpectEdits(StripTrailingZeros, {{"1.500", "1.5"},
                                   {"1.000", "1."},
                                   {"10.0", "10."},
                                   {".000", "0"},
                                   {"0.0", "0."},
                                   {"100", "100"},
                                   {"", ""},
                                   {"-2.50", "-2.5"}});
}

TEST(StripZeros, TrailingThenLeadingNormalises) {
  ExpectEdits(
      [](std::string& t) {
        StripTrailingZeros(t);
        StripLeadingZeros(t);
      },
      {{"0.0", "0"}, {"00.50", ".5"}, {"010.0", "10."}});
}

TEST(RemovePoint, DeletesTheFirstPointOnly) {
  ExpectEdits(RemovePoint, {{"1.5", "15"}, {"15", "15"}, {".", ""}, {"1.2.3", "12.3"}});
}

struct AlignCase {
  const char* a;
  const char* b;
  const char* alignedA;
  const char* alignedB;
  int point;
  int digits;
};

TEST(AlignPoints, LinesUpPointsAndLengths) {
  const AlignCase cases[] = {
      {"1.5", "22.25", "0150", "2225", 3, 4},
      {"5", "0.25", "500", "025", 2, 3},
      {"0.25", "5", "025", "500", 2, 3},
      {".5", "1.", "05", "10", 2, 2},
  };
  for (const auto& c : cases) {
    std::string a = c.a;
    std::string b = c.b;
    int point = 0;
    int digits = 0;
    ASSERT_TRUE(AlignPoints(a, b, a.find('.') != std::string::npos,
                            b.find('.') != std::string::npos, point, digits));
    EXPECT_EQ(AlignStatus(), "good");
    EXPECT_EQ(a, c.alignedA) << c.a << " and " << c.b;
    EXPECT_EQ(b, c.alignedB) << c.a << " and " << c.b;
    EXPECT_EQ(point, c.point);
    EXPECT_EQ(digits, c.digits);
  }
}

TEST(AlignPoints, LeavesTextsWithoutPointsAlone) {
  std::string a = "12";
  std::string b = "345";
  int point = -1;
  int digits = -1;
  EXPECT_TRUE(AlignPoints(a, b, false, false, point, digits));
  EXPECT_EQ(a, "12");
  EXPECT_EQ(b, "345");
}

TEST(AlignPoints, FailsWhenAFullTextMustGrow) {
  const std::string full(MaxLength, '7');
  const std::string fullWithPoint = "." + std::string(MaxLength - 1, '7');
  struct Case {
    std::string a, b;
  } const cases[] = {
      {full, "1.5"},            // needs a point
      {"1.5", full},            // the same, other side
      {fullWithPoint, "12.5"},  // its point must move right by one zero in front
  };
  for (const auto& c : cases) {
    std::string a = c.a;
    std::string b = c.b;
    int point = 0;
    int digits = 0;
    EXPECT_FALSE(AlignPoints(a, b, a.find('.') != std::string::npos,
                             b.find('.') != std::string::npos, point, digits));
    EXPECT_EQ(AlignStatus(), "bad");
  }
  // A later alignment starts afresh.
  std::string a = "1.5";
  std::string b = "2";
  int point = 0;
  int digits = 0;
  EXPECT_TRUE(AlignPoints(a, b, true, false, point, digits));
  EXPECT_EQ(AlignStatus(), "good");
}

struct LimbCase {
  const char* digits;
  std::vector<std::int32_t> lastLimbs;
};

TEST(DigitsToLimbs, FillsRightAlignedGroupsOfFour) {
  const LimbCase cases[] = {
      {"1234", {1234}}, {"12345", {1, 2345}},    {"0005", {5}}, {"123456789", {1, 2345, 6789}},
      {"7", {7}},       {"10000000", {1000, 0}},
  };
  for (const auto& c : cases) {
    Limbs limbs;
    limbs.fill(-1);
    const std::string digits = c.digits;
    DigitsToLimbs(digits, static_cast<int>(digits.size()), limbs);
    const std::size_t n = c.lastLimbs.size();
    for (std::size_t i = 0; i < n; ++i) {
      EXPECT_EQ(limbs[LimbCount - n + i], c.lastLimbs[i]) << c.digits << " limb " << i;
    }
    EXPECT_EQ(limbs[LimbCount - n - 1], -1) << "wrote in front of " << c.digits;
  }
}

TEST(DigitsToLimbs, TakesTheLongestOperand) {
  const std::string digits(MaxLength, '9');
  Limbs limbs{};
  DigitsToLimbs(digits, static_cast<int>(digits.size()), limbs);
  EXPECT_EQ(limbs[LimbCount - 64], 999);
  EXPECT_EQ(limbs[LimbCount - 1], 9999);
}

TEST(LimbsToDigits, PadsInnerLimbsAndPlacesThePoint) {
  Limbs limbs{};
  limbs[LimbCount - 3] = 1;
  limbs[LimbCount - 2] = 2345;
  limbs[LimbCount - 1] = 6789;
  struct Case {
    int first;
    int point;
    const char* text;
  } const cases[] = {
      {LimbCount - 3, 3, "12.3456789"},    {LimbCount - 3, 0, "123456789"},
      {LimbCount - 3, 1, ".123456789"},    {LimbCount - 2, 0, "23456789"},
      {LimbCount - 4, 0, "0000123456789"},
  };
  for (const auto& c : cases) {
    std::string text;
    LimbsToDigits(limbs, c.first, c.point, text);
    EXPECT_EQ(text, c.text);
  }
}

}  // namespace
}  // namespace decimal
