#include "cli/batch_reader.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "cli/batch.h"

namespace {

TEST(BatchReader, ReadsPlainLines) {
  const auto plain = cli::ReadPlainLine(
      R"( {"category":1, "values":["1","2","3"],"from":[4,"ft",-1],"to":["m"],)"
      R"("options":{"places":30,"roundUp":false},"symbols":{"decimal":",","thousand":"µ"}} )");
  ASSERT_TRUE(plain.has_value());
  EXPECT_EQ(plain->categoryNumber, 1);
  EXPECT_EQ(plain->valueCount, 3u);
  EXPECT_EQ(plain->values[2], "3");
  ASSERT_EQ(plain->from.count, 3u);
  EXPECT_EQ(plain->from.items[0].row, 4);
  EXPECT_EQ(plain->from.items[1].name, "ft");
  EXPECT_EQ(plain->from.items[2].row, -1);
  EXPECT_EQ(plain->to.count, 1u);
  EXPECT_EQ(plain->places, 30);
  EXPECT_EQ(plain->roundUp, false);
  EXPECT_FALSE(plain->exponentForm.has_value());
  EXPECT_EQ(plain->thousand, "µ");
}

// Whatever is not plain goes to the full reader, which answers it as ever.
TEST(BatchReader, LeavesAnythingElseToTheFullReader) {
  const char* others[] = {
      R"({"values":["1\"2"],"from":["m"],"to":["m"]})",              // an escape
      R"({"values":["1"],"from":["m"],"to":["m"],"values":["2"]})",  // a field twice
      R"({"values":["1"],"from":[1.0],"to":["m"]})",
      R"({"values":["1"],"from":[1e2],"to":["m"]})",
      R"({"values":["1"],"from":[01],"to":["m"]})",
      R"({"values":["1"],"from":[1234567890],"to":["m"]})",
      R"({"values":["1"],"from":[null],"to":["m"]})",
      R"({"values":["1","2","3","4"],"from":["m"],"to":["m"]})",
      R"({"values":[],"from":["m"],"to":["m"]})",
      R"({"values":["1"],"from":["m"],"to":["m"],"extra":1})",
      R"({"values":["1"],"from":["m"],"to":["m"],"options":{"places":3,"places":4}})",
      R"({"values":["1"],"from":["m"],"to":["m"],"options":{"roundUp":1}})",
      R"({"values":["1"],"from":["m"],"to":["m"]} x)",
      "{\"values\":[\"1\xff\"],\"from\":[\"m\"],\"to\":[\"m\"]}",  // not UTF-8
      "{\"values\":[\"1\t\"],\"from\":[\"m\"],\"to\":[\"m\"]}",    // a raw tab
      R"(["values"])",
      "",
  };
  for (const char* line : others) EXPECT_FALSE(cli::ReadPlainLine(line).has_value()) << line;
}

// The same line written with its keys escaped goes the full reader's way;
// both ways must give the same answer, byte for byte, for any mix of good
// and bad fields.
TEST(BatchReader, AnswersAsTheFullReaderDoes) {
  const std::vector<std::string> categories = {
      "", "1", "5", "8", "6", "0", "9", "\"length\"", "\"temp\"", "\"volume\"", "-1", "true"};
  const std::vector<std::string> values = {R"(["1","2","3"])",
                                           R"(["100"])",
                                           R"(["-40"])",
                                           R"(["1/3",""])",
                                           R"(["abc"])",
                                           R"([])",
                                           R"(["1","","",""])",
                                           R"([1])",
                                           R"(["-300"])",
                                           R"(["1,5"])",
                                           R"(["µ"])",
                                           R"(["1234567.891"])",
                                           ""};
  const std::vector<std::string> units = {R"([4,3,2])",
                                          R"([9,0,0])",
                                          R"(["yd","ft","in"])",
                                          R"(["m"])",
                                          R"(["km"])",
                                          R"(["F"])",
                                          R"(["C"])",
                                          R"([2,"feet"])",
                                          R"([0])",
                                          R"([53])",
                                          R"([-2])",
                                          R"(["mg"])",
                                          R"(["lb bond"])",
                                          R"(["gsm"])",
                                          R"([""])",
                                          R"(["-"])",
                                          R"(["meterz"])",
                                          R"([1.5])",
                                          ""};
  const std::vector<std::string> options = {"",
                                            R"({"places":30})",
                                            R"({"places":31})",
                                            R"({"roundUp":false,"exponentForm":true})",
                                            R"({"thousandSeparators":true})",
                                            R"({"extra":1})",
                                            R"([])"};
  const std::vector<std::string> symbols = {"",
                                            R"({"decimal":","})",
                                            R"({"decimal":",","thousand":"."})",
                                            R"({"thousand":" "})",
                                            R"({"decimal":"ab"})",
                                            R"({"decimal":".","thousand":"."})",
                                            R"({"thousand":"5"})"};
  std::mt19937 random(20261207);
  const auto pick = [&](const std::vector<std::string>& from) {
    return from[std::uniform_int_distribution<std::size_t>(0, from.size() - 1)(random)];
  };
  // As the command line starts: no grouping; and as the window writes.
  cli::OutputForm forms[2];
  forms[0].options.ThousandSeparators = false;
  forms[1].window = true;
  forms[1].symbols = {",", "."};
  int plainLines = 0;
  for (int n = 0; n < 10000; ++n) {
    const std::pair<std::string, std::string> fields[] = {
        {"category", pick(categories)}, {"values", pick(values)},
        {"from", pick(units)},          {"to", pick(units)},
        {"options", pick(options)},     {"symbols", pick(symbols)},
    };
    std::string line = "{", escaped = "{";
    for (const auto& [key, value] : fields) {
      if (value.empty()) continue;
      const std::string separator = line.size() > 1 ? "," : "";
      line += separator + "\"" + key + "\":" + value;
      escaped += separator + "\"\\u00" +
                 (key[0] == 'c'   ? "63"
                  : key[0] == 'v' ? "76"
                  : key[0] == 'f' ? "66"
                  : key[0] == 't' ? "74"
                  : key[0] == 'o' ? "6f"
                                  : "73") +
                 key.substr(1) + "\":" + value;
    }
    line += "}";
    escaped += "}";
    ASSERT_FALSE(cli::ReadPlainLine(escaped).has_value());
    plainLines += cli::ReadPlainLine(line).has_value();
    for (const cli::OutputForm& form : forms) {
      cli::LineOutcome plainOutcome{}, fullOutcome{};
      const std::string plainAnswer = cli::AnswerBatchLine(line, form, plainOutcome);
      const std::string fullAnswer = cli::AnswerBatchLine(escaped, form, fullOutcome);
      ASSERT_EQ(plainAnswer, fullAnswer) << line;
      ASSERT_EQ(plainOutcome, fullOutcome) << line;
    }
  }
  EXPECT_GT(plainLines, 2500);
}

}  // namespace
