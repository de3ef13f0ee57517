// `zurmet-convert --batch`: one Convert request a line on standard input
// (the probe's "Convert" form), one JSON answer a line on standard output.
#pragma once

#include <iosfwd>
#include <string_view>

#include "cli/json_forms.h"

namespace cli {

enum class LineOutcome { Result, ErrorResult, Unreadable };

// The answer to one line: {"result":S}, {"result":null} (Prefixes) or
// {"error":S}. Options and symbols missing from the line take the defaults.
Json AnswerBatchLine(std::string_view line, const units::ResultOptions& options,
                     const platform::NumberSymbols& symbols, LineOutcome& outcome);

// Answers every line; 0, 1 when some result was "Error", 2 when some line
// could not be read. Flushes after each answer only when asked (a person
// typing); otherwise output is buffered for speed.
int RunBatch(std::istream& in, std::ostream& out, const units::ResultOptions& options,
             const platform::NumberSymbols& symbols, bool flushEachLine);

// A result as the command line prints it: without trailing blanks.
std::string_view TrimResult(std::string_view text);

}  // namespace cli
