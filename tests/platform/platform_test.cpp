#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/float_reading.h"
#include "platform/number_symbols.h"
#include "platform/utf8.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace platform {
namespace {

TEST(Utf8, RoundTripsEveryLength) {
  for (const char32_t c : {U'a', U'\u00A0', U'\u2019', U'\u202F', U'\U0001F600'}) {
    const std::string encoded = EncodeUtf8(c);
    EXPECT_EQ(DecodeSingle(encoded), c);
  }
  EXPECT_EQ(EncodeUtf8(U'\u00A0'), "\xC2\xA0");
  EXPECT_EQ(EncodeUtf8(0xD800), "\xEF\xBF\xBD");
}

TEST(Utf8, RefusesMalformedText) {
  for (const char* text : {"", "ab", "\x80", "\xC2", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80",
                           "\xE2\x80"}) {
    EXPECT_FALSE(DecodeSingle(text)) << text;
  }
}

TEST(FirstSymbolChar, FallsBackOnUnusableSymbols) {
  EXPECT_EQ(FirstSymbolChar(U"", ","), ",");
  EXPECT_EQ(FirstSymbolChar(U"5", "."), ".");
  EXPECT_EQ(FirstSymbolChar(U"-", "."), ".");
  EXPECT_EQ(FirstSymbolChar(U"\u00A0x", ","), "\xC2\xA0");
  EXPECT_EQ(FirstSymbolChar(U"\x01", ","), ",");
}

struct FloatCase {
  const char* text;
  double expected;
};

TEST(ReadFloat, ReadsPlainNumbers) {
  const FloatCase cases[] = {{"12", 12},       {"-12.5", -12.5}, {"+.5", 0.5}, {"5.", 5},
                             {" 1e3\t", 1000}, {"1E-2", 0.01},   {"1e400", HUGE_VAL},
                             {"1e-400", 0}};
  for (const FloatCase& c : cases) {
    ASSERT_TRUE(ReadFloat(c.text)) << c.text;
    EXPECT_DOUBLE_EQ(*ReadFloat(c.text), c.expected) << c.text;
  }
  for (const char* text : {"", " ", ".", "-", "1,5", "1 2", "e5", "1e+", "infinity", "NaN",
                           "0x1p3", "1.2.3", "--5"}) {
    EXPECT_FALSE(ReadFloat(text)) << text;
  }
}

#ifndef _WIN32
// Sets the locale variables for one test and restores them after.
class LocaleEnvironment : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* name : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
      const char* value = std::getenv(name);
      saved_.push_back({name, value ? std::optional<std::string>(value) : std::nullopt});
      unsetenv(name);
    }
  }
  void TearDown() override {
    for (const auto& [name, value] : saved_) {
      if (value) setenv(name, value->c_str(), 1);
      else unsetenv(name);
    }
  }

 private:
  std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

struct LocaleCase {
  const char* variable;
  const char* locale;
  const char* decimal;
  const char* thousand;
};

TEST_F(LocaleEnvironment, ReadsTheSymbolsOfTheEnvironment) {
  const LocaleCase cases[] = {
      {"LANG", "C", ".", ","},
      {"LC_NUMERIC", "de_DE.UTF-8", ",", "."},
      {"LC_ALL", "fr_FR.UTF-8", ",", "\u202F"},
      {"LANG", "fr_FR.ISO-8859-1", ",", "\u00A0"},
      {"LC_NUMERIC", "de_CH.UTF-8", ".", "\u2019"},
      {"LANG", "en_US.UTF-8", ".", ","},
      {"LANG", "no_such_locale", ".", ","},
  };
  for (const LocaleCase& c : cases) {
    setenv(c.variable, c.locale, 1);
    const NumberSymbols symbols = ReadNumberSymbols();
    EXPECT_EQ(symbols.Decimal, c.decimal) << c.locale;
    EXPECT_EQ(symbols.Thousand, c.thousand) << c.locale;
    unsetenv(c.variable);
  }
}

TEST_F(LocaleEnvironment, GivesLcAllPrecedence) {
  setenv("LANG", "de_DE.UTF-8", 1);
  setenv("LC_ALL", "en_US.UTF-8", 1);
  EXPECT_EQ(ReadNumberSymbols().Decimal, ".");
}
#else
struct LocaleCase {
  LANGID language;
  const char* decimal;
  const char* thousand;
};

// The thread locale decides, read through the wide functions.
TEST(ThreadLocale, GivesTheSymbols) {
  const LCID saved = GetThreadLocale();
  const LocaleCase cases[] = {
      {MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), ",", "."},
      {MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), ".", ","},
      {MAKELANGID(LANG_FRENCH, SUBLANG_FRENCH), ",", nullptr},
  };
  for (const LocaleCase& c : cases) {
    ASSERT_TRUE(SetThreadLocale(MAKELCID(c.language, SORT_DEFAULT)));
    const NumberSymbols symbols = ReadNumberSymbols();
    EXPECT_EQ(symbols.Decimal, c.decimal) << c.language;
    // French grouping is a kind of space; which one depends on the system.
    if (c.thousand) EXPECT_EQ(symbols.Thousand, c.thousand) << c.language;
    else EXPECT_TRUE(symbols.Thousand == "\u00A0" || symbols.Thousand == "\u202F" ||
                     symbols.Thousand == " ") << symbols.Thousand;
  }
  SetThreadLocale(saved);
}
#endif

// Whatever the system gives, each symbol is one whole character.
TEST(RegionalSymbols, AreSingleCharacters) {
  EXPECT_TRUE(DecodeSingle(DecimalSymbol()));
  EXPECT_TRUE(DecodeSingle(ThousandSeparator()));
  EXPECT_EQ(&DecimalSymbol(), &RegionalSymbols().Decimal);
}

}  // namespace
}  // namespace platform
