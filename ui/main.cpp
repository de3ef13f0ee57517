// zurmet: the converter window (a GUI-subsystem program on Windows); it
// takes no arguments.
#include <cstdlib>

#include "ui/program.h"

#ifdef _WIN32
// The standard library's handler for an uncaught exception prints the
// exception's demangled type to standard error, which a windowed Windows
// program does not have; it also links the whole demangler, a sixth of the
// statically linked program. Ending at once is all it could do there.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
#endif

int main() {
  ui::RunProgram();
  return 0;
}
