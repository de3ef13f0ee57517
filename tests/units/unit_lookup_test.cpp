#include "units/unit_lookup.h"

#include <gtest/gtest.h>

#include <cctype>
#include <optional>
#include <string>
#include <vector>

#include "units/aliases.h"

namespace units {
namespace {

std::vector<Category> Measured() {
  std::vector<Category> measured;
  for (const CategoryInfo& info : AllCategories())
    if (info.Measured) measured.push_back(info.Id);
  return measured;
}

// The unit one text stands for, or the reason it stands for none.
struct Chosen {
  std::string error;
  Category in{};
  std::string_view name;
};

Chosen Choose(const std::vector<std::string>& typed, std::optional<Category> forced = {}) {
  UnitChoice choice;
  Chosen chosen;
  chosen.error = ChooseUnits(typed, forced, choice);
  if (chosen.error.empty()) {
    chosen.in = choice.In;
    chosen.name = RowAt(TableFor(choice.In), choice.Rows.front()).Name;
  }
  return chosen;
}

std::string_view FactorOf(Category category, std::string_view name) {
  for (const UnitRow& row : TableFor(category))
    if (row.Name == name) return row.Factor;
  return {};
}

// Every listed unit can be named back, in its own category, by its name in
// any case and with the blanks people type ("drams  (ap)" as "drams (ap)").
TEST(UnitLookup, EveryListedNameFindsItsRow) {
  for (Category category : Measured()) {
    const auto listed = UnitsOf(category);
    ASSERT_FALSE(listed.empty()) << CategoryName(category);
    for (const ListedUnit& unit : listed) {
      std::string typed;
      bool blank = false;
      for (char c : unit.Name) {
        if (c == ' ' && blank) continue;
        blank = c == ' ';
        typed += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
      }
      SCOPED_TRACE(typed);
      const Chosen chosen = Choose({typed}, category);
      EXPECT_EQ(chosen.error, "");
      EXPECT_EQ(chosen.name, unit.Name);
    }
  }
}

// What a result writes for a unit reads back as that unit, in its own
// category and without naming the category.
TEST(UnitLookup, EveryUnitReadsBackAsWritten) {
  int units = 0;
  for (Category category : Measured()) {
    const UnitTable table = TableFor(category);
    for (int row = 1; row < RowCount(category); ++row) {
      if (table[row].Factor == "0" || table[row].Name.empty()) continue;
      const std::string symbol(TypedSymbol(category, row));
      SCOPED_TRACE(std::string(table[row].Name) + " as " + symbol);
      ASSERT_FALSE(symbol.empty());
      const std::vector<Meaning> meanings = FindUnit(symbol);
      EXPECT_TRUE(std::any_of(meanings.begin(), meanings.end(), [&](const Meaning& m) {
        return m.In == category && m.How != Standing::Rare;
      }));
      const Chosen chosen = Choose({symbol}, category);
      ASSERT_EQ(chosen.error, "");
      if (category == Category::Temperature)
        EXPECT_EQ(chosen.name, table[row].Name);
      else
        EXPECT_EQ(FactorOf(category, chosen.name), table[row].Factor);
      ++units;
    }
  }
  EXPECT_GT(units, 200);
}

// Each alias names a row of its category, where it is the meaning taken.
TEST(UnitLookup, EveryAliasNamesItsUnit) {
  for (const Alias& alias : Aliases()) {
    SCOPED_TRACE(std::string(alias.Text));
    EXPECT_FALSE(FactorOf(alias.In, alias.Unit).empty() && alias.In != Category::Temperature);
    const Chosen chosen = Choose({std::string(alias.Text)}, alias.In);
    EXPECT_EQ(chosen.error, "");
    EXPECT_EQ(chosen.name, alias.Unit);
  }
}

// The name before a table name's qualifier: "calories" of "calories (IT)".
std::string_view Stem(std::string_view name) {
  return name.substr(0, std::min(name.find(" ("), name.find(',')));
}

// Whether another unit of the same table has the same stem.
bool StemShared(Category category, std::string_view name) {
  for (const UnitRow& row : TableFor(category))
    if (row.Name != name && !row.Name.empty() && Stem(row.Name) == Stem(name)) return true;
  return false;
}

// An abbreviation is marked a stated default when the catalogue writes
// another unit with it, or another alias gives it another unit, so --help
// lists every such choice; otherwise only where it names one of several
// units of one name (the calories, the horsepowers).
TEST(UnitLookup, StatedDefaultsAreTheTextsWithSeveralMeanings) {
  for (const Alias& alias : Aliases()) {
    if (!(alias.Flags & CaseMatters)) continue;
    const auto sameUnit = [&](Category category, std::string_view name) {
      return category == alias.In && FactorOf(category, name) == FactorOf(alias.In, alias.Unit);
    };
    bool other = false;
    for (Category category : Measured())
      for (const UnitRow& row : TableFor(category))
        other = other || (row.Symbol == alias.Text && !sameUnit(category, row.Name));
    for (const Alias& same : Aliases())
      other = other || (same.Text == alias.Text && !sameUnit(same.In, same.Unit));
    const bool stated = (alias.Flags & StatedDefault) != 0;
    // "K" also names Kelvin, whose catalogue row has no symbol.
    if (other) {
      EXPECT_TRUE(stated) << alias.Text;
    } else if (!StemShared(alias.In, alias.Unit)) {
      EXPECT_FALSE(stated) << alias.Text;
    }
  }
}

struct LookupCase {
  const char* typed;
  Category in;
  const char* name;
};

// Each text alone stands for its unit.
template <std::size_t N>
void ExpectChosen(const LookupCase (&cases)[N]) {
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.typed);
    const Chosen chosen = Choose({c.typed});
    EXPECT_EQ(chosen.error, "");
    EXPECT_EQ(chosen.in, c.in);
    EXPECT_EQ(chosen.name, c.name);
  }
}

TEST(UnitLookup, ReadsWhatPeopleType) {
  using C = Category;
  const LookupCase cases[] = {
      // Singular, plural, spelling, any case for words.
      {"mile", C::Length, "miles"},
      {"Miles", C::Length, "miles"},
      {"inch", C::Length, "inches"},
      {"foot", C::Length, "feet"},
      {"metre", C::Length, "meters"},
      {"kilometres", C::Length, "kilometers"},
      {"furlong", C::Length, "furlongs (survey)"},
      {"light-years", C::Length, "light years"},
      {"nautical miles", C::Length, "miles (int'l/US nautical)"},
      {"nmi", C::Length, "miles (int'l/US nautical)"},
      {"um", C::Length, "micrometers"},
      {"\u03bcm", C::Length, "micrometers"},
      {"\u00b5m", C::Length, "micrometers"},
      {"litre", C::Capacity, "liters"},
      {"l", C::Capacity, "liters"},
      {"mL", C::Capacity, "milliliters"},
      {"cc", C::Capacity, "cu. centimeters"},
      {"tbsp", C::Capacity, "tablespoons (US)"},
      {"tsp", C::Capacity, "teaspoons (US)"},
      {"fl. oz", C::Capacity, "ounces (US fluid)"},
      {"floz", C::Capacity, "ounces (US fluid)"},
      {"imp gal", C::Capacity, "gallons (Brit.)"},
      {"uk pt", C::Capacity, "pints (Brit.)"},
      {"cups", C::Capacity, "cups (US)"},
      {"lbs", C::Weight, "pounds (avdp)"},
      {"kilo", C::Weight, "kilograms"},
      {"tonnes", C::Weight, "tons ('metric')"},
      {"stone", C::Weight, "stone (UK avdp)"},
      {"oz t", C::Weight, "ounces (troy, ap)"},
      {"troy ounces", C::Weight, "ounces (troy, ap)"},
      {"celsius", C::Temperature, "Celsius"},
      {"\u00b0F", C::Temperature, "Fahrenheit"},
      {"degC", C::Temperature, "Celsius"},
      {"kelvin", C::Temperature, "Kelvin"},
      {"mph", C::Speed, "miles per hour"},
      {"kph", C::Speed, "kilometers per hour"},
      {"km/h", C::Speed, "kilometers per hour"},
      {"kt", C::Speed, "knots"},
      {"knot", C::Speed, "knots"},
      {"kilometres per hour", C::Speed, "kilometers per hour"},
      {"gsm", C::Paper, "grams/sq. meter"},
      {"g/m2", C::Paper, "grams/sq. meter"},
      // Squares and cubes of lengths, however written.
      {"sq ft", C::Area, "sq. feet"},
      {"ft2", C::Area, "sq. feet"},
      {"ft\u00b2", C::Area, "sq. feet"},
      {"sqft", C::Area, "sq. feet"},
      {"m^2", C::Area, "sq. meters"},
      {"km2", C::Area, "sq. kilometers"},
      {"square feet", C::Area, "sq. feet"},
      {"square miles", C::Area, "sq. miles"},
      {"acres", C::Area, "acres (survey)"},
      {"ha", C::Area, "hectares ('metric')"},
      {"cubic inches", C::Capacity, "cu. inches"},
      {"in\u00b3", C::Capacity, "cu. inches"},
      {"m3", C::Capacity, "cu. meters"},
      // Paper grades with their pound mark or without.
      {"bond", C::Paper, "bond (17x22)"},
      {"lb bond", C::Paper, "bond (17x22)"},
      {"lbs bond", C::Paper, "bond (17x22)"},
      {"# bond", C::Paper, "bond (17x22)"},
      {"bond lb", C::Paper, "bond (17x22)"},
      {"wedding invitation", C::Paper, "wedding invitat. (21x33)"},
  };
  ExpectChosen(cases);
}

TEST(UnitLookup, TakesTheStatedDefaultOfAnAmbiguousName) {
  using C = Category;
  const LookupCase cases[] = {
      {"lb", C::Weight, "pounds (avdp)"},
      {"oz", C::Weight, "ounces (avdp)"},
      {"ton", C::Weight, "tons, short (US avdp)"},
      {"t", C::Weight, "tons ('metric')"},
      {"gal", C::Capacity, "gallons (US)"},
      {"qt", C::Capacity, "quarts (US)"},
      {"pt", C::Capacity, "pints (US)"},
      {"cup", C::Capacity, "cups (US)"},
      {"fl oz", C::Capacity, "ounces (US fluid)"},
      {"bbl", C::Capacity, "barrels (US petroleum)"},
      {"mi", C::Length, "miles"},
      {"sq mi", C::Area, "sq. miles"},
      {"cwt", C::Weight, "hwght,short (US avdp)"},
      {"dr", C::Weight, "drams (avdp)"},
  };
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.typed);
    // With a unit of the same kind beside it, so "lb" is no paper grade.
    const Chosen chosen = Choose({c.typed, c.in == C::Weight   ? "kg"
                                           : c.in == C::Area   ? "m2"
                                           : c.in == C::Length ? "m"
                                                               : "L"});
    EXPECT_EQ(chosen.error, "");
    EXPECT_EQ(chosen.in, c.in);
    EXPECT_EQ(chosen.name, c.name);
  }
  // In Paper, "lb" is the page's own default grade.
  EXPECT_EQ(Choose({"lb", "gsm"}).name, "bond (17x22)");
  EXPECT_EQ(Choose({"lb", "gsm"}).in, C::Paper);
}

// Case changes the meaning of abbreviations; all capitals or all small
// letters find one when nothing matches as written.
TEST(UnitLookup, ReadsAbbreviationsByTheirCase) {
  using C = Category;
  const LookupCase found[] = {
      {"mm", C::Length, "millimeters"},
      {"MM", C::Length, "millimeters"},
      {"KM", C::Length, "kilometers"},
      {"FT", C::Length, "feet"},
      {"ML", C::Capacity, "milliliters"},
      {"C", C::Temperature, "Celsius"},
      {"c", C::Capacity, "cups (US)"},
      {"K", C::Temperature, "Kelvin"},
      {"k", C::Temperature, "Kelvin"},
      {"MPH", C::Speed, "miles per hour"},
      {"A", C::Length, "angstroms"},
      {"a", C::Area, "ares ('metric')"},
      // A capital first letter, as at the start of a sentence.
      {"Km", C::Length, "kilometers"},
      {"Ft", C::Length, "feet"},
      {"Gal", C::Capacity, "gallons (US)"},
      {"Fl Oz", C::Capacity, "ounces (US fluid)"},
  };
  ExpectChosen(found);
  // Where case carries meaning (mega- against milli-), or the case is mixed
  // otherwise.
  for (const char* mixed : {"Mm", "Mg", "Gm", "mM", "fT", "KM2x"}) {
    EXPECT_TRUE(FindUnit(mixed).empty()) << mixed;
    EXPECT_NE(Choose({mixed}).error.find("unknown unit"), std::string::npos) << mixed;
  }
}

// A symbol the aliases give to another category means the other unit only
// when the category is named.
TEST(UnitLookup, TakesRareMeaningsOnlyInANamedCategory) {
  using C = Category;
  const LookupCase cases[] = {
      {"mg", C::Capacity, "magnum (wine)"},
      {"ml", C::Length, "mils"},
      {"K", C::Weight, "kips (avdp)"},
      {"c", C::Weight, "carats"},
      {"st", C::Capacity, "steres ('metric' wood)"},
      {"mg", C::Weight, "milligrams"},
  };
  for (const LookupCase& c : cases) {
    SCOPED_TRACE(c.typed);
    EXPECT_EQ(Choose({c.typed}, c.in).name, c.name);
  }
}

struct RefusalCase {
  std::vector<std::string> typed;
  std::vector<const char*> parts;  // each must be in the message
};

TEST(UnitLookup, RefusesUnitsOfDifferentKindsNamingBoth) {
  const RefusalCase cases[] = {
      {{"mg", "ml"},
       {"'mg' is a weight (\"milligrams\")", "'ml' is a capacity (\"milliliters\")",
        "for a capacity write 'magnum' instead of 'mg'"}},
      {{"ml", "mm"}, {"'ml' is a capacity", "'mm' is a length", "write 'mil' instead of 'ml'"}},
      {{"kg", "c"}, {"'kg' is a weight (\"kilograms\")", "'c' is a capacity (\"cups (US)\")"}},
      {{"kips", "K"}, {"'kips' is a weight", "for a weight write 'kip' instead of 'K'"}},
      {{"L", "t"}, {"'t' is a weight", "write 'register ton' or 'freight ton' instead of 't'"}},
      {{"ft", "kg"}, {"'ft' is a length (\"feet\") and 'kg' is a weight (\"kilograms\")"}},
      {{"ts", "kg"}, {"'ts' is an area (\"townships (survey)\") or a capacity"}},
      {{"m", "ft", "kg"}, {"'m' is a length", "'kg' is a weight"}},
      {{"ts", "ts"}, {"more than one category (Area, Capacity)", "--category"}},
  };
  for (const RefusalCase& c : cases) {
    const std::string error = Choose(c.typed).error;
    for (const char* part : c.parts) EXPECT_NE(error.find(part), std::string::npos) << error;
  }
  EXPECT_NE(
      Choose({"ft"}, Category::Weight).error.find("'ft' is not a unit of Weight (it is a length"),
      std::string::npos);
}

// The ways people write a unit beyond its name, symbol and aliases, by
// rule: plurals of symbols, plain names without the table's qualifier, a
// country or grade word in front, degree words, a length per a time.
TEST(UnitLookup, ReadsUnitsByRule) {
  using C = Category;
  const LookupCase cases[] = {
      {"yds", C::Length, "yards"},
      {"Yds", C::Length, "yards"},
      {"tbsps", C::Capacity, "tablespoons (US)"},
      {"sq yds", C::Area, "sq. yards"},
      {"Sq Ft", C::Area, "sq. feet"},
      {"squares", C::Area, "squares (building)"},
      {"square", C::Area, "squares (building)"},
      {"bushels", C::Capacity, "bushel (US dry)"},
      {"US gallon", C::Capacity, "gallons (US)"},
      {"UK gallons", C::Capacity, "gallons (Brit.)"},
      {"imp. pint", C::Capacity, "pints (Brit.)"},
      {"British fluid ounce", C::Capacity, "ounces (Brit. fluid)"},
      {"US dry quart", C::Capacity, "quarts (US dry)"},
      {"U.S. ton", C::Weight, "tons, short (US avdp)"},
      {"imperial ton", C::Weight, "tons, long (UK avdp)"},
      {"US quarts", C::Capacity, "quarts (US)"},
      {"troy pounds", C::Weight, "pounds (troy, ap)"},
      {"degrees F", C::Temperature, "Fahrenheit"},
      {"degree c", C::Temperature, "Celsius"},
      {"deg. Kelvin", C::Temperature, "Kelvin"},
      {"km per hour", C::Speed, "kilometers per hour"},
      {"Miles Per Hr", C::Speed, "miles per hour"},
      {"ft / min", C::Speed, "feet per minute"},
      {"in/secs", C::Speed, "inches per second"},
      // The same rules in the command line's own categories.
      {"hrs", C::Time, "hours"},
      {"wks", C::Time, "weeks"},
      {"erg per s", C::Power, "ergs per second"},
      {"ft lbf/s", C::Power, "foot-pounds force per second"},
      {"Gregorian year", C::Time, "years (Gregorian)"},
      {"common years", C::Time, "years (common)"},
      {"IT calorie", C::Energy, "calories (IT)"},
      {"it kcal", C::Energy, "kilocalories (IT)"},
      {"EC therms", C::Energy, "therms (EC)"},
      {"thermochemical BTU", C::Energy, "British thermal units (thermochemical)"},
      {"electric horsepower", C::Power, "horsepower (electric)"},
      {"metric hp", C::Power, "horsepower (metric)"},
      {"technical atmosphere", C::Pressure, "atmospheres (technical)"},
      {"UK mpg", C::FuelEconomy, "miles per gallon (imperial)"},
      {"imperial miles per gallon", C::FuelEconomy, "miles per gallon (imperial)"},
  };
  ExpectChosen(cases);
  // What the rules must not read: a one-letter symbol's plural, a grade no
  // unit of the name has, a country word alone, a degree word before what
  // is no scale, a time that is no speed's, a unit of a kind not converted.
  for (const char* unread :
       {"gs", "US mile", "UK metre", "US", "degrees m", "km per day", "cm per s", "Nms",
        "IT hour", "metric mpg"}) {
    EXPECT_TRUE(FindUnit(unread).empty()) << unread;
  }
}

// Small letters that stand for a capital where nothing else fits; the
// stated meaning where it fits.
TEST(UnitLookup, TakesTheOtherCaseOnlyWhereNothingElseFits) {
  const std::pair<std::vector<std::string>, std::vector<const char*>> cases[] = {
      {{"f", "c"}, {"Fahrenheit", "Celsius"}},
      {{"c", "k"}, {"Celsius", "Kelvin"}},
      {{"c", "ml"}, {"cups (US)", "milliliters"}},
      {{"c", "fl oz"}, {"cups (US)", "ounces (US fluid)"}},
  };
  for (const auto& [typed, names] : cases) {
    UnitChoice choice;
    ASSERT_EQ(ChooseUnits(typed, std::nullopt, choice), "") << typed.front();
    for (std::size_t i = 0; i < names.size(); ++i)
      EXPECT_EQ(RowAt(TableFor(choice.In), choice.Rows[i]).Name, names[i]);
  }
}

// Units of kinds that are not converted are named by their kind, with what
// is converted, not offered units of other kinds.
TEST(UnitLookup, NamesTheKindOfAUnitItDoesNotConvert) {
  const std::pair<std::vector<std::string>, const char*> cases[] = {
      {{"Hz"}, "'Hz' is a unit of frequency"},
      {{"kHz", "rpm"}, "'kHz' and 'rpm' are units of frequency"},
      {{"megahertz"}, "frequency"},
      {{"Nm", "lb-ft"}, "units of torque"},
      {{"N m"}, "'N m' is a unit of torque"},
      {{"Mbps", "MB/s"}, "units of data rate"},
      {{"m", "Hz"}, "'Hz' is a unit of frequency"},
  };
  for (const auto& [typed, part] : cases) {
    UnitChoice choice;
    const std::string error = ChooseUnits(typed, std::nullopt, choice);
    EXPECT_NE(error.find(part), std::string::npos) << error;
    // What is converted: every category of the descriptor that has units.
    for (Category category : Measured()) {
      std::string name(CategoryName(category));
      for (char& c : name) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
      EXPECT_NE(error.find(name), std::string::npos) << error;
    }
    EXPECT_EQ(error.find("did you mean"), std::string::npos) << error;
  }
  // A symbol whose case carries meaning is not another case's unit of
  // such a kind: "nm" is no newton metre.
  EXPECT_EQ(UnknownUnit("nm").find("torque"), std::string::npos);
  // The kinds that are converted have left this list: their units read.
  for (const char* converted : {"hours", "kWh", "hp", "psi", "GB", "rad", "N", "mpg"})
    EXPECT_FALSE(FindUnit(converted).empty()) << converted;
}

TEST(UnitLookup, SuggestsUpToThreeCloseNames) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"Mm", {"mm"}},         {"meterz", {"meters"}}, {"kilomter", {"kilometers"}},
      {"fathmo", {"fathom"}}, {"jiffy", {}},         {"qqqqqqqqqq", {}},
  };
  for (const auto& [typed, expected] : cases) {
    const std::vector<std::string> similar = SimilarUnits(typed);
    EXPECT_LE(similar.size(), 3u) << typed;
    for (const std::string& name : expected)
      EXPECT_NE(std::find(similar.begin(), similar.end(), name), similar.end())
          << typed << " -> " << name;
    if (expected.empty()) {
      EXPECT_TRUE(similar.empty()) << typed;
    }
  }
  EXPECT_EQ(UnknownUnit("meterz").rfind("unknown unit 'meterz'; did you mean 'meters'", 0), 0u);
  EXPECT_EQ(UnknownUnit("jiffy"), "unknown unit 'jiffy' (--list shows the units)");
  EXPECT_TRUE(SimilarUnits(std::string(10000, 'm')).empty());
  // As close as a rare unit, the common ones come first (the year's "yr" is
  // one of a table without a common group).
  EXPECT_EQ(SimilarUnits("yrd"), (std::vector<std::string>{"yd", "yr", "rd"}));
}

TEST(UnitLookup, QuotesAtMostSixtyCharacters) {
  EXPECT_EQ(Quoted("ft"), "'ft'");
  EXPECT_EQ(Quoted(std::string(60, 'x')), "'" + std::string(60, 'x') + "'");
  EXPECT_EQ(Quoted(std::string(1 << 20, 'x')), "'" + std::string(60, 'x') + "...'");
  // Not in the middle of a character: 59 bytes and a two-byte "µ".
  EXPECT_EQ(Quoted(std::string(59, 'x') + "\u00b5m"), "'" + std::string(59, 'x') + "...'");
  // Control characters are shown, not sent to the terminal.
  EXPECT_EQ(Quoted("m\x1b[31m"), "'m\\x1B[31m'");
  EXPECT_EQ(Quoted(std::string("a\0b\x7f", 4)), "'a\\x00b\\x7F'");
}

TEST(UnitLookup, ListsRealUnitsOnceEach) {
  // Length: 53 rows less the placeholder, two headings, two blank rows and
  // the eight common units repeated in the full list.
  EXPECT_EQ(UnitsOf(Category::Length).size(), 40u);
  EXPECT_EQ(UnitsOf(Category::Temperature).size(), 3u);
  EXPECT_TRUE(UnitsOf(Category::Prefixes).empty());
}

TEST(UnitLookup, FindsNothingForNoUnit) {
  for (const char* typed : {"", " ", "-", "=== Common Units ===", "."})
    EXPECT_TRUE(FindUnit(typed).empty()) << typed;
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
      {"9", Category::Time},
      {"fuel economy", Category::FuelEconomy},
      {"Fuel", Category::FuelEconomy},
      {"fuel-economy", Category::FuelEconomy},
      {"FUEL_ECONOMY", Category::FuelEconomy},
      {"fuel-", std::nullopt},
      {"fuel economy-", std::nullopt},
      {"16", Category::FuelEconomy},
      {"17", std::nullopt},
      {"", std::nullopt},
      {"len", std::nullopt},
  };
  for (const auto& [text, expected] : cases) EXPECT_EQ(CategoryFromText(text), expected) << text;
}


// The units of the command line's own categories by their names, symbols
// and the words people use, each alone.
TEST(UnitLookup, ReadsTheUnitsOfTheCommandLineCategories) {
  using C = Category;
  const LookupCase cases[] = {
      {"h", C::Time, "hours"},
      {"hr", C::Time, "hours"},
      {"hour", C::Time, "hours"},
      {"days", C::Time, "days"},
      {"fortnight", C::Time, "fortnights"},
      {"msec", C::Time, "milliseconds"},
      {"\u03bcs", C::Time, "microseconds"},
      {"kWh", C::Energy, "kilowatt-hours"},
      {"kwh", C::Energy, "kilowatt-hours"},
      {"kilowatt hours", C::Energy, "kilowatt-hours"},
      {"Btu", C::Energy, "British thermal units (IT)"},
      {"joule", C::Energy, "joules"},
      {"electron volts", C::Energy, "electronvolts"},
      {"ft lbf", C::Energy, "foot-pounds force"},
      {"ft-lbf", C::Energy, "foot-pounds force"},
      {"ft\u00b7lbf", C::Energy, "foot-pounds force"},
      {"foot-pounds", C::Energy, "foot-pounds force"},
      {"food calories", C::Energy, "Calories (food)"},
      {"W", C::Power, "watts"},
      {"kilowatts", C::Power, "kilowatts"},
      {"HP", C::Power, "horsepower (mechanical)"},
      {"PS", C::Power, "horsepower (metric)"},
      {"BTU/hr", C::Power, "BTU per hour"},
      {"Btu/h", C::Power, "BTU per hour"},
      {"psi", C::Pressure, "pounds per sq. inch"},
      {"PSI", C::Pressure, "pounds per sq. inch"},
      {"pounds per square inch", C::Pressure, "pounds per sq. inch"},
      {"bar", C::Pressure, "bars"},
      {"torr", C::Pressure, "torr"},
      {"mm Hg", C::Pressure, "millimeters of mercury"},
      {"inches of mercury", C::Pressure, "inches of mercury"},
      {"kg/cm\u00b2", C::Pressure, "atmospheres (technical)"},
      {"hectopascals", C::Pressure, "hectopascals"},
      {"N", C::Force, "newtons"},
      {"lbf", C::Force, "pounds force"},
      {"pound-force", C::Force, "pounds force"},
      {"kp", C::Force, "kilograms force"},
      {"dyne", C::Force, "dynes"},
      {"deg", C::Angle, "degrees"},
      {"degree", C::Angle, "degrees"},
      {"\u00b0", C::Angle, "degrees"},
      {"\u00ba", C::Angle, "degrees"},
      {"\u2032", C::Angle, "arcminutes"},
      {"arcsec", C::Angle, "arcseconds"},
      {"radians", C::Angle, "radians"},
      {"grad", C::Angle, "gradians"},
      {"rev", C::Angle, "turns"},
      {"bytes", C::Data, "bytes"},
      {"bit", C::Data, "bits"},
      {"GiB", C::Data, "gibibytes"},
      {"gib", C::Data, "gibibytes"},
      {"megabytes", C::Data, "megabytes"},
      {"MPG", C::FuelEconomy, "miles per gallon (US)"},
      {"km/l", C::FuelEconomy, "kilometers per liter"},
      {"kilometres per litre", C::FuelEconomy, "kilometers per liter"},
      {"L/100km", C::FuelEconomy, "liters per 100 kilometers"},
      {"l/100 km", C::FuelEconomy, "liters per 100 kilometers"},
      {"litres per 100 km", C::FuelEconomy, "liters per 100 kilometers"},
  };
  ExpectChosen(cases);
}

// The defaults the manual states, where a name stands for several units.
TEST(UnitLookup, TakesTheStatedDefaultsOfTheCommandLineCategories) {
  using C = Category;
  const LookupCase cases[] = {
      {"year", C::Time, "years (Julian)"},
      {"yr", C::Time, "years (Julian)"},
      {"months", C::Time, "months"},
      {"cal", C::Energy, "calories (thermochemical)"},
      {"calories", C::Energy, "calories (thermochemical)"},
      {"kcal", C::Energy, "kilocalories (thermochemical)"},
      {"kilocalorie", C::Energy, "kilocalories (thermochemical)"},
      {"BTU", C::Energy, "British thermal units (IT)"},
      {"British thermal units", C::Energy, "British thermal units (IT)"},
      {"therm", C::Energy, "therms (US)"},
      {"hp", C::Power, "horsepower (mechanical)"},
      {"horsepower", C::Power, "horsepower (mechanical)"},
      {"atmosphere", C::Pressure, "atmospheres (standard)"},
      {"KB", C::Data, "kilobytes"},
      {"kB", C::Data, "kilobytes"},
      {"mpg", C::FuelEconomy, "miles per gallon (US)"},
      {"miles per gallon", C::FuelEconomy, "miles per gallon (US)"},
  };
  ExpectChosen(cases);
}

// A symbol two kinds share means the unit of the kind beside it: seconds and
// minutes beside a time, and today's scruples, sections, minims and bolts
// beside their own kinds.
TEST(UnitLookup, ReadsASharedSymbolAsTheUnitOfTheKindBesideIt) {
  const std::pair<std::vector<std::string>, std::vector<const char*>> cases[] = {
      {{"min", "h"}, {"minutes", "hours"}},
      {{"min", "s"}, {"minutes", "seconds"}},
      {{"mins", "sec"}, {"minutes", "seconds"}},
      {{"min", "ml"}, {"minims (US)", "milliliters"}},
      {{"s", "g"}, {"scruples (ap)", "grams"}},
      {{"sec", "acres"}, {"sections (survey)", "acres (survey)"}},
      {{"b", "B"}, {"bits", "bytes"}},
      {{"b", "m"}, {"bolts (cloth)", "meters"}},
      {{"mb", "hPa"}, {"millibars", "hectopascals"}},
      {{"Ps", "W"}, {"horsepower (metric)", "watts"}},
      {{"Ps", "ns"}, {"picoseconds", "nanoseconds"}},
  };
  for (const auto& [typed, names] : cases) {
    UnitChoice choice;
    ASSERT_EQ(ChooseUnits(typed, std::nullopt, choice), "") << typed.front();
    for (std::size_t i = 0; i < names.size(); ++i)
      EXPECT_EQ(RowAt(TableFor(choice.In), choice.Rows[i]).Name, names[i]) << typed.front();
  }
  // Where both kinds fit, neither is guessed.
  EXPECT_NE(Choose({"min", "min"}).error.find("choose one with --category"), std::string::npos);
}

// Case carries meaning in these symbols: prefixes of a thousand against a
// thousandth or a million, bits against bytes, the food calorie; where the
// case is lost and both readings exist, the text is refused.
TEST(UnitLookup, ReadsBitsBytesAndPrefixesByTheirCase) {
  using C = Category;
  const LookupCase found[] = {
      {"Mb", C::Data, "megabits"},     {"MB", C::Data, "megabytes"},
      {"kb", C::Data, "kilobits"},     {"Gb", C::Data, "gigabits"},
      {"GB", C::Data, "gigabytes"},    {"mb", C::Pressure, "millibars"},
      {"mW", C::Power, "milliwatts"},  {"MW", C::Power, "megawatts"},
      {"mJ", C::Energy, "millijoules"}, {"MJ", C::Energy, "megajoules"},
      {"Cal", C::Energy, "Calories (food)"},
      {"Calorie", C::Energy, "Calories (food)"},
      {"Calories", C::Energy, "Calories (food)"},
      {"calorie", C::Energy, "calories (thermochemical)"},
      {"ps", C::Time, "picoseconds"},
  };
  ExpectChosen(found);
  for (const char* lost : {"gb", "pb", "mw", "mj", "mn", "CAL", "CALORIE"}) {
    const std::string error = Choose({lost}).error;
    EXPECT_NE(error.find("ambiguous"), std::string::npos) << lost << ": " << error;
  }
  // Neither bits nor bytes for a capital K before a small b.
  EXPECT_NE(Choose({"Kb"}).error.find("unknown unit 'Kb'"), std::string::npos);
}

}  // namespace
}  // namespace units
