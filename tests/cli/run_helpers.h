// Runs the command line in-process and keeps what it printed.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "cli/command.h"

namespace cli_test {

struct Outcome {
  int status = -1;
  std::string out;
  std::string err;
};

inline Outcome RunArgs(const std::vector<std::string>& args, const std::string& input = "",
                       const platform::NumberSymbols& regional = {".", ","}) {
  std::istringstream in(input);
  std::ostringstream out, err;
  Outcome outcome;
  outcome.status = cli::RunCommand(args, in, out, err, regional);
  outcome.out = out.str();
  outcome.err = err.str();
  return outcome;
}

// "1 yd 2 ft" -> {"1", "yd", "2", "ft"}; quoted multi-word arguments are
// written out in the tables instead.
inline std::vector<std::string> Words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

// One run of the command line and what it must print.
struct Case {
  std::vector<std::string> args;
  std::string out;  // exact standard output
  int status;
  std::string err;  // a part of standard error; empty: nothing may be printed there
};

inline void Check(const Case& c) {
  SCOPED_TRACE(::testing::PrintToString(c.args));
  const auto outcome = RunArgs(c.args);
  EXPECT_EQ(outcome.out, c.out);
  EXPECT_EQ(outcome.status, c.status);
  if (c.err.empty())
    EXPECT_EQ(outcome.err, "");
  else
    EXPECT_NE(outcome.err.find(c.err), std::string::npos) << outcome.err;
}

}  // namespace cli_test
