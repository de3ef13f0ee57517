#include "units/catalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "decimal/bignum.h"
#include "units/convert.h"

namespace units {
namespace {

// The categories whose units are related by a factor, from the
// descriptor: a new one is checked without naming it here.
std::vector<Category> FactorCategories() {
  std::vector<Category> categories;
  for (const CategoryInfo& info : AllCategories())
    if (info.Measured && info.Id != Category::Temperature) categories.push_back(info.Id);
  return categories;
}

TEST(Catalogue, HasEveryRow) {
  const std::pair<Category, int> expected[] = {
      {Category::Length, 53},     {Category::Area, 43},       {Category::Capacity, 66},
      {Category::Weight, 36},     {Category::Temperature, 4}, {Category::Prefixes, 0},
      {Category::Speed, 11},      {Category::Paper, 34},
  };
  for (const auto& [category, rows] : expected) {
    EXPECT_EQ(RowCount(category), rows) << CategoryName(category);
    EXPECT_EQ(TableFor(category).size(), static_cast<std::size_t>(rows));
  }
  // Every category of the descriptor, by its number and nothing beyond.
  for (const CategoryInfo& info : AllCategories()) {
    EXPECT_EQ(CategoryFromNumber(static_cast<int>(info.Id)), info.Id);
    EXPECT_EQ(static_cast<std::size_t>(RowCount(info.Id)), info.Table.size());
  }
  EXPECT_FALSE(CategoryFromNumber(FirstCategory - 1));
  EXPECT_FALSE(CategoryFromNumber(LastCategory + 1));
}

// What the pages start with are real units of the category, and a page
// enables either every row or only the first.
TEST(Catalogue, DescriptorsNameRealUnits) {
  ASSERT_EQ(AllCategories().size(), static_cast<std::size_t>(LastCategory));
  for (const CategoryInfo& info : AllCategories()) {
    SCOPED_TRACE(std::string(info.Name));
    EXPECT_EQ(&Describe(info.Id), &info);
    EXPECT_EQ(info.Measured, !info.Table.empty());
    if (!info.Measured) continue;
    EXPECT_NE(RowAt(info.Table, info.DefaultFrom[0]).Name, "-");
    for (int row : info.DefaultFrom) {
      if (row != 0 && info.Id != Category::Temperature) {
        EXPECT_NE(RowAt(info.Table, row).Factor, "0");
      }
    }
    if (info.DefaultTo != 0) {
      EXPECT_NE(RowAt(info.Table, info.DefaultTo).Name, "-");
    }
    EXPECT_TRUE(info.InputRows == 1 || info.InputRows == TermCount);
    EXPECT_TRUE(info.TargetUnits == 1 || info.TargetUnits == TermCount);
  }
  EXPECT_EQ(Describe(static_cast<Category>(0)).Table.size(), 0u);
  EXPECT_FALSE(Describe(static_cast<Category>(LastEngineCategory + 1)).Measured);
}

TEST(Catalogue, ReadsAnIndexOutsideTheTableAsNoUnit) {
  const UnitTable length = TableFor(Category::Length);
  for (const int index : {-1, 53, 1000}) {
    EXPECT_EQ(RowAt(length, index).Factor, "0");
    EXPECT_EQ(RowAt(length, index).Symbol, "");
  }
  EXPECT_EQ(RowAt(TableFor(Category::Prefixes), 0).Factor, "0");
  EXPECT_EQ(RowAt(length, 9).Name, "meters");
}

// Placeholders, headings and blank rows are no unit; every other row is a
// unit with a symbol and a positive exact factor.
TEST(Catalogue, RowsAreUnitsOrNoUnits) {
  for (const Category category : FactorCategories()) {
    const UnitTable table = TableFor(category);
    EXPECT_EQ(table[0].Name, "-");
    for (const UnitRow& row : table) {
      const bool noUnit = row.Name.empty() || row.Name == "-" || row.Name.starts_with("=");
      if (noUnit) {
        EXPECT_EQ(row.Factor, "0") << row.Name;
        EXPECT_EQ(row.Symbol, "") << row.Name;
        continue;
      }
      EXPECT_TRUE(decimal::IsValidNumber(row.Factor)) << row.Name;
      EXPECT_EQ(row.Factor.find_first_not_of("0123456789."), std::string_view::npos) << row.Name;
      EXPECT_NE(row.Factor.find_first_of("123456789"), std::string_view::npos) << row.Name;
      EXPECT_FALSE(row.Symbol.empty()) << row.Name;
    }
  }
}

// A unit listed twice (common group and full list) is the same unit.
TEST(Catalogue, RepeatedNamesAgree) {
  for (const Category category : FactorCategories()) {
    const UnitTable table = TableFor(category);
    for (std::size_t i = 0; i < table.size(); ++i) {
      for (std::size_t j = i + 1; j < table.size(); ++j) {
        if (table[i].Name.empty() || table[i].Name != table[j].Name) continue;
        EXPECT_EQ(table[i].Factor, table[j].Factor) << table[i].Name;
        EXPECT_EQ(table[i].Symbol, table[j].Symbol) << table[i].Name;
      }
    }
  }
}

TEST(Catalogue, KeepsNonAsciiSymbolsAsUtf8) {
  EXPECT_EQ(RowAt(TableFor(Category::Length), 35).Symbol, "\xC2\xB5m");
  EXPECT_EQ(RowAt(TableFor(Category::Paper), 1).Symbol, "g/m\xC2\xB2");
  EXPECT_EQ(RowAt(TableFor(Category::Temperature), Kelvin).Name, "Kelvin");
}

std::string Times(std::string_view factor, const char* by) {
  return decimal::BigMul(factor, by).value_or("failed");
}

bool SameValue(const std::string& a, const std::string& b) {
  const auto difference = decimal::BigSub(a, b);
  return difference && difference->find_first_not_of("-0.") == std::string::npos;
}

struct Relation {
  Category category;
  int row;
  const char* times;
  int otherRow;
  const char* otherTimes;
};

class ExactRelations : public ::testing::TestWithParam<Relation> {};

// row × times = otherRow × otherTimes, exactly.
TEST_P(ExactRelations, Hold) {
  const Relation& r = GetParam();
  const UnitTable table = TableFor(r.category);
  const std::string left = Times(table[static_cast<std::size_t>(r.row)].Factor, r.times);
  const std::string right =
      Times(table[static_cast<std::size_t>(r.otherRow)].Factor, r.otherTimes);
  EXPECT_TRUE(SameValue(left, right))
      << table[static_cast<std::size_t>(r.row)].Name << ": " << left << " vs " << right;
}

const Relation Relations[] = {
    {Category::Length, 2, "12", 3, "1"},                 // inches, feet
    {Category::Length, 3, "3", 4, "1"},                  // feet, yards
    {Category::Length, 4, "1760", 5, "1"},               // yards, miles
    {Category::Length, 9, "1609.344", 5, "1"},           // meters, miles
    {Category::Length, 8, "2.54", 2, "1"},               // centimeters, inches
    {Category::Length, 25, "3937", 9, "1200"},           // survey feet, meters
    {Category::Length, 9, "1000", 10, "1"},              // meters, kilometers
    {Category::Area, 2, "144", 3, "1"},                  // sq. inches, sq. feet
    {Category::Area, 9, "10000", 15, "1"},               // sq. meters, hectares
    {Category::Area, 4, "3097600", 5, "1"},              // sq. yards, sq. miles
    {Category::Capacity, 2, "128", 6, "1"},              // US fluid ounces, gallon
    {Category::Capacity, 11, "3.785411784", 6, "1"},     // liters, US gallon
    {Category::Capacity, 57, "231", 24, "1"},            // cubic inches, US gallon
    {Category::Capacity, 8, "1000000", 59, "1"},         // milliliters, cubic meter
    {Category::Weight, 8, "0.45359237", 3, "1"},         // kilograms, pound
    {Category::Weight, 2, "16", 3, "1"},                 // ounces, pound
    {Category::Weight, 3, "2000", 4, "1"},               // pounds, short ton
    {Category::Weight, 17, "7000", 3, "1"},              // grains, pound
    {Category::Speed, 5, "1.609344", 8, "1"},            // km/h, mph
    {Category::Speed, 5, "3.6", 7, "1"},                 // km/h, m/s
    {Category::Speed, 5, "1.852", 6, "1"},               // km/h, knot
};

INSTANTIATE_TEST_SUITE_P(Units, ExactRelations, ::testing::ValuesIn(Relations));

// Rows of one factor (perches, poles and rods; paper types of one size;
// units repeated between the groups) convert to each other as exactly 1.
TEST(Catalogue, EqualFactorsConvertAsExactlyOne) {
  const ResultOptions exact{30, false, false, false};
  const platform::NumberSymbols dot;
  int pairs = 0;
  for (const Category category : FactorCategories()) {
    const UnitTable table = TableFor(category);
    for (int i = 0; i < RowCount(category); ++i) {
      for (int j = 0; j < RowCount(category); ++j) {
        if (i == j || table[i].Factor == "0" || table[i].Factor != table[j].Factor) continue;
        const Quantity one{{"1", "", ""}, {i, 0, 0}, {j, 0, 0}};
        const std::string expected =
            "1." + std::string(30, '0') + " " + std::string(table[j].Symbol) + "  ";
        EXPECT_EQ(Convert(category, one, exact, dot), expected) << table[i].Name;
        ++pairs;
      }
    }
  }
  EXPECT_GT(pairs, 100);
}

}  // namespace
}  // namespace units
