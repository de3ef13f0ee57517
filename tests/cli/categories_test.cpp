// The categories only the command line offers (time, energy, power,
// pressure, force, angle, data, fuel economy): read as people write them,
// answered exactly, refused with a reason where there is no answer.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cli/command.h"
#include "tests/cli/run_helpers.h"
#include "units/catalogue.h"
#include "units/unit_lookup.h"

namespace {

using cli_test::RunArgs;
using cli_test::Words;

struct Answer {
  std::vector<std::string> args;
  std::string out;  // the whole output
};

// Each answered as given, with nothing on standard error.
void ExpectAnswers(const std::vector<Answer>& answers) {
  for (const Answer& answer : answers) cli_test::Check({answer.args, answer.out, 0, ""});
}

// What a new user asks first, answered as a person expects.
TEST(Categories, AnswersTheFirstQuestionsPeopleAsk) {
  ExpectAnswers({
      {Words("1 kWh to J"), "3600000 J\n"},
      {Words("30 psi to bar"), "2.068 bar\n"},
      {Words("100 hp to kW"), "74.57 kW\n"},
      {Words("90 min to h"), "1.5 h\n"},
      {Words("4 GiB to MB"), "4294.967 MB\n"},
      {Words("45 deg to rad"), "0.785 rad\n"},
      {Words("30 mpg to L/100km"), "7.84 L/100 km\n"},
  });
}

// Each default the manual states, and the units it names beside it; the
// values are the definitions' (4.184 J, 4.1868 J, 550 ft·lbf/s, 75 kgf·m/s,
// 98.0665 kPa, 365.25 days...).
TEST(Categories, TakesTheStatedDefaults) {
  ExpectAnswers({
      {Words("1 year to d"), "365.25 d\n"},
      {Words("1 Gregorian year to d"), "365.243 d\n"},
      {Words("1 common year to d"), "365 d\n"},
      {Words("1 month to d"), "30.438 d\n"},
      {Words("1 cal to J"), "4.184 J\n"},
      {Words("1 IT cal to J"), "4.187 J\n"},
      {Words("1 Cal to kJ"), "4.184 kJ\n"},
      {Words("2000 Calories to kJ"), "8368 kJ\n"},
      {Words("2000 calories to kJ"), "8.368 kJ\n"},
      {Words("1 BTU to J"), "1055.056 J\n"},
      {Words("1 therm to MJ"), "105.48 MJ\n"},
      {Words("1 hp to W"), "745.7 W\n"},
      {Words("1 PS to W"), "735.499 W\n"},
      {Words("1 electric hp to W"), "746 W\n"},
      {Words("1 atm to kPa"), "101.325 kPa\n"},
      {Words("1 at to kPa"), "98.067 kPa\n"},
      {Words("1 KB to B"), "1000 B\n"},
      {Words("1 KiB to B"), "1024 B\n"},
      {Words("1 mpg to imp mpg"), "1.201 imp mpg\n"},
  });
}

// Every digit of a definition that is exact, to 30 places: the fractions
// 0.45359237 × 9.80665 / 0.0254², 101325/760 and 550 × 0.3048 × 0.45359237
// × 9.80665, worked out apart from the tables.
TEST(Categories, GivesEveryDigitOfAnExactDefinition) {
  ExpectAnswers({
      {Words("--places 30 1 psi to Pa"), "6894.757293168361336722673445346891 Pa\n"},
      {Words("--places 30 1 torr to Pa"), "133.322368421052631578947368421053 Pa\n"},
      {Words("--places 30 1 hp to W"), "745.69987158227022 W\n"},
      {Words("--places 30 --no-round 1 torr to Pa"), "133.322368421052631578947368421052 Pa\n"},
  });
}

// A symbol two kinds share is the unit of the kind beside it, and case
// tells bits from bytes.
TEST(Categories, ReadsSharedSymbolsAndCaseAsMeant) {
  ExpectAnswers({
      {Words("5 min to s"), "300 s\n"},
      {Words("3 hrs to min"), "180 min\n"},
      {Words("5 min to ml"), "0.308 ml\n"},
      {Words("1 s to g"), "1.296 g\n"},
      {Words("1 sec to acres"), "640 ac\n"},
      {Words("8 b to B"), "1 B\n"},
      {Words("1 b to yd"), "40 yd\n"},
      {Words("1 Mb to kB"), "125 kB\n"},
      {Words("1 MB to kB"), "1000 kB\n"},
      {Words("1000 mb to bar"), "1 bar\n"},
      {Words("1 MW to kW"), "1000 kW\n"},
      {Words("1 mW to W"), "0.001 W\n"},
  });
  for (const char* lost : {"1 gb to MB", "1 mw to W", "1 CAL to J"}) {
    const auto outcome = RunArgs(Words(lost));
    EXPECT_EQ(outcome.status, 2) << lost;
    EXPECT_NE(outcome.err.find("is ambiguous"), std::string::npos) << outcome.err;
  }
}

// Degrees, minutes and seconds with their marks; the marks alone stay feet
// and inches, and a degree mark before a scale stays a temperature.
TEST(Categories, ReadsAnglesWithTheirMarksOnlyAfterDegrees) {
  ExpectAnswers({
      {{"45\u00b030'15\"", "to", "deg"}, "45.504\u00b0\n"},
      {{"45\u00b0", "30'", "15\"", "to", "arcsec"}, "163815 arcsec\n"},
      {{"45\u00b030\u2032", "to", "deg"}, "45.5\u00b0\n"},
      {{"45", "\u00b0", "30'", "to", "deg"}, "45.5\u00b0\n"},
      {{"45\u00ba", "to", "rad"}, "0.785 rad\n"},
      {{"30'", "to", "m"}, "9.144 m\n"},
      {{"5'11\"", "to", "cm"}, "180.34 cm\n"},
      {{"5\u00b0C", "to", "F"}, "41 F\n"},
      {{"5\u00b0", "C", "to", "F"}, "41 F\n"},
  });
  // A number without its mark after degrees is no angle's part.
  EXPECT_EQ(RunArgs({"45\u00b030", "to", "deg"}).status, 2);
}

// Angles are written as people write them, and read back as written.
TEST(Categories, WritesAnglesSoThatTheyReadBack) {
  const std::pair<const char*, const char*> cases[] = {
      {"deg", "57.296\u00b0"},
      {"deg arcmin arcsec", "57\u00b0  17\u2032  44.806\u2033"},
      {"deg arcmin", "57\u00b0  17.747\u2032"},
      {"arcmin", "3437.747 arcmin"},
      {"arcmin arcsec", "3437 arcmin  44.806 arcsec"},
      {"gon", "63.662 gon"},
  };
  for (const auto& [targets, written] : cases) {
    SCOPED_TRACE(targets);
    std::vector<std::string> args = Words(std::string("1 rad to ") + targets);
    EXPECT_EQ(RunArgs(args).out, std::string(written) + "\n");
    std::vector<std::string> back = Words(written);
    for (const std::string& word : Words("to rad")) back.push_back(word);
    EXPECT_EQ(RunArgs(back).out, "1 rad\n");
  }
}

// What has no answer is refused with the reason, on the command line and in
// batch alike.
TEST(Categories, RefusesWhatHasNoAnswer) {
  const std::pair<const char*, const char*> cases[] = {
      {"0 mpg to L/100km", "a fuel economy of 0 mpg has no value in L/100 km"},
      {"0.0 L/100 km to mpg", "a fuel economy of 0.0 L/100 km has no value in mpg"},
      {"1 kWh to kg", "'kWh' is an energy (\"kilowatt-hours\") and 'kg' is a weight"},
      {"--us 1 kWh", "--us and --metric choose units only in length"},
      {"--metric 30 psi", "name the units after 'to' instead"},
      {"1 min to min", "(Capacity, Time); choose one with --category"},
  };
  for (const auto& [args, message] : cases) {
    const auto outcome = RunArgs(Words(args));
    EXPECT_EQ(outcome.status, 2) << args;
    EXPECT_EQ(outcome.out, "") << args;
    EXPECT_NE(outcome.err.find(message), std::string::npos) << outcome.err;
  }
  // 0 converts where nothing is inverted.
  EXPECT_EQ(RunArgs(Words("0 mpg to km/L")).out, "0 km/L\n");
  const auto batch = RunArgs({"--batch"},
                             "{\"values\":[\"0\"],\"from\":[\"mpg\"],\"to\":[\"L/100km\"]}\n"
                             "{\"category\":16,\"values\":[\"0/3\"],\"from\":[4],\"to\":[1]}\n");
  EXPECT_EQ(batch.status, 2);
  EXPECT_EQ(batch.out.find("{\"error\":\"a fuel economy of 0 mpg has no value in L/100 km"), 0u)
      << batch.out;
  EXPECT_NE(batch.out.find("\n{\"error\":\"a fuel economy of 0/3 L/100 km has no value in mpg"),
            std::string::npos)
      << batch.out;
}

// Walked from the descriptor: every category the window does not show is
// listed, named in batch by number and by name, and converts its first
// unit into itself as results write it.
TEST(Categories, OffersEveryCategoryBeyondTheWindow) {
  int beyond = 0;
  for (const units::CategoryInfo& info : units::AllCategories()) {
    if (info.InWindow) continue;
    ++beyond;
    SCOPED_TRACE(std::string(info.Name));
    const std::string name(info.Name);
    const auto listed = RunArgs({"--list", name});
    EXPECT_EQ(listed.status, 0);
    EXPECT_EQ(listed.out.find(name + "\n"), 0u);
    const int row = info.DefaultFrom[0];
    const std::string unit(units::TypedSymbol(info.Id, row));
    const auto same = RunArgs({"2", unit, "to", unit});
    EXPECT_EQ(same.status, 0) << same.err;
    EXPECT_EQ(same.out.find("2"), 0u) << same.out;
    const std::string number = std::to_string(static_cast<int>(info.Id));
    const std::string byNumber = "{\"category\":" + number + ",\"values\":[\"2\"],\"from\":[" +
                                 std::to_string(row) + "],\"to\":[" + std::to_string(row) + "]}\n";
    const std::string byName = "{\"category\":\"" + name + "\",\"values\":[\"2\"],\"from\":[" +
                               std::to_string(row) + "],\"to\":[" + std::to_string(row) + "]}\n";
    const auto batch = RunArgs({"--batch"}, byNumber + byName);
    EXPECT_EQ(batch.status, 0) << batch.out;
    EXPECT_EQ(batch.out, "{\"result\":\"" + same.out.substr(0, same.out.size() - 1) +
                             "\"}\n{\"result\":\"" + same.out.substr(0, same.out.size() - 1) +
                             "\"}\n");
  }
  EXPECT_EQ(beyond, units::LastEngineCategory - units::LastWindowCategory);
}

}  // namespace
