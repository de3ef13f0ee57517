#include "tests/tools/probe.h"

#include <gtest/gtest.h>

#include <sstream>

#include "cli/json_forms.h"

namespace {

struct ProbeCase {
  std::string request;
  std::string answer;  // exact answer, or "error" for any {"error":...}
};

void Check(const std::vector<ProbeCase>& cases) {
  for (const ProbeCase& c : cases) {
    SCOPED_TRACE(c.request);
    const std::string answer = probe::Answer(c.request);
    if (c.answer == "error") {
      const auto parsed = cli::ParseLine(answer);
      ASSERT_TRUE(parsed.is_object()) << answer;
      EXPECT_EQ(parsed.size(), 1u) << answer;
      EXPECT_TRUE(parsed.contains("error") && parsed["error"].is_string()) << answer;
    } else {
      EXPECT_EQ(answer, c.answer);
    }
  }
}

TEST(Probe, Arithmetic) {
  Check({
      {R"({"op":"BigAdd","a":"1.5","b":"2.25","skipCheck":false})", R"({"result":"3.75"})"},
      {R"({"op":"BigSub","a":"3","b":"5","skipCheck":false})", R"({"result":"-2"})"},
      {R"({"op":"BigSub","a":"5","b":"3","skipCheck":true})", R"({"result":"2"})"},
      {R"({"op":"BigMul","a":"1.5","b":"2","skipCheck":false})", R"({"result":"3.0"})"},
      {R"({"op":"BigDiv","a":"7","b":"2","skipCheck":false,"integerOnly":true})",
       R"({"result":"3"})"},
      {R"({"op":"BigDiv","a":"-7","b":"2","skipCheck":false,"integerOnly":true})",
       R"({"result":"-3"})"},
      {R"({"op":"BigAdd","a":"1e5","b":"1","skipCheck":false})", R"({"result":"bad"})"},
      {R"({"op":"IsValidNumber","a":"-."})", R"({"result":true})"},
      {R"({"op":"IsValidNumber","a":"1,5"})", R"({"result":false})"},
      {R"({"op":"StripLeadingZeros","a":"00.5"})", R"({"result":".5"})"},
      {R"({"op":"StripTrailingZeros","a":"1.500"})", R"({"result":"1.5"})"},
      {R"({"op":"ResolveFraction","a":"3/4"})", R"({"result":".75"})"},
      {R"({"op":"ResolveFraction","a":"3/0"})", R"({"result":"bad"})"},
      // An operand past the length limit is the arithmetic's own "bad".
      {R"({"op":"BigAdd","a":")" + std::string(300, '9') + R"(","b":"1","skipCheck":true})",
       R"({"result":"bad"})"},
  });
}

TEST(Probe, Formatting) {
  const std::string defaults =
      R"("options":{"places":3,"roundUp":true,"thousandSeparators":true,"exponentForm":false})";
  const std::string noRound =
      R"("options":{"places":3,"roundUp":false,"thousandSeparators":true,"exponentForm":false})";
  const std::string exponent =
      R"("options":{"places":3,"roundUp":true,"thousandSeparators":true,"exponentForm":true})";
  const std::string symbols = R"("symbols":{"decimal":".","thousand":","})";
  Check({
      {R"({"op":"RoundToPlaces","a":"2.7185","places":3,"keepForExponent":false,)" + defaults + "}",
       R"({"result":"2.719"})"},
      {R"({"op":"RoundToPlaces","a":"2.7185","places":3,"keepForExponent":false,)" + noRound + "}",
       R"({"result":"2.718"})"},
      {R"({"op":"RoundToPlaces","a":"8.99","places":-1,"keepForExponent":false,)" + defaults + "}",
       R"({"result":"8"})"},
      // In exponent form only the mantissa is rounded.
      {R"({"op":"RoundToPlaces","a":"2.7185","places":3,"keepForExponent":false,)" + exponent + "}",
       R"({"result":"2.7185"})"},
      {R"({"op":"RoundToPlaces","a":"2.7185","places":3,"keepForExponent":true,)" + exponent + "}",
       R"({"result":"2.719"})"},
      {R"({"op":"FormatResult","a":"1234567.891",)" + defaults + "," + symbols + "}",
       R"({"result":"1,234,567.891"})"},
      {R"({"op":"FormatResult","a":"1.23457",)" + defaults +
           R"(,"symbols":{"decimal":",","thousand":"."}})",
       R"({"result":"1,234.57"})"},
      {R"({"op":"FormatResult","a":"1000",)" + exponent + "," + symbols + "}",
       R"({"result":"1.000 E3"})"},
      // A failure handed on comes back as it is; a rounding that fails is one.
      {R"({"op":"RoundToPlaces","a":"bad","places":3,"keepForExponent":false,)" + defaults + "}",
       R"({"result":"bad"})"},
      {R"({"op":"FormatResult","a":"bad",)" + exponent + "," + symbols + "}",
       R"({"result":"bad"})"},
      {R"({"op":"RoundToPlaces","a":")" + std::string(240, '1') + "." + std::string(14, '5') +
           R"(","places":13,"keepForExponent":false,)" + defaults + "}",
       R"({"result":"bad"})"},
  });
}

TEST(Probe, KeyFilter) {
  Check({
      {R"({"op":"FilterValueKey","category":1,"text":"1","key":","})", R"({"key":".","text":"1"})"},
      {R"({"op":"FilterValueKey","category":1,"text":"1.5","key":"."})",
       R"({"key":"","text":"1.5"})"},
      {R"({"op":"FilterValueKey","category":1,"text":"40","key":"-"})",
       R"({"key":"","text":"40"})"},
      {R"({"op":"FilterValueKey","category":5,"text":"40","key":"-"})",
       R"({"key":"","text":"-40"})"},
      {R"({"op":"FilterValueKey","category":5,"text":"","key":"-"})", R"({"key":"-","text":""})"},
      {R"({"op":"FilterValueKey","category":1,"text":"","key":"/"})", R"({"key":"","text":""})"},
      {R"({"op":"FilterValueKey","category":1,"text":"7","key":"µ"})", R"({"key":"","text":"7"})"},
      {R"({"op":"FilterValueKey","category":1,"text":"7","key":"\b"})",
       R"({"key":"\b","text":"7"})"},
      {R"({"op":"FilterValueKey","category":1,"text":"7","key":""})", "error"},
      {R"({"op":"FilterValueKey","category":1,"text":"7","key":"12"})", "error"},
      {R"({"op":"FilterValueKey","category":0,"text":"7","key":"1"})", "error"},
  });
}

TEST(Probe, ConvertAndSuggest) {
  const std::string tail =
      R"("options":{"places":3,"roundUp":true,"thousandSeparators":true,"exponentForm":false},)"
      R"("symbols":{"decimal":".","thousand":","}})";
  Check({
      // The probe keeps the field's text whole, trailing blanks included.
      {R"({"op":"Convert","category":1,"values":["1","2","3"],"from":[4,3,2],"to":[9,0,0],)" + tail,
       R"({"result":"1.6 m  "})"},
      {R"({"op":"Convert","category":1,"values":["1","",""],"from":[5,0,0],"to":[4,3,2],)" + tail,
       R"({"result":"1,760 yd  0 ft  0 in"})"},
      // The window counts an unfinished fraction as zero; so does the probe.
      {R"({"op":"Convert","category":1,"values":["3/","",""],"from":[3,0,0],"to":[2,0,0],)" + tail,
       R"({"result":"0 in  "})"},
      {R"({"op":"Convert","category":6,"values":["1","",""],"from":[0,0,0],"to":[0,0,0],)" + tail,
       R"({"result":null})"},
      {R"({"op":"Convert","category":1,"values":["1","",""],"from":[9,0,0],"to":[9,0,0]})",
       "error"},
      {R"({"op":"Convert","category":1,"values":["1","",""],"from":[9,0],"to":[9,0,0],)" + tail,
       "error"},
      {R"({"op":"Suggest","kind":"us","category":1,"values":["3","",""],"from":[5,0,0]})",
       R"({"to":[5,0,0]})"},
      {R"({"op":"Suggest","kind":"us","category":1,"values":["100","",""],"from":[3,0,0]})",
       R"({"to":[3,2,0]})"},
      {R"({"op":"Suggest","kind":"metric","category":1,"values":["3","",""],"from":[5,0,0]})",
       R"({"to":[10,0,0]})"},
      {R"({"op":"Suggest","kind":"metric","category":4,"values":["","",""],"from":[0,0,0]})",
       R"({"to":[6,0,0]})"},
      {R"({"op":"Suggest","kind":"imperial","category":1,"values":["3","",""],"from":[5,0,0]})",
       "error"},
  });
}

TEST(Probe, AnswersEveryBadLineWithAnError) {
  Check({
      {"", "error"},
      {"{", "error"},
      {"42", "error"},
      {R"({"a":"1"})", "error"},
      {R"({"op":7})", "error"},
      {R"({"op":"Frobnicate"})", "error"},
      {R"({"op":"BigAdd","a":"1","skipCheck":false})", "error"},
      {R"({"op":"BigAdd","a":1,"b":"2","skipCheck":false})", "error"},
      {R"({"op":"BigAdd","a":"1","b":"2","skipCheck":"no"})", "error"},
      {R"({"op":"BigDiv","a":"1","b":"2","skipCheck":false})", "error"},
      {R"({"op":"BigAdd","a":"1","b":"2","skipCheck":false,"integerOnly":true})", "error"},
      {R"({"op":"RoundToPlaces","a":"1","places":31,"keepForExponent":false,"options":{"places":3,"roundUp":true,"thousandSeparators":true,"exponentForm":false}})",
       "error"},
      {R"({"op":"RoundToPlaces","a":"1","places":1e400,"keepForExponent":false,"options":{"places":3,"roundUp":true,"thousandSeparators":true,"exponentForm":false}})",
       "error"},
      {R"({"op":"FormatResult","a":"1","options":{"places":3,"roundUp":true,"thousandSeparators":true},"symbols":{"decimal":".","thousand":","}})",
       "error"},
      {R"({"op":"FormatResult","a":"1","options":{"places":3,"roundUp":true,"thousandSeparators":true,"exponentForm":false},"symbols":{"decimal":"."}})",
       "error"},
      {R"({"op":"FormatResult","a":"1","options":{"places":3,"roundUp":true,"thousandSeparators":true,"exponentForm":false},"symbols":{"decimal":".","thousand":"."}})",
       "error"},
      {R"({"op":"Convert","category":-1,"values":["1","",""],"from":[9,0,0],"to":[9,0,0]})",
       "error"},
      {"{\"op\":\"IsValidNumber\",\"a\":\"\xff\"}", "error"},
  });
}

TEST(Probe, KeepsAnsweringAfterABadLine) {
  std::istringstream in(
      "{\"op\":\"ResolveFraction\",\"a\":\"1/3\"}\nnonsense\n"
      "{\"op\":\"StripLeadingZeros\",\"a\":\"007\"}\n");
  std::ostringstream out;
  EXPECT_EQ(probe::Run(in, out), 0);
  std::istringstream lines(out.str());
  std::vector<cli::Json> answers;
  for (std::string line; std::getline(lines, line);) answers.push_back(cli::ParseLine(line));
  ASSERT_EQ(answers.size(), 3u);
  // 1/3 is cut to 40 characters: a point and 39 threes.
  EXPECT_EQ(answers[0]["result"], "." + std::string(39, '3'));
  EXPECT_TRUE(answers[1].contains("error"));
  EXPECT_EQ(answers[2]["result"], "7");
}

}  // namespace
