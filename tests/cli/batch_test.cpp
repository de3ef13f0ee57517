#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "cli/json_forms.h"
#include "tests/cli/run_helpers.h"

namespace {

using cli_test::RunArgs;

struct LineCase {
  std::string line;
  std::string answer;  // the exact answer line, or "error" for any {"error":...}
};

// Answers each line as a batch of one and checks it; every line must answer.
void CheckLines(const std::vector<std::string>& options, const std::vector<LineCase>& cases) {
  for (const LineCase& c : cases) {
    SCOPED_TRACE(c.line);
    std::vector<std::string> args = options;
    args.push_back("--batch");
    const auto outcome = RunArgs(args, c.line + "\n");
    if (c.answer == "error") {
      const auto answer = cli::ParseLine(outcome.out);
      ASSERT_TRUE(answer.is_object()) << outcome.out;
      EXPECT_TRUE(answer.contains("error") && answer["error"].is_string()) << outcome.out;
      EXPECT_EQ(outcome.status, 2);
    } else {
      EXPECT_EQ(outcome.out, c.answer + "\n");
    }
  }
}

TEST(Batch, ConvertsGoodLines) {
  CheckLines(
      {},
      {
          {R"({"category":1,"values":["1","2","3"],"from":[4,3,2],"to":[9,0,0]})",
           R"({"result":"1.6 m"})"},
          {R"({"op":"Convert","category":1,"values":["100","",""],"from":[2,0,0],"to":[3,2,0]})",
           R"({"result":"8 ft  4 in"})"},
          {R"({"category":5,"values":["-40","",""],"from":[2,0,0],"to":[1,0,0]})",
           R"({"result":"-40 C"})"},
          {R"({"category":8,"values":["20","",""],"from":[5,0,0],"to":[1,0,0]})",
           R"({"result":"75.195 g/m²"})"},
          {R"({"category":1,"values":["1","",""],"from":[10,0,0],"to":[9,0,0],"options":{"exponentForm":true}})",
           R"({"result":"1.000 E3 m"})"},
          {R"({"category":1,"values":["100","",""],"from":[2,0,0],"to":[3,2,0],"options":{"places":3,"roundUp":false,"thousandSeparators":true,"exponentForm":false}})",
           R"({"result":"8 ft  4 in"})"},
          {R"({"category":1,"values":["1234567.5","",""],"from":[9,0,0],"to":[9,0,0],"symbols":{"decimal":",","thousand":"."}})",
           R"({"result":"1.234.567,5 m"})"},
          {R"({"category":1,"values":["1,5","",""],"from":[9,0,0],"to":[9,0,0]})",
           R"({"result":"1.5 m"})"},
          // Prefixes leaves the field as it was.
          {R"({"category":6,"values":["1","",""],"from":[0,0,0],"to":[0,0,0]})",
           R"({"result":null})"},
      });
}

// Values as a person writes them, read as on the command line; a comma
// that may group thousands reads only where the line or the command line
// names the decimal symbol.
TEST(Batch, ReadsValuesAsTheCommandLineDoes) {
  CheckLines(
      {},
      {
          {R"({"values":["1 1/2"],"from":["in"],"to":["mm"]})", R"({"result":"38.1 mm"})"},
          {R"({"values":["1½"],"from":["in"],"to":["mm"]})", R"({"result":"38.1 mm"})"},
          {R"({"values":["¾"],"from":["in"],"to":["mm"]})", R"({"result":"19.05 mm"})"},
          {R"({"values":["1,000,000"],"from":["m"],"to":["km"]})", R"({"result":"1000 km"})"},
          {R"({"values":["1,000"],"from":["m"],"to":["km"]})", "error"},
          {R"({"values":["1,000"],"from":["m"],"to":["km"],"symbols":{"decimal":"."}})",
           R"({"result":"1 km"})"},
          {R"({"values":["1,000"],"from":["m"],"to":["mm"],"symbols":{"decimal":",","thousand":"."}})",
           R"({"result":"1.000 mm"})"},
          {R"({"category":1,"values":["1,000"],"from":[9],"to":[10],"symbols":{"decimal":"."}})",
           R"({"result":"1 km"})"},
      });
  CheckLines({"--decimal-symbol", "."},
             {{R"({"values":["2,500"],"from":["m"],"to":["km"]})", R"({"result":"2.5 km"})"}});
  const auto refused = RunArgs({"--batch"}, R"({"values":["2,500"],"from":["m"],"to":["km"]})"
                                            "\n");
  EXPECT_NE(refused.out.find(
                R"(is 2500 where ',' groups thousands and 2.5 where it is the decimal symbol)"),
            std::string::npos)
      << refused.out;
  EXPECT_NE(refused.out.find(R"(\"symbols\":{\"decimal\":\".\"})"), std::string::npos)
      << refused.out;
}

TEST(Batch, TakesTheCommandLineOptionsAsDefaults) {
  CheckLines(
      {"--places", "1", "--decimal-symbol", ",", "--thousand-separator", "."},
      {{R"({"category":1,"values":["1","",""],"from":[9,0,0],"to":[2,0,0]})",
        R"({"result":"39,4 in"})"},
       {R"({"category":1,"values":["1","",""],"from":[9,0,0],"to":[2,0,0],"options":{"places":2}})",
        R"({"result":"39,37 in"})"}});
}

TEST(Batch, AnswersUnreadableLinesWithAnError) {
  CheckLines(
      {},
      {
          {"not json", "error"},
          {"", "error"},
          {"[1,2,3]", "error"},
          {R"({"op":"BigAdd","a":"1","b":"2","skipCheck":false})", "error"},
          {R"({"category":17,"values":["1","",""],"from":[9,0,0],"to":[9,0,0]})", "error"},
          {R"({"category":1.0,"values":["1","",""],"from":[9,0,0],"to":[9,0,0]})", "error"},
          {R"({"category":18446744073709551617,"values":["1","",""],"from":[9,0,0],"to":[9,0,0]})",
           "error"},
          {R"({"category":1,"values":["1","","",""],"from":[9,0,0],"to":[9,0,0]})", "error"},
          {R"({"category":1,"values":[],"from":[9,0,0],"to":[9,0,0]})", "error"},
          {R"({"category":1,"values":["1","",2],"from":[9,0,0],"to":[9,0,0]})", "error"},
          {R"({"category":1,"values":["1","",""],"from":[53,0,0],"to":[9,0,0]})", "error"},
          {R"({"category":1,"values":["1","",""],"from":[9,0,0],"to":[-2,0,0]})", "error"},
          {R"({"category":1,"values":["1","",""],"from":[9,0,0]})", "error"},
          {R"({"category":1,"values":["1","",""],"from":[9,0,0],"to":[9,0,0],"options":{"places":31}})",
           "error"},
          {R"({"category":1,"values":["1","",""],"from":[9,0,0],"to":[9,0,0],"options":{"roundUp":1}})",
           "error"},
          {R"({"category":1,"values":["1","",""],"from":[9,0,0],"to":[9,0,0],"options":[]})",
           "error"},
          {R"({"category":1,"values":["1","",""],"from":[9,0,0],"to":[9,0,0],"symbols":{"decimal":"ab"}})",
           "error"},
          {R"({"category":1,"values":["1","",""],"from":[9,0,0],"to":[9,0,0],"extra":1})", "error"},
          // Values the field would not hold, or that are no number.
          {R"({"category":1,"values":["abc","",""],"from":[9,0,0],"to":[9,0,0]})", "error"},
          {R"({"category":1,"values":["3/","",""],"from":[9,0,0],"to":[9,0,0]})", "error"},
          {R"({"category":1,"values":["-1","",""],"from":[9,0,0],"to":[9,0,0]})", "error"},
          // A symbol that would break the answer's line or its JSON.
          {R"({"values":["1"],"from":["ft"],"to":["m"],"symbols":{"decimal":"\n"}})", "error"},
          {R"({"values":["1"],"from":["ft"],"to":["m"],"symbols":{"thousand":"\t"}})", "error"},
          {R"({"values":["1"],"from":["ft"],"to":["m"],"symbols":{"decimal":"\u0085"}})", "error"},
          // Values or targets a one-value page has no row for, not left out.
          {R"({"values":["1","2","3"],"from":["C","C","C"],"to":["F"]})", "error"},
          {R"({"values":["1"],"from":["C"],"to":["K","F"]})", "error"},
          {R"({"category":5,"values":["","5"],"from":[1,1],"to":[3]})", "error"},
          {R"({"values":["20","1"],"from":["lb bond","lb bond"],"to":["gsm"]})", "error"},
          // A NUL does not end the line early.
          {std::string(R"({"values":["1"],"from":["m"],"to":["km"]})") + '\0' + "junk", "error"},
      });
}

TEST(Batch, TakesUnitsByNameAsWellAsByRow) {
  CheckLines(
      {},
      {
          {R"({"values":["1","2","3"],"from":["yd","ft","in"],"to":["m"]})",
           R"({"result":"1.6 m"})"},
          {R"({"category":"length","values":["100"],"from":["inches"],"to":["ft","in"]})",
           R"({"result":"8 ft  4 in"})"},
          {R"({"category":1,"values":["100"],"from":[2],"to":["feet",2]})",
           R"({"result":"8 ft  4 in"})"},
          {R"({"values":["-40"],"from":["F"],"to":["C"]})", R"({"result":"-40 C"})"},
          {R"({"values":["20"],"from":["lb bond"],"to":["gsm"]})", R"({"result":"75.195 g/m²"})"},
          {R"({"values":["1"],"from":["mi"],"to":["km"],"options":{"places":1}})",
           R"({"result":"1.6 km"})"},
          {R"({"category":"capacity","values":["1"],"from":["mg"],"to":["L"]})",
           R"({"result":"1.893 L"})"},
          {R"({"values":["71.9999"],"from":["in"],"to":["ft","in"]})",
           R"({"result":"6 ft  0 in"})"},
          {R"({"values":["1",""],"from":["m","-"],"to":["mil",""]})",
           R"({"result":"39370.079 mil"})"},
          {R"({"values":["1234.5"],"from":["m"],"to":["m"],"symbols":{"thousand":" "}})",
           R"({"result":"1 234.5 m"})"},
      });
}

// Units named on earlier lines are remembered per category asked for.
TEST(Batch, RemembersNamedUnitsOnlyForTheCategoryAskedFor) {
  const std::string lines = R"({"category":"weight","values":["1"],"from":["mg"],"to":["mg"]})"
                            "\n"
                            R"({"category":"capacity","values":["1"],"from":["mg"],"to":["mg"]})"
                            "\n"
                            R"({"values":["1"],"from":["mg"],"to":["mg"]})"
                            "\n"
                            R"({"values":["1"],"from":["ts"],"to":["ts"]})"
                            "\n";
  const auto outcome = RunArgs({"--batch"}, lines);
  std::istringstream answers(outcome.out);
  std::vector<std::string> got;
  for (std::string answer; std::getline(answers, answer);) got.push_back(answer);
  ASSERT_EQ(got.size(), 4u);
  EXPECT_EQ(got[0], R"({"result":"1 mg"})");
  EXPECT_EQ(got[1], R"({"result":"1 magnum"})");
  EXPECT_EQ(got[2], R"({"result":"1 mg"})");
  EXPECT_NE(got[3].find("more than one category"), std::string::npos) << got[3];
}

// Each refusal is an error object; what it quotes is cut to 60 characters.
TEST(Batch, RefusesWhatItCannotConvert) {
  const std::string longText(1000, 'x');
  const std::pair<std::string, std::string> cases[] = {
      {R"({"values":["1"],"from":["mg"],"to":["ml"]})", "'mg' is a weight"},
      {R"({"values":["1"],"from":["meterz"],"to":["ft"]})", "did you mean 'meters'"},
      {R"({"values":["1"],"from":[9],"to":["ft"]})", "missing field \"category\""},
      {R"({"values":["1"],"from":[""],"to":[""]})", "missing field \"category\""},
      {R"({"category":"volume","values":["1"],"from":[9],"to":[9]})", "unknown category 'volume'"},
      {R"({"category":1,"values":["1","",""],"from":[0,0,0],"to":[9,0,0]})",
       "value '1' has no unit in \"from\""},
      {R"({"category":1,"values":["1","2",""],"from":[9,6,0],"to":[9,0,0]})",
       "value '2' has no unit in \"from\""},
      {R"({"values":["1",""],"from":["m","-"],"to":["m"],"category":1,"extra":[]})",
       "unknown field \"extra\""},
      {R"({"category":5,"values":["1","",""],"from":[0,0,0],"to":[1,0,0]})",
       "Temperature needs a scale in \"from\" and in \"to\""},
      {R"({"category":5,"values":["1","",""],"from":[1,0,0],"to":[0,0,0]})",
       "Temperature needs a scale"},
      {R"({"values":["-300"],"from":["C"],"to":["K"]})", "below absolute zero"},
      {R"({"values":["1"],"from":["m"],"to":[1.5]})", "\"to\" must be an array of 1 to 3 units"},
      {R"({"category":1,"values":["1"],"from":[53],"to":[9]})",
       "\"from\" rows must be from -1 to 52 for Length"},
      {R"({"category":1,"values":["1"],"from":[18446744073709551615],"to":[9]})",
       "rows must be from -1 to 52"},
      {R"({"values":[")" + longText + R"("],"from":["m"],"to":["ft"]})",
       "value '" + std::string(60, 'x') + "...'"},
      {R"({"values":["1"],"from":[")" + longText + R"("],"to":["ft"]})",
       "unknown unit '" + std::string(60, 'x') + "...'"},
      {R"({"values":["1"],"from":["m"],"to":["ft"],")" + longText + R"(":1})",
       "unknown field \"" + std::string(60, 'x') + "...\""},
  };
  for (const auto& [line, part] : cases) {
    SCOPED_TRACE(line.substr(0, 80));
    const auto outcome = RunArgs({"--batch"}, line + "\n");
    const auto answer = cli::ParseLine(outcome.out);
    ASSERT_TRUE(answer.is_object() && answer.contains("error")) << outcome.out;
    const std::string error = answer["error"].get<std::string>();
    EXPECT_NE(error.find(part), std::string::npos) << error;
    EXPECT_LT(error.size(), 300u);
    EXPECT_EQ(outcome.status, 2);
  }
}

TEST(Batch, ExitStatusReflectsTheWorstLine) {
  const std::string good = R"({"category":1,"values":["1","",""],"from":[9,0,0],"to":[9,0,0]})";
  const std::string error = R"({"category":1,"values":["","",""],"from":[9,0,0],"to":[9,0,0]})";
  const std::string bad = "{";

  const auto allGood = RunArgs({"--batch"}, good + "\n" + good + "\n");
  EXPECT_EQ(allGood.status, 0);
  EXPECT_EQ(allGood.out, "{\"result\":\"1 m\"}\n{\"result\":\"1 m\"}\n");

  const auto withError = RunArgs({"--batch"}, good + "\n" + error + "\n" + good);
  EXPECT_EQ(withError.status, 1);
  EXPECT_EQ(withError.out, "{\"result\":\"1 m\"}\n{\"result\":\"Error\"}\n{\"result\":\"1 m\"}\n");

  // An unreadable line outweighs an "Error", and the lines after it are answered.
  const auto withBad = RunArgs({"--batch"}, error + "\r\n" + bad + "\r\n" + good + "\r\n");
  EXPECT_EQ(withBad.status, 2);
  ASSERT_EQ(std::count(withBad.out.begin(), withBad.out.end(), '\n'), 3);
  EXPECT_NE(withBad.out.find("{\"error\":"), std::string::npos);
  EXPECT_TRUE(withBad.out.ends_with("{\"result\":\"1 m\"}\n")) << withBad.out;

  EXPECT_EQ(RunArgs({"--batch"}, "").status, 0);
}

// Standard input that cannot be read and answers that cannot be written end
// the run with a message and status 3.
TEST(Batch, ReportsInputAndOutputThatFail) {
  const std::vector<std::string> batch = {"--batch"};
  const std::string good = R"({"values":["1"],"from":["m"],"to":["m"]})";
  {
    std::istringstream in(good + "\n");
    in.setstate(std::ios::badbit);
    std::ostringstream out, err;
    EXPECT_EQ(cli::RunCommand(batch, in, out, err, {".", ","}), cli::ExitIoError);
    EXPECT_NE(err.str().find("cannot read standard input"), std::string::npos);
  }
  {
    std::istringstream in(good + "\n" + good + "\n");
    std::ostringstream out, err;
    out.setstate(std::ios::failbit);
    EXPECT_EQ(cli::RunCommand(batch, in, out, err, {".", ","}), cli::ExitIoError);
    EXPECT_NE(err.str().find("cannot write to standard output"), std::string::npos);
  }
}

}  // namespace
