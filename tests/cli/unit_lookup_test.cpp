#include "cli/unit_lookup.h"

#include <gtest/gtest.h>

namespace {

using units::Category;

constexpr Category Measured[] = {Category::Length, Category::Area,        Category::Capacity,
                                 Category::Weight, Category::Temperature, Category::Speed,
                                 Category::Paper};

// Every listed unit can be named back, in its own category, by its name in
// any case and with the blanks people type ("drams  (ap)" as "drams (ap)").
TEST(UnitLookup, EveryListedNameFindsItsRow) {
  for (Category category : Measured) {
    const auto listed = cli::UnitsOf(category);
    ASSERT_FALSE(listed.empty()) << units::CategoryName(category);
    for (const cli::ListedUnit& unit : listed) {
      std::string typed;
      bool blank = false;
      for (char c : unit.Name) {
        if (c == ' ' && blank) continue;
        blank = c == ' ';
        typed += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
      }
      SCOPED_TRACE(typed);
      int row = -1;
      EXPECT_EQ(cli::PickRow(category, typed, cli::FindUnit(typed), row), "");
      EXPECT_EQ(units::RowAt(units::TableFor(category), row).Name, unit.Name);
    }
  }
}

// A symbol finds a row with that symbol, or is refused as ambiguous, never
// taken for a unit of another size.
TEST(UnitLookup, EveryListedSymbolFindsItsRowOrIsAmbiguous) {
  for (Category category : Measured) {
    const units::UnitTable table = units::TableFor(category);
    for (const cli::ListedUnit& unit : cli::UnitsOf(category)) {
      SCOPED_TRACE(std::string(unit.Symbol));
      int row = -1;
      const std::string error =
          cli::PickRow(category, unit.Symbol, cli::FindUnit(unit.Symbol), row);
      if (!error.empty()) {
        EXPECT_NE(error.find("ambiguous"), std::string::npos) << error;
        continue;
      }
      if (category == Category::Temperature)
        EXPECT_EQ(cli::TemperatureLetter(row), unit.Symbol);
      else
        EXPECT_EQ(units::RowAt(table, row).Symbol, unit.Symbol);
    }
  }
}

TEST(UnitLookup, ListsRealUnitsOnceEach) {
  // Length: 53 rows less the placeholder, two headings, two blank rows and
  // the eight common units repeated in the full list.
  EXPECT_EQ(cli::UnitsOf(Category::Length).size(), 40u);
  EXPECT_EQ(cli::UnitsOf(Category::Temperature).size(), 3u);
  EXPECT_TRUE(cli::UnitsOf(Category::Prefixes).empty());
}

TEST(UnitLookup, ExactSymbolCaseWinsOverAnyCase) {
  // "C" is Celsius only; "c" is cups and carats.
  const auto upper = cli::FindUnit("C");
  EXPECT_TRUE(upper.In(Category::Temperature));
  EXPECT_FALSE(upper.In(Category::Capacity));
  const auto lower = cli::FindUnit("c");
  EXPECT_TRUE(lower.In(Category::Capacity) && lower.In(Category::Weight));
  EXPECT_FALSE(lower.In(Category::Temperature));
  // Nothing is spelt "KM": any case then.
  EXPECT_TRUE(cli::FindUnit("KM").In(Category::Length));
  EXPECT_FALSE(cli::FindUnit("").Any());
  EXPECT_FALSE(cli::FindUnit("-").Any());
  EXPECT_FALSE(cli::FindUnit("=== Common Units ===").Any());
}

TEST(UnitLookup, ReadsCategoriesByNameCaptionOrNumber) {
  const std::pair<const char*, std::optional<Category>> cases[] = {
      {"length", Category::Length},
      {"CAPACITY", Category::Capacity},
      {"Temp.", Category::Temperature},
      {"temp", Category::Temperature},
      {"temperature", Category::Temperature},
      {"8", Category::Paper},
      {"6", Category::Prefixes},
      {"0", std::nullopt},
      {"9", std::nullopt},
      {"", std::nullopt},
      {"len", std::nullopt},
  };
  for (const auto& [text, expected] : cases)
    EXPECT_EQ(cli::CategoryFromText(text), expected) << text;
}

}  // namespace
