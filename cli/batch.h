// `zurmet-convert --batch`: one conversion a line on standard input as a
// JSON object, one JSON answer a line on standard output.
#pragma once

#include <iosfwd>
#include <string_view>

#include "cli/json_forms.h"
#include "cli/output.h"

namespace cli {

enum class LineOutcome { Result, ErrorResult, Unreadable };

// The answer to one line: {"result":S}, {"result":null} (Prefixes) or
// {"error":S}. Options and symbols missing from the line are the form's.
Json AnswerBatchLine(std::string_view line, const OutputForm& form, LineOutcome& outcome);

// Answers every line; 0, 1 when some result was "Error", 2 when some line
// could not be converted, 3 (with a message on err) when standard input
// could not be read or the answers could not be written. Flushes after each
// answer only when asked (a person typing); otherwise output is buffered
// for speed.
int RunBatch(std::istream& in, std::ostream& out, std::ostream& err, const OutputForm& form,
             bool flushEachLine);

}  // namespace cli
