#include <unistd.h>

#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"

int main(int argc, char** argv) {
  std::ios::sync_with_stdio(false);
  const std::vector<std::string> args(argv + (argc > 0 ? 1 : 0), argv + argc);
  return cli::RunCommand(args, std::cin, std::cout, std::cerr, platform::RegionalSymbols(),
                         isatty(STDIN_FILENO) != 0);
}
