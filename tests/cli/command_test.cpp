#include <gtest/gtest.h>

#include <sstream>

#include "tests/cli/run_helpers.h"
#include "units/catalogue.h"

namespace {

using cli_test::Case;
using cli_test::Check;
using cli_test::RunArgs;
using cli_test::Words;

TEST(Command, ConvertsWhatTheExamplesSay) {
  const Case cases[] = {
      {Words("1 yd 2 ft 3 in to m"), "1.6 m\n", 0, ""},
      {Words("100 in to ft in"), "8 ft  4 in\n", 0, ""},
      {Words("100 in to in ft"), "8 ft  4 in\n", 0, ""},
      {Words("-- -40 F to C"), "-40 C\n", 0, ""},
      {Words("-40 F to C"), "-40 C\n", 0, ""},
      {Words("1 mi to yd ft in"), "1760 yd  0 ft  0 in\n", 0, ""},
      {Words("20 bond (17x22) to g/m²"), "75.195 g/m²\n", 0, ""},
      {{"20", "bond (17x22)", "to", "g/m²"}, "75.195 g/m²\n", 0, ""},
      {Words("1 km to m --exp"), "1.000 E3 m\n", 0, ""},
      {Words("1 ly to m"), "9460730472580800 m\n", 0, ""},
      {Words("1234567 m to mm"), "1234567000 mm\n", 0, ""},
      {Words("5.5 ft to ft ft"), "5 ft  0.5 ft\n", 0, ""},
      {Words("1 mm to µm"), "1000 µm\n", 0, ""},
      {Words("3/4 in to in"), "0.75 in\n", 0, ""},
      {Words("1,5 m to m"), "1.5 m\n", 0, ""},
      {Words("100 C to F"), "212 F\n", 0, ""},
      {Words("98.6 Fahrenheit to celsius"), "37 C\n", 0, ""},
      {Words("0 C to K"), "273.15 K\n", 0, ""},
      {Words("0 K to F"), "-459.67 F\n", 0, ""},
      {Words("1 F to C"), "-17.222 C\n", 0, ""},
      // Names in any case, symbols by their case first and then any case.
      {Words("1 FEET to Inches"), "12 in\n", 0, ""},
      {Words("1 FT to IN"), "12 in\n", 0, ""},
      {Words("1 K to C"), "-272.15 C\n", 0, ""},
      {Words("1 sq ft to sq in"), "144 sq in\n", 0, ""},
      {{"1", "sq ft", "to", "sq in"}, "144 sq in\n", 0, ""},
      {Words("1 ounces (US fluid) to ml"), "29.574 ml\n", 0, ""},
      {Words("1 cu ft to L"), "28.317 L\n", 0, ""},
      {Words("60 mi/h to km/h"), "96.561 km/h\n", 0, ""},
      {Words("1 grams to mg"), "1000 mg\n", 0, ""},
      // The table writes "drams  (ap)" with two blanks.
      {Words("381 drams (ap) to g"), "1481.303 g\n", 0, ""},
      {Words("--category capacity 1 ts to ml"), "4.929 ml\n", 0, ""},
      {Words("--category area 1 ts to sec"), "36 sec\n", 0, ""},
      {Words("--category Weight 1 mg to g"), "0.001 g\n", 0, ""},
  };
  for (const Case& c : cases) Check(c);
}

// What people type: names, plurals, spellings, abbreviations, the stated
// defaults, units written onto numbers, mixed numbers, feet and inches.
TEST(Command, ConvertsWhatPeopleType) {
  const Case cases[] = {
      {Words("1 mile to km"), "1.609 km\n", 0, ""},
      {Words("2 inch to cm"), "5.08 cm\n", 0, ""},
      {Words("6 foot to m"), "1.829 m\n", 0, ""},
      {Words("1 meter to ft"), "3.281 ft\n", 0, ""},
      {Words("1 metre to feet"), "3.281 ft\n", 0, ""},
      {Words("70 kilogram to lb"), "154.324 lb\n", 0, ""},
      {Words("10 stone to kg"), "63.503 kg\n", 0, ""},
      {Words("1 acre to m2"), "4046.873 sq m\n", 0, ""},
      {Words("30 knots to km/h"), "55.56 km/h\n", 0, ""},
      {Words("2 cups to ml"), "473.176 ml\n", 0, ""},
      {Words("80 gsm to lb"), "21.278 lb bond\n", 0, ""},
      {Words("20 lb bond to gsm"), "75.195 g/m²\n", 0, ""},
      {Words("1 lb to kg"), "0.454 kg\n", 0, ""},
      {Words("1 oz to g"), "28.35 g\n", 0, ""},
      {Words("1 oz t to g"), "31.103 g\n", 0, ""},
      {Words("1 gal to L"), "3.785 L\n", 0, ""},
      {Words("1 imp gal to L"), "4.546 L\n", 0, ""},
      {Words("1 fl oz to ml"), "29.574 ml\n", 0, ""},
      {Words("1 pt to ml"), "473.176 ml\n", 0, ""},
      {Words("1 sq mi to km2"), "2.59 sq km\n", 0, ""},
      {Words("1 ton to t"), "0.907 t\n", 0, ""},
      {Words("1 bbl to L"), "158.987 L\n", 0, ""},
      {Words("60 mph to kph"), "96.561 km/h\n", 0, ""},
      {Words("98.6 °F to °C"), "37 C\n", 0, ""},
      {Words("1 KM to MI"), "0.621 mi\n", 0, ""},
      {Words("100km to mi"), "62.137 mi\n", 0, ""},
      {Words("-40C to F"), "-40 F\n", 0, ""},
      {Words("1 1/2 in to mm"), "38.1 mm\n", 0, ""},
      {Words("5 ft 1 1/2 in to in"), "61.5 in\n", 0, ""},
      {Words("-- -1 1/2 C to F"), "29.3 F\n", 0, ""},
      {{"5'11\"", "to", "cm"}, "180.34 cm\n", 0, ""},
      {{"5'11''", "to", "cm"}, "180.34 cm\n", 0, ""},
      {{"5'", "11\"", "to", "cm"}, "180.34 cm\n", 0, ""},
      {{"6'", "to", "m"}, "1.829 m\n", 0, ""},
      {{"5\u203211\u2033", "to", "in"}, "71 in\n", 0, ""},
      {Words("20# bond to gsm"), "75.195 g/m²\n", 0, ""},
      {Words("1 kg to lb oz"), "2 lb  3.274 oz\n", 0, ""},
      // What a result writes reads back in.
      {Words("2 lb 3.274 oz to kg"), "1 kg\n", 0, ""},
      {Words("1 m to mil"), "39370.079 mil\n", 0, ""},
      {Words("39370.079 mil to m"), "1 m\n", 0, ""},
      {Words("1 L to magnum"), "0.528 magnum\n", 0, ""},
      {Words("1 kg to oz t"), "32.151 oz t\n", 0, ""},
      {Words("--category capacity 1 mg to ml"), "1892.706 ml\n", 0, ""},
  };
  for (const Case& c : cases) Check(c);
}

// The forms of issue classes beyond the tables' words: capitals, plurals,
// country words, degree words, "per", "and", small-letter temperatures,
// vulgar fractions and typographic marks.
TEST(Command, ReadsUnitsAndValuesAsPeopleWriteThem) {
  const Case cases[] = {
      {Words("1 Km to Mi"), "0.621 mi\n", 0, ""},
      {Words("2 Ft to M"), "0.61 m\n", 0, ""},
      {Words("4 yds to m"), "3.658 m\n", 0, ""},
      {Words("20 sq yds to sq m"), "16.723 sq m\n", 0, ""},
      {Words("1 UK gallon to l"), "4.546 L\n", 0, ""},
      {Words("1 US gallon to UK gallons"), "0.833 imp gal\n", 0, ""},
      {Words("1 bushel to l"), "35.239 L\n", 0, ""},
      {Words("32 degrees F to C"), "0 C\n", 0, ""},
      {Words("100 f to c"), "37.778 C\n", 0, ""},
      {Words("2 c to ml"), "473.176 ml\n", 0, ""},
      {Words("1 km per hour to mph"), "0.621 mi/h\n", 0, ""},
      {Words("100 km / h to mi/h"), "62.137 mi/h\n", 0, ""},
      {Words("180 cm to feet and inches"), "5 ft  10.866 in\n", 0, ""},
      {Words("5 ft and 2 in to cm"), "157.48 cm\n", 0, ""},
      {Words("\u00bd cup to ml"), "118.294 ml\n", 0, ""},
      {Words("1\u00bd in to mm"), "38.1 mm\n", 0, ""},
      {Words("1 \u00bd in to mm"), "38.1 mm\n", 0, ""},
      {Words("\u00bdin to mm"), "12.7 mm\n", 0, ""},
      {Words("3\u20444 in to mm"), "19.05 mm\n", 0, ""},
      {{"6\u20192\u201d", "to", "cm"}, "187.96 cm\n", 0, ""},
      {{"6\u2019", "2\u201d", "to", "cm"}, "187.96 cm\n", 0, ""},
      {{"11\u201d", "to", "cm"}, "27.94 cm\n", 0, ""},
      // Minutes and seconds beside a time, no minims and scruples.
      {Words("5 min to s"), "300 s\n", 0, ""},
      {Words("90 min to h"), "1.5 h\n", 0, ""},
      // Refused, with what it is and what is converted.
      {Words("60 Hz to rpm"), "", 2, "'rpm' is a unit of frequency"},
      {Words("10 Nm to lb-ft"), "", 2, "which zurmet-convert does not convert; it converts "},
      {Words("9 Mm to in"), "", 2, "unknown unit 'Mm'"},
      {Words("1 US mile to km"), "", 2, "unknown unit 'US mile'"},
      {{"1'000", "m", "to", "km"}, "", 2, "value '1'000'"},
  };
  for (const Case& c : cases) Check(c);
}

// A comma that may group thousands or mark the decimals reads only where
// the decimal symbol is named; a number with one reading reads as it.
TEST(Command, NeverGuessesWhatACommaMeans) {
  const Case cases[] = {
      {Words("1,000 m to km"), "", 2,
       "value '1,000' is 1000 where ',' groups thousands and 1 where it is the decimal symbol: "
       "write 1000 or 1 (or say which with --decimal-symbol . or --decimal-symbol ,)"},
      {Words("2,500 lb to oz"), "", 2, "write 2500 or 2.5"},
      {Words("-- -1,250 C to F"), "", 2, "value '1,250' is 1250"},
      {Words("1,000/3 m to m"), "", 2, "value '1,000' is 1000"},
      {Words("--decimal-symbol , 1,000 m to mm"), "1000 mm\n", 0, ""},
      {Words("--decimal-symbol . 1,000 m to km"), "1 km\n", 0, ""},
      {Words("--thousand-separator , 1,000 m to km"), "1 km\n", 0, ""},
      {Words("--locale 1,000 m to mm"), "1,000,000 mm\n", 0, ""},
      {Words("1,5 m to cm"), "150 cm\n", 0, ""},
      {Words("0,750 kg to g"), "750 g\n", 0, ""},
      {Words("1,2345 km to m"), "1234.5 m\n", 0, ""},
      {Words("12345,678 m to km"), "12.346 km\n", 0, ""},
      {Words("1,000,000 m to km"), "1000 km\n", 0, ""},
      {Words("1.000.000 m to km"), "1000 km\n", 0, ""},
      {Words("1,000.5 m to m"), "1000.5 m\n", 0, ""},
      {Words("1.000,5 m to m"), "1000.5 m\n", 0, ""},
      {Words("--decimal-symbol , 1,000,000 m to km"), "", 2, "groups thousands with ','"},
      {Words("1,00,000 m to km"), "", 2, "more than one decimal point"},
      {Words("1,000.5.5 m to m"), "", 2, "value '1,000.5.5'"},
      {Words("1e3 m to km"), "", 2, "'e' is not allowed"},
      // A point is the decimal point, unless "," is named the decimal
      // symbol: then it groups thousands.
      {Words("1.000 km to m"), "1000 m\n", 0, ""},
      {Words("--decimal-symbol , 1.000 km to m"), "1000000 m\n", 0, ""},
      {Words("--decimal-symbol , 1.5 km to m"), "1500 m\n", 0, ""},
  };
  for (const Case& c : cases) Check(c);
}

// Feet and inches as people write them, marks or none, together or apart;
// what cannot be feet and inches is refused, never read another way.
TEST(Command, ReadsLooseFeetAndInches) {
  const Case cases[] = {
      {{"5'11", "to", "cm"}, "180.34 cm\n", 0, ""},
      {{"5'", "11", "to", "cm"}, "180.34 cm\n", 0, ""},
      {{"5'", "11", "in", "to", "cm"}, "180.34 cm\n", 0, ""},
      {{"5'", "11.5", "to", "cm"}, "181.61 cm\n", 0, ""},
      {{"5'11.5\"", "to", "cm"}, "181.61 cm\n", 0, ""},
      {{"5.5'", "to", "cm"}, "167.64 cm\n", 0, ""},
      {{"0'11\"", "to", "cm"}, "27.94 cm\n", 0, ""},
      {{"5''", "to", "cm"}, "12.7 cm\n", 0, ""},
      {{"5'0", "to", "cm"}, "152.4 cm\n", 0, ""},
      {{"5'99", "to", "cm"}, "403.86 cm\n", 0, ""},
      {{"5\u2019", "11", "to", "cm"}, "180.34 cm\n", 0, ""},
      {{"5'11\"", "2", "in", "to", "cm"}, "185.42 cm\n", 0, ""},
      {{"5'", "11", "to", "ft", "in"}, "5 ft  11 in\n", 0, ""},
      {{"5'", "100", "to", "cm"}, "", 2, "value '100' has no unit"},
      {{"5'", "1/2", "to", "cm"}, "", 2, "value '1/2' has no unit"},
      {{"5", "'", "11", "to", "cm"}, "", 2, "has no unit"},
      {{"5'11x", "to", "cm"}, "", 2, "value '5'11x' has no unit"},
      {{"5'1'", "to", "cm"}, "", 2, "value '5'1'' has no unit"},
      {{"'11", "to", "cm"}, "", 2, "expected a value before ''11'"},
      {{"5'011", "to", "cm"}, "", 2, "value '5'011' has no unit"},
  };
  for (const Case& c : cases) Check(c);
}

// When rounding makes a whole larger unit, the larger unit takes it.
TEST(Command, CarriesWholeUnits) {
  const Case cases[] = {
      {Words("71.9999 in to ft in"), "6 ft  0 in\n", 0, ""},
      {Words("35.99 in to ft in --places 0"), "3 ft  0 in\n", 0, ""},
      {Words("1759.9999 yd to mi yd --places 2"), "1 mi  0 yd\n", 0, ""},
      {Words("5 in to ft in"), "0 ft  5 in\n", 0, ""},
      {Words("71.9999 in to ft in --no-round"), "5 ft  11.999 in\n", 0, ""},
  };
  for (const Case& c : cases) Check(c);
}

// A refusal says what was wrong and how to write it instead, and prints
// nothing on standard output.
TEST(Command, RefusesWithAReasonAndAWayToWriteIt) {
  const Case cases[] = {
      {Words("1 mg to ml"), "", 2, "'mg' is a weight (\"milligrams\") and 'ml' is a capacity"},
      {Words("1 ml to mm"), "", 2, "for a length write 'mil' instead of 'ml'"},
      {Words("1 kg to c"), "", 2, "'kg' is a weight"},
      {Words("1 Mm to m"), "", 2, "unknown unit 'Mm'; did you mean 'mm'"},
      {Words("1 meterz to ft"), "", 2, "did you mean 'meters'"},
      {Words("1 jiffy to m"), "", 2, "unknown unit 'jiffy' (--list shows the units)"},
      {Words("-- -300 C to K"), "", 2, "temperature '-300' C is below absolute zero (-273.15 C)"},
      {Words("-- -459.68 F to C"), "", 2, "below absolute zero (-459.67 F)"},
      {Words("-- -1/1000 K to C"), "", 2, "below absolute zero (0 K)"},
      {Words("1.5 1/2 in to mm"), "", 2, "value '1.5' has no unit (write a unit after each value"},
      {Words("1 C 2 C to F"), "", 2, "one value at a time (write one number: 1.5 or 3/2)"},
      {Words("1 m"), "", 2, "missing 'to' and the target units (write: 1 mi to km"},
      {Words("m to ft"), "", 2, "write each value before its unit"},
      {{std::string(1000, 'x'), "to", "m"}, "", 2, std::string(60, 'x') + "...'"},
      {{"1", std::string(1000, 'x'), "to", "m"},
       "",
       2,
       "unknown unit '" + std::string(60, 'x') + "...'"},
      {{"1" + std::string(1000, 'x'), "m", "to", "m"},
       "",
       2,
       "value '1" + std::string(59, 'x') + "...'"},
  };
  for (const Case& c : cases) Check(c);
  // Quoted text never runs past sixty characters of what was typed.
  const auto flood = RunArgs({"1", std::string(100000, 'x'), "to", "m"});
  EXPECT_LT(flood.err.size(), 400u);
}

TEST(Command, TakesOptionsAfterTheConversion) {
  const Case cases[] = {
      {Words("-- -40 F to C --places 30"), "-40 C\n", 0, ""},
      {Words("-- -40.5 F to C --places 1 --no-round"), "-40.2 C\n", 0, ""},
      {Words("-- 1234.5 m to m --grouping --decimal-symbol ,"), "1.234,5 m\n", 0, ""},
      {Words("-- 1234.5 m to m --places=0"), "1235 m\n", 0, ""},
      {Words("1 m to in --places 1"), "39.4 in\n", 0, ""},
      // A value that only looks like an option stays a value.
      {Words("-- --5 C to F"), "", 2, "more than one minus sign"},
  };
  for (const Case& c : cases) Check(c);
}

// A failed write is reported, not lost.
TEST(Command, ReportsAnOutputThatCannotBeWritten) {
  for (const std::vector<std::string>& args :
       {Words("1 m to ft"), Words("--list"), Words("--version"), Words("--batch")}) {
    std::istringstream in("{\"values\":[\"1\"],\"from\":[\"m\"],\"to\":[\"ft\"]}\n");
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    EXPECT_EQ(cli::RunCommand(args, in, out, err, {".", ","}), cli::ExitIoError) << args[0];
    EXPECT_NE(err.str().find("cannot write to standard output"), std::string::npos);
  }
}

TEST(Command, AppliesResultOptions) {
  const Case cases[] = {
      {Words("--no-round 100 in to ft in"), "8 ft  4 in\n", 0, ""},
      {Words("--no-grouping 1234567 m to mm"), "1234567000 mm\n", 0, ""},
      {Words("--decimal-symbol , --thousand-separator . 1234567.5 m to m"), "1.234.567,5 m\n", 0,
       ""},
      {{"--thousand-separator", "\u00a0", "1234567", "m", "to", "m"},
       "1\u00a0234\u00a0567 m\n",
       0,
       ""},
      {Words("--places 0 1.5 m to m"), "2 m\n", 0, ""},
      {Words("--places 0 --no-round 1.5 m to m"), "1 m\n", 0, ""},
      {Words("--places 1 1 m to in"), "39.4 in\n", 0, ""},
      {Words("--places 30 --no-round --no-grouping 1/3 yd to ft"),
       "0.999999999999999999999999999999 ft\n", 0, ""},
      {Words("--places 30 1/3 yd to ft"), "1 ft\n", 0, ""},
      {Words("--exp 1 A to m"), "1.000 E-10 m\n", 0, ""},
      {Words("--exp 100 in to ft in"), "8.000 E0 ft  4.000 E0 in\n", 0, ""},
  };
  for (const Case& c : cases) Check(c);
}

TEST(Command, SuggestsTargetUnits) {
  const Case cases[] = {
      {Words("--us 3 mi"), "3 mi\n", 0, ""},
      {Words("--us 100 ft"), "100 ft  0 in\n", 0, ""},
      {Words("--us 1 yd 2 ft 3 in"), "5 ft  3 in\n", 0, ""},
      {Words("--metric 3 mi"), "4.828 km\n", 0, ""},
      {Words("--metric 50 cm"), "50 cm\n", 0, ""},
      {Words("--us 100 C"), "212 F\n", 0, ""},
      {Words("--metric 0 kg"), "0 mg\n", 0, ""},
      // Nothing suits a zero length.
      {Words("--us 0 in"), "Error\n", 1, "no US unit suits"},
      {Words("--us 1 m to ft"), "", 2, "leave out 'to'"},
      {Words("--us --metric 3 mi"), "", 2, "excludes"},
  };
  for (const Case& c : cases) Check(c);
}

TEST(Command, RefusesWhatItCannotConvertWithUsageStatus) {
  const Case cases[] = {
      {{}, "", 2, "nothing to convert"},
      {Words("1 L to t"), "", 2, "write 'register ton' or 'freight ton' instead of 't'"},
      {Words("1 ts to ts"), "", 2, "--category"},
      {Words("1 ft to kg"), "", 2, "'ft' is a length (\"feet\") and 'kg' is a weight"},
      {Words("--category weight 1 ft to kg"), "", 2, "'ft' is not a unit of Weight"},
      {Words("--category prefixes 1 m to ft"), "", 2, "Prefixes"},
      {Words("--category volume 1 m to ft"), "", 2, "unknown category"},
      {Words("1 jiffy to m"), "", 2, "unknown unit 'jiffy'"},
      {Words("1 m"), "", 2, "missing 'to'"},
      {Words("1 m to"), "", 2, "no unit after 'to'"},
      {Words("m to ft"), "", 2, "expected a value before 'm'"},
      {Words("1 to ft"), "", 2, "value '1' has no unit"},
      {Words("1 m to ft 3"), "", 2, "values go before 'to'"},
      {Words("1 m 2 ft 3 in 4 yd to m"), "", 2, "at most three values"},
      {Words("1 m to m ft in yd"), "", 2, "at most three units"},
      {Words("1 C to F K"), "", 2, "converts to one unit at a time"},
      {Words("1 C 2 F to K"), "", 2, "one value at a time"},
      {Words("1 bond (17x22) 2 bond (17x22) to g/m²"), "", 2, "one value at a time"},
      {Words("-5 m to ft"), "", 2, "only temperatures can be negative"},
      {Words("-.5 C to F"), "", 2, "put -- before a negative value"},
      {Words("--places 31 1 m to m"), "", 2, "--places"},
      {Words("--places x 1 m to m"), "", 2, "--places"},
      {Words("--decimal-symbol ab 1 m to m"), "", 2, "exactly one character"},
      {Words("--decimal-symbol 5 1 m to m"), "", 2, "cannot be a digit"},
      {Words("--thousand-separator + 1 m to m"), "", 2, "cannot be a digit"},
      {{"--decimal-symbol", "", "1", "m", "to", "m"}, "", 2, "exactly one character"},
      {Words("--thousand-separator . 1 m to m"), "", 2, "must differ"},
      {Words("--batch 1 m to ft"), "", 2, "standard input"},
      {Words("--list length 1 m to ft"), "", 2, "--list takes no conversion"},
      {Words("--frobnicate 1 m to ft"), "", 2, "frobnicate"},
  };
  for (const Case& c : cases) Check(c);
}

// Each unit after 'to' is the longest run of words that names one; a flood
// of words must end in the usual refusal, not in a search over every run.
TEST(Command, RefusesAFloodOfWordsQuickly) {
  std::vector<std::string> many = Words("1 m to");
  many.insert(many.end(), 20000, "ft");
  Check({many, "", 2, "at most three units"});
  std::vector<std::string> unknown = Words("1 m to");
  unknown.insert(unknown.end(), 20000, "qq");
  Check({unknown, "", 2, "unknown unit 'qq'"});
}

TEST(Command, RefusesValuesTheFieldWouldNotHold) {
  const Case cases[] = {
      {Words("1e5 m to ft"), "", 2, "'e' is not allowed"},
      {Words("+5 m to ft"), "", 2, "'+' is not allowed"},
      {Words("-- -5 m to ft"), "", 2, "only temperatures can be negative"},
      {Words("-- --5 C to F"), "", 2, "more than one minus sign"},
      {Words("5- C to F"), "", 2, "the minus sign must come first"},
      {Words("1.2.3 m to ft"), "", 2, "more than one decimal point"},
      {Words("1.2,3 m to ft"), "", 2, "more than one decimal point"},
      {Words("1/2/3 m to ft"), "", 2, "more than one '/'"},
      {Words("/2 m to ft"), "", 2, "a '/' needs a number before it"},
      {Words("./2 m to ft"), "", 2, "a '/' needs a number before it"},
      {Words("3/ m to ft"), "", 2, "no denominator"},
      {Words("3/0 m to ft"), "", 2, "denominator is zero"},
      {Words("3/0.00 m to ft"), "", 2, "denominator is zero"},
      {Words(". m to ft"), "", 2, "not a number"},
      {Words("-- - C to F"), "", 2, "not a number"},
      {Words("-- -/2 C to F"), "", 2, "the fraction has no numerator"},
      {{"", "m", "to", "ft"}, "", 2, "not a number"},
      {{std::string(36, '1'), "m", "to", "ft"}, "", 2, "longer than 35 characters"},
      {{"1\x01", "m", "to", "ft"}, "", 2, "control character"},
      {{"1\xff", "m", "to", "ft"}, "", 2, "not valid UTF-8"},
  };
  for (const Case& c : cases) Check(c);
  // The longest value the field holds is still converted.
  Check({{std::string(35, '1'), "mm", "to", "mm", "--no-grouping"},
         std::string(35, '1') + " mm\n",
         0,
         ""});
}

TEST(Command, ListsUnitsOnceWithTheirRowsAndSymbols) {
  const auto length = RunArgs(Words("--list length"));
  EXPECT_EQ(length.status, 0);
  EXPECT_EQ(length.out.rfind("Length\n", 0), 0u);
  EXPECT_NE(length.out.find("\n   2  inches "), std::string::npos);
  EXPECT_NE(length.out.find(" in\n"), std::string::npos);
  EXPECT_NE(length.out.find("  35  micrometers "), std::string::npos);
  // Results write mils as "mil": "ml" is millilitres.
  EXPECT_NE(length.out.find("  41  mils                        mil\n"), std::string::npos);
  // The common group repeats inches; placeholders and headings are no units.
  EXPECT_EQ(length.out.find("  inches "), length.out.rfind("  inches "));
  EXPECT_EQ(length.out.find("==="), std::string::npos);
  EXPECT_EQ(length.out.find("  -"), std::string::npos);
  EXPECT_EQ(length.out.find("\n  \n"), std::string::npos);

  const auto temperature = RunArgs(Words("--list temp."));
  EXPECT_EQ(temperature.out.find("Temperature\n"), 0u);
  EXPECT_NE(temperature.out.find("   3  Kelvin"), std::string::npos);
  EXPECT_NE(temperature.out.find(" K\n"), std::string::npos);

  const auto paper = RunArgs(Words("--list paper"));
  EXPECT_NE(paper.out.find("   5  bond (17x22)                lb bond\n"), std::string::npos);

  // Every category of the descriptor, in order; Prefixes with its table.
  const auto all = RunArgs(Words("--list"));
  EXPECT_EQ(all.status, 0);
  std::size_t at = 0;
  for (const units::CategoryInfo& info : units::AllCategories()) {
    const std::size_t heading = all.out.find("\n" + std::string(info.Name) + "\n", at);
    EXPECT_TRUE(heading != std::string::npos || all.out.starts_with(std::string(info.Name) + "\n"))
        << info.Name;
    if (heading != std::string::npos) at = heading;
  }
  const auto prefixes = RunArgs(Words("--list prefixes"));
  EXPECT_EQ(prefixes.status, 0);
  EXPECT_EQ(prefixes.out.find("Prefixes\n  yotta  Y   10^24    deci   d   10^-01\n"), 0u);
  EXPECT_NE(prefixes.out.find("  peta   P   10^15    micro  \u00b5   10^-06\n"), std::string::npos);
  EXPECT_NE(prefixes.out.find("  deka   da  10^01    yocto  y   10^-24\n"), std::string::npos);
  EXPECT_EQ(RunArgs(Words("--list 6")).out, prefixes.out);

  const auto unknown = RunArgs(Words("--list volume"));
  EXPECT_EQ(unknown.status, 2);
  EXPECT_EQ(unknown.out, "");
  EXPECT_NE(unknown.err.find("unknown category 'volume' (the categories: length"),
            std::string::npos);
}

TEST(Command, PrintsHelpAndVersion) {
  const auto help = RunArgs(Words("--help"));
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--places"), std::string::npos);
  EXPECT_NE(help.out.find("--batch"), std::string::npos);

  const auto version = RunArgs(Words("--version"));
  EXPECT_EQ(version.status, 0);
  EXPECT_EQ(version.out, std::string("zurmet-convert ") + ZURMET_VERSION + "\n");
}

// "." and no grouping whatever the locale, unless an option asks.
TEST(Command, WritesNumbersForScriptsUnlessAskedOtherwise) {
  const platform::NumberSymbols german{",", "."};
  struct FormatCase {
    const char* args;
    const char* out;
  };
  const FormatCase cases[] = {
      {"1234567.891 m to mm", "1234567891 mm\n"},
      {"0.3048 m to m --places 4", "0.3048 m\n"},
      {"1234.5678 m to m --grouping", "1,234.568 m\n"},
      {"1234.5678 m to m --places 4 --grouping", "1,234.5678 m\n"},
      {"1234.5678 m to m --locale", "1.234,568 m\n"},
      {"1234.5678 m to m --locale --no-grouping", "1234,568 m\n"},
      // The window's text: regional symbols, fraction digits grouped too.
      {"1234.5678 m to m --places 4 --window-format", "1.234,567.8 m\n"},
      {"100 in to ft in --no-round --window-format", "8,000 ft  4,000 in\n"},
      {"--decimal-symbol , 1234.5 m to m --grouping", "1.234,5 m\n"},
      {"--decimal-symbol , 1234.5 m to m", "1234,5 m\n"},
      {"--thousand-separator ' 1234.5 m to m", "1'234.5 m\n"},
      {"--decimal-symbol . --thousand-separator ' 1234.5 m to m --locale", "1'234.5 m\n"},
      {"--locale --decimal-symbol . 1234.5 m to m", "1,234.5 m\n"},
      // Cutting adds no zeros the result does not have.
      {"--no-round 1 m to in", "39.37 in\n"},
      {"--no-round --places 5 1 m to in", "39.37007 in\n"},
      {"--no-round --places 30 1/3 yd to ft", "0.999999999999999999999999999999 ft\n"},
      {"--no-round --exp 100 in to ft in", "8.000 E0 ft  4.000 E0 in\n"},
      {"--exp 1234567 m to mm", "1.235 E9 mm\n"},
  };
  for (const FormatCase& c : cases) {
    SCOPED_TRACE(c.args);
    const auto outcome = cli_test::RunArgs(Words(c.args), "", german);
    EXPECT_EQ(outcome.out, c.out);
    EXPECT_EQ(outcome.status, 0) << outcome.err;
  }
}

}  // namespace
