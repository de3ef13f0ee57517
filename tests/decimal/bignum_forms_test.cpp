// Validation and normalisation of number texts.
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

}  // namespace
}  // namespace decimal
