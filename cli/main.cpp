#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/fd_streams.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  cli::FdInBuffer input(STDIN_FILENO);
  cli::FdOutBuffer output(STDOUT_FILENO);
  std::istream in(&input);
  std::ostream out(&output);
  return cli::RunCommand(args, in, out, std::cerr, platform::RegionalSymbols(),
                         isatty(STDIN_FILENO) != 0);
}
