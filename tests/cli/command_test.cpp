#include <gtest/gtest.h>

#include "tests/cli/run_helpers.h"

namespace {

using cli_test::RunArgs;
using cli_test::Words;

struct Case {
  std::vector<std::string> args;
  std::string out;  // exact standard output
  int status;
  std::string err;  // a part of standard error; empty: nothing may be printed there
};

void Check(const Case& c) {
  SCOPED_TRACE(::testing::PrintToString(c.args));
  const auto outcome = RunArgs(c.args);
  EXPECT_EQ(outcome.out, c.out);
  EXPECT_EQ(outcome.status, c.status);
  if (c.err.empty())
    EXPECT_EQ(outcome.err, "");
  else
    EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
}

TEST(Command, ConvertsWhatTheExamplesSay) {
  const Case cases[] = {
      {Words("1 yd 2 ft 3 in to m"), "1.6 m\n", 0, ""},
      {Words("100 in to ft in"), "8 ft  4 in\n", 0, ""},
      {Words("100 in to in ft"), "8 ft  4 in\n", 0, ""},
      {Words("-- -40 F to C"), "-40 C\n", 0, ""},
      {Words("-40 F to C"), "-40 C\n", 0, ""},
      {Words("1 mi to yd ft in"), "1,760 yd  0 ft  0 in\n", 0, ""},
      {Words("20 bond (17x22) to g/m²"), "75.195 g/m²\n", 0, ""},
      {{"20", "bond (17x22)", "to", "g/m²"}, "75.195 g/m²\n", 0, ""},
      {Words("1 km to m --exp"), "1.000 E3 m\n", 0, ""},
      {Words("1 ly to m"), "9,460,730,472,580,800 m\n", 0, ""},
      {Words("1234567 m to mm"), "1,234,567,000 mm\n", 0, ""},
      {Words("5.5 ft to ft ft"), "5 ft  0.5 ft\n", 0, ""},
      {Words("1 mm to µm"), "1,000 µm\n", 0, ""},
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
      {Words("1 grams to mg"), "1,000 mg\n", 0, ""},
      // The table writes "drams  (ap)" with two blanks.
      {Words("381 drams (ap) to g"), "1,481.303 g\n", 0, ""},
      {Words("--category capacity 1 ts to ml"), "4.929 ml\n", 0, ""},
      {Words("--category area 1 ts to sec"), "36 sec\n", 0, ""},
      {Words("--category Weight 1 mg to g"), "0.001 g\n", 0, ""},
  };
  for (const Case& c : cases) Check(c);
}

TEST(Command, AppliesResultOptions) {
  const Case cases[] = {
      {Words("--no-round 100 in to ft in"), "8.000 ft  4.000 in\n", 0, ""},
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
      {Words("1 oz to g"), "", 2, "\"ounces (troy, ap)\""},
      {Words("1 gal to L"), "", 2, "\"gallons (Brit.)\""},
      {Words("1 bbl to L"), "", 2, "\"barrels (US beer)\""},
      {Words("1 L to t"), "", 2, "\"tons (cargo or marine)\""},
      {Words("--category area 1 ts to sq mi"), "", 2, "\"sq. miles (survey)\""},
      {Words("1 ts to ts"), "", 2, "--category"},
      {Words("1 ft to kg"), "", 2, "no category has all"},
      {Words("--category weight 1 ft to kg"), "", 2, "'ft' is not a unit of Weight"},
      {Words("--category prefixes 1 m to ft"), "", 2, "Prefixes"},
      {Words("--category volume 1 m to ft"), "", 2, "unknown category"},
      {Words("1 m to furlong"), "", 2, "unknown unit 'furlong'"},
      {Words("1 parsec to m"), "", 2, "unknown unit 'parsec'"},
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

TEST(Command, ListsUnitsOnceWithTheirSymbols) {
  const auto length = RunArgs(Words("--list length"));
  EXPECT_EQ(length.status, 0);
  EXPECT_EQ(length.out.rfind("Length\n", 0), 0u);
  EXPECT_NE(length.out.find("  inches "), std::string::npos);
  EXPECT_NE(length.out.find(" in\n"), std::string::npos);
  EXPECT_NE(length.out.find("  micrometers "), std::string::npos);
  // The common group repeats inches; placeholders and headings are no units.
  EXPECT_EQ(length.out.find("  inches "), length.out.rfind("  inches "));
  EXPECT_EQ(length.out.find("==="), std::string::npos);
  EXPECT_EQ(length.out.find("  -"), std::string::npos);
  EXPECT_EQ(length.out.find("\n  \n"), std::string::npos);

  const auto temperature = RunArgs(Words("--list temp."));
  EXPECT_EQ(temperature.out.find("Temperature\n"), 0u);
  EXPECT_NE(temperature.out.find("  Kelvin"), std::string::npos);
  EXPECT_NE(temperature.out.find(" K\n"), std::string::npos);

  const auto all = RunArgs(Words("--list"));
  EXPECT_EQ(all.status, 0);
  for (const char* heading :
       {"Length\n", "Area\n", "Capacity\n", "Weight\n", "Temperature\n", "Speed\n", "Paper\n"})
    EXPECT_NE(all.out.find(heading), std::string::npos) << heading;
  EXPECT_EQ(all.out.find("Prefixes"), std::string::npos);

  const auto unknown = RunArgs(Words("--list volume"));
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("unknown category 'volume'"), std::string::npos);
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

TEST(Command, UsesTheRegionalSymbolsUnlessTold) {
  const platform::NumberSymbols german{",", "."};
  EXPECT_EQ(cli_test::RunArgs(Words("1234.5 m to m"), "", german).out, "1.234,5 m\n");
  EXPECT_EQ(cli_test::RunArgs(Words("--decimal-symbol . --thousand-separator ' 1234.5 m to m"), "",
                              german)
                .out,
            "1'234.5 m\n");
}

}  // namespace
