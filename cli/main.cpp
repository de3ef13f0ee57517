#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/fd_streams.h"

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return cli::RunOnDescriptors(args, STDIN_FILENO, STDOUT_FILENO, std::cerr,
                               platform::RegionalSymbols(), isatty(STDIN_FILENO) != 0);
}
