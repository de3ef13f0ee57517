// zurmet-convert: the command line, from its arguments to its exit status.
// main() only gathers the arguments as UTF-8; everything else is here, so
// tests run it in-process on every platform.
#pragma once

#include <iosfwd>
#include <span>
#include <string>

#include "platform/number_symbols.h"

namespace cli {

inline constexpr int ExitResult = 0;
inline constexpr int ExitErrorResult = 1;
inline constexpr int ExitUsage = 2;
inline constexpr int ExitIoError = 3;

// args without the program name. regional: the symbols --locale and
// --window-format use. interactive: standard input is a terminal, so batch
// answers are flushed line by line.
int RunCommand(std::span<const std::string> args, std::istream& in, std::ostream& out,
               std::ostream& err, const platform::NumberSymbols& regional,
               bool interactive = false);

// Flushes what was written; ExitIoError, with a message, when it could not
// be written.
int Finish(std::ostream& out, std::ostream& err);

}  // namespace cli
