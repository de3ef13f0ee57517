// zurmet-probe: the engine's pure operations behind a JSON-lines protocol,
// one request a line in, one answer a line out, for tools that compare
// the engine with reference answers.
#pragma once

#include <iosfwd>
#include <string>
#include <string_view>

namespace probe {

// The answer line (without newline) to one request line.
std::string Answer(std::string_view line);

// Answers every line of in; 0 always, since a bad line has its own answer.
int Run(std::istream& in, std::ostream& out);

}  // namespace probe
