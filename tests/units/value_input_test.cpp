#include "units/value_input.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace units {
namespace {

// Types the characters one by one as a field would take them: a let-through
// character is appended (backspace removes the last one), a replaced text
// replaces the field.
std::string Type(Category category, std::u32string_view keys) {
  std::string text;
  for (const char32_t key : keys) {
    const KeyFilterResult result = FilterValueKey(category, text, key);
    if (result.NewText) text = *result.NewText;
    if (result.Key == Backspace) {
      if (!text.empty()) text.pop_back();
    } else if (result.Key != 0) {
      text += static_cast<char>(result.Key);
    }
  }
  return text;
}

struct TypingCase {
  Category category;
  const char32_t* keys;
  const char* expected;
};

class Typing : public ::testing::TestWithParam<TypingCase> {};

TEST_P(Typing, LeavesTheFieldText) {
  const TypingCase& c = GetParam();
  EXPECT_EQ(Type(c.category, c.keys), c.expected);
}

const TypingCase TypingCases[] = {
    {Category::Length, U"1,5", "1.5"},
    {Category::Length, U"1.5.2", "1.52"},
    {Category::Length, U"1.5/2.5", "1.5/25"},
    {Category::Length, U"3/2.5", "3/2.5"},
    {Category::Length, U"/3", "3"},
    {Category::Length, U"./3", ".3"},
    {Category::Length, U"3//4", "3/4"},
    {Category::Length, U"-40", "40"},
    {Category::Length, U"4-0", "40"},
    {Category::Length, U"1a2 3e5\t", "1235"},
    {Category::Length, U"12\b3", "13"},
    {Category::Length, U"1\u00B52\u0661", "12"},
    {Category::Temperature, U"-40", "-40"},
    {Category::Temperature, U"40-", "-40"},
    {Category::Temperature, U"4-0", "-40"},
    {Category::Temperature, U"-40-", "-40"},
    {Category::Temperature, U"--4", "-4"},
    {Category::Weight, U"1/3", "1/3"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Typing, ::testing::ValuesIn(TypingCases));

TEST(FilterValueKey, RefusesASignOnAFullField) {
  const std::string full(ValueFieldLimit, '9');
  EXPECT_EQ(FilterValueKey(Category::Temperature, full, U'-').Key, 0u);
  EXPECT_FALSE(FilterValueKey(Category::Temperature, full, U'-').NewText);
  const KeyFilterResult shorter =
      FilterValueKey(Category::Temperature, full.substr(1), U'-');
  EXPECT_EQ(shorter.NewText, "-" + full.substr(1));
  // The field counts a character beyond the Basic Multilingual Plane twice.
  std::string wide(ValueFieldLimit - 4, '9');
  wide += "\U0001F600\U0001F600";
  EXPECT_EQ(FilterValueKey(Category::Temperature, wide, U'-').NewText, std::nullopt);
  EXPECT_EQ(FilterValueKey(Category::Temperature, wide.substr(1), U'-').NewText,
            "-" + wide.substr(1));
}

TEST(FilterValueKey, SwallowsControlCharacters) {
  for (const char32_t key : {U'\0', U'\r', U'\n', U'\x1B', U'\x7F', U'\t'}) {
    EXPECT_EQ(FilterValueKey(Category::Length, "1", key).Key, 0u) << static_cast<int>(key);
  }
}

struct FractionCase {
  const char* text;
  std::optional<std::string> expected;
};

class Fractions : public ::testing::TestWithParam<FractionCase> {};

TEST_P(Fractions, Resolve) {
  EXPECT_EQ(ResolveFraction(GetParam().text), GetParam().expected) << GetParam().text;
}

const FractionCase FractionCases[] = {
    {"3/4", ".75"},
    {"1.5/2", ".75"},
    {"10", "10"},
    {"", ""},
    {".", "."},
    {"3/", std::nullopt},
    {"3/0", std::nullopt},
    {"/4", std::nullopt},
    {"bad", "bad"},  // no fraction: the text as it is
    {"8/2", "4"},
};

INSTANTIATE_TEST_SUITE_P(Cases, Fractions, ::testing::ValuesIn(FractionCases));

TEST(ResolveFraction, CutsARepeatingQuotientToFortyCharacters) {
  EXPECT_EQ(ResolveFraction("1/3"), "." + std::string(39, '3'));
  EXPECT_EQ(ResolveFraction("200/3"), "66." + std::string(37, '6'));
}

}  // namespace
}  // namespace units
