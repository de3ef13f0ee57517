#include <iostream>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#endif

#include "tests/tools/probe.h"

int main() {
#ifdef _WIN32
  // The same bytes as on other systems: no "\r" before each newline.
  _setmode(_fileno(stdout), _O_BINARY);
#endif
  std::ios::sync_with_stdio(false);
  return probe::Run(std::cin, std::cout);
}
