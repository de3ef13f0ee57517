#include "cli/value_check.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Every short text of number characters: what CheckValue takes without
// typing it is what typing it key by key gives.
TEST(ValueCheck, PlainNumbersAreWhatTypingGives) {
  constexpr std::string_view alphabet = "01./-,9";
  std::vector<std::string> texts = {""};
  for (std::size_t length = 1; length <= 6; ++length) {
    const std::size_t count = texts.size();
    for (std::size_t i = 0; i < count; ++i)
      if (texts[i].size() == length - 1)
        for (char c : alphabet) texts.push_back(texts[i] + c);
  }
  int plain = 0;
  for (const units::Category category : {units::Category::Length, units::Category::Temperature}) {
    for (const std::string& text : texts) {
      if (!cli::IsPlainNumber(category, text)) continue;
      ++plain;
      std::string fieldText;
      EXPECT_EQ(cli::CheckTypedValue(category, text, fieldText), "") << text;
      EXPECT_EQ(fieldText, text);
    }
  }
  EXPECT_GT(plain, 1000);
  EXPECT_FALSE(cli::IsPlainNumber(units::Category::Length, "-1"));
  EXPECT_FALSE(cli::IsPlainNumber(units::Category::Length, std::string(36, '1')));
}

TEST(ValueCheck, ComparesSignedDecimals) {
  struct Case {
    const char* a;
    const char* b;
    bool below;
  };
  const Case cases[] = {
      {"-273.16", "-273.15", true},
      {"-273.15", "-273.15", false},
      {"-273.14", "-273.15", false},
      {"-.5", "0", true},
      {"-0", "0", false},
      {"-0.000", "0", false},
      {"5", "10", true},
      {"10", "5", false},
      {".5", "0.50", false},
      {"-459.670000000001", "-459.67", true},
      {"-1000", "-999", true},
      {"0", "-273.15", false},
      {"00012.5", "12.50", false},
      {"3.", "3", false},
  };
  for (const Case& c : cases) EXPECT_EQ(cli::IsBelow(c.a, c.b), c.below) << c.a << " < " << c.b;
}

}  // namespace
