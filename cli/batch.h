// `zurmet-convert --batch`: one conversion a line on standard input as a
// JSON object, one JSON answer a line on standard output.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>
#include <unordered_map>

#include "cli/json_forms.h"
#include "cli/output.h"
#include "units/unit_lookup.h"

namespace cli {

enum class LineOutcome { Result, ErrorResult, Unreadable };

// The units a batch has named and what they were taken to mean, so that a
// script naming the same units line after line has them looked up once.
class NamedUnitsMemo {
 public:
  const units::UnitChoice* Find(const std::string& named) const;
  void Keep(std::string named, units::UnitChoice choice);

 private:
  std::unordered_map<std::string, units::UnitChoice> known_;
};

// The answer line to one line: {"result":S}, {"result":null} (Prefixes) or
// {"error":S}. Options and symbols missing from the line are the form's.
std::string AnswerBatchLine(std::string_view line, const OutputForm& form, LineOutcome& outcome,
                            NamedUnitsMemo* memo = nullptr);

// Answers every line; 0, 1 when some result was "Error", 2 when some line
// could not be converted, 3 (with a message on err) when standard input
// could not be read or the answers could not be written. Flushes after each
// answer only when asked (a person typing); otherwise output is buffered
// for speed.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const OutputForm& form,
             bool flushEachLine);

}  // namespace cli
