// The unit tables: constant rows of name, symbol and factor per category.
// A factor is the size of one unit in a base unit private to its category,
// as an exact decimal text; rows with factor "0" stand for no unit.
#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>

namespace units {

enum class Category : int {
  Length = 1,
  Area = 2,
  Capacity = 3,
  Weight = 4,
  Temperature = 5,
  Prefixes = 6,
  Speed = 7,
  Paper = 8,
  // The command line's own; the window keeps the eight above
  // (command_line_tables.h).
  Time = 9,
  Energy = 10,
  Power = 11,
  Pressure = 12,
  Force = 13,
  Angle = 14,
  Data = 15,
  FuelEconomy = 16,
};

inline constexpr int FirstCategory = 1;
// The window's selectors show categories 1 to 8.
inline constexpr int LastWindowCategory = 8;
// Every category the engine converts (Describe, TableFor, Convert).
inline constexpr int LastEngineCategory = 16;
// Whether AllCategories() and CategoryFromNumber() give the command line's
// own categories as well, and so the command line, batch and unit lookup
// offer them.
inline constexpr bool OfferCommandLineCategories = true;
// The last category AllCategories() and CategoryFromNumber() give.
inline constexpr int LastCategory =
    OfferCommandLineCategories ? LastEngineCategory : LastWindowCategory;

// A quantity has up to three values, and a result up to three parts.
inline constexpr int TermCount = 3;

struct UnitRow {
  std::string_view Name;
  std::string_view Symbol;
  std::string_view Factor;
};

using UnitTable = std::span<const UnitRow>;

enum class HelpTopic { None, WeightOrMass, PaperWeight };

// How values of a category convert: by factors alone; by the temperature
// formulas; or by factors where some rows measure the inverse quantity
// (liters per 100 km against km per liter), whose values divide.
enum class FormulaKind { Linear, Temperature, Reciprocal };

// Everything the window, the command line and the unit suggestion know
// about a category. Rows are row indexes of its table; 0 is "-".
//
// A new category needs: its value in Category and LastEngineCategory; its
// table and its entry in Categories (catalogue.cpp), with InWindow false
// and the table in command_line_tables.h if only the command line offers
// it; otherwise LastWindowCategory too, its US and metric rules in
// suggest.cpp, if the buttons should offer units; and in the window, its
// selector (a member of MainWindow, ui/main_window.h, and its row in the
// selector bar, ui/pages.cpp). Everything else takes it from here.
struct CategoryInfo {
  Category Id{};
  std::string_view Name{};     // "Temperature"
  std::string_view Noun{};     // what a unit of it measures: "a temperature"
  std::string_view Caption{};  // of its page selector: "Temp."; or a short name
  UnitTable Table{};           // empty for Prefixes
  std::array<int, TermCount> DefaultFrom = {0, 0, 0};
  int DefaultTo = 0;
  // Rows of values and units in use: the page disables the others and the
  // command line takes as many values.
  int InputRows = TermCount;
  // Units a result can be split over; a temperature goes to one scale.
  int TargetUnits = TermCount;
  HelpTopic Help = HelpTopic::None;
  // Whether it has units to convert; Prefixes is a reference page.
  bool Measured = true;
  // Whether the window shows it: categories 1 to LastWindowCategory.
  bool InWindow = true;
  FormulaKind Kind = FormulaKind::Linear;
  // For FormulaKind::Reciprocal: the rows from this one on are inverse units;
  // a value x of one stands for Factor / x base units.
  int FirstInverseRow = 0;
};

// The category with this number, if there is one.
std::optional<Category> CategoryFromNumber(int number);

// Every category, in number order; the window's eight only while
// OfferCommandLineCategories is off.
std::span<const CategoryInfo> AllCategories();
// The eight the window shows, in the same order.
std::span<const CategoryInfo> WindowCategories();
// Any category the engine converts, whether offered or not.
const CategoryInfo& Describe(Category category);

// "Length", ..., "Temperature", "Prefixes", ...: the category's full name.
std::string_view CategoryName(Category category);
// The caption of its page selector ("Temp." for Temperature).
std::string_view CategoryCaption(Category category);

// Empty for Prefixes.
UnitTable TableFor(Category category);
int RowCount(Category category);

// An index outside the table (no item chosen) reads as the empty row, which
// every conversion treats as no unit.
const UnitRow& RowAt(UnitTable table, int index);

// Temperature scales by row.
inline constexpr int Celsius = 1;
inline constexpr int Fahrenheit = 2;
inline constexpr int Kelvin = 3;

// The lowest temperature on the scale of a row; empty for no scale.
std::string_view AbsoluteZero(int scaleRow);

// Rows that code names: the common units at the top of each table.
struct LengthRow {
  static constexpr int Inches = 2, Feet = 3, Yards = 4, Miles = 5;
  static constexpr int Millimeters = 7, Centimeters = 8, Meters = 9, Kilometers = 10;
};
struct AreaRow {
  static constexpr int SqInches = 2, SqFeet = 3, SqYards = 4, SqMiles = 5;
  static constexpr int SqMillimeters = 7, SqCentimeters = 8, SqMeters = 9, SqKilometers = 10;
};
struct CapacityRow {
  static constexpr int FluidOunces = 2, Cups = 3, Pints = 4, Quarts = 5, Gallons = 6;
  static constexpr int Milliliters = 8, Centiliters = 9, Deciliters = 10, Liters = 11;
};
struct WeightRow {
  static constexpr int Ounces = 2, Pounds = 3, ShortTons = 4;
  static constexpr int Milligrams = 6, Grams = 7, Kilograms = 8, MetricTons = 9;
};
struct SpeedRow {
  static constexpr int FeetPerSecond = 4, KilometersPerHour = 5, MetersPerSecond = 7,
                       MilesPerHour = 8;
};
struct PaperRow {
  static constexpr int GramsPerSqMeter = 1, Bond = 5;
};

}  // namespace units
