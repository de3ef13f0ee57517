// zurmet.exe: a GUI-subsystem program; it takes no arguments.
#include <cstdlib>

#include "ui/program.h"

// The standard library's handler for an uncaught exception prints the
// exception's demangled type to standard error, which a windowed program
// does not have; it also links the whole demangler, a sixth of the program.
// Ending at once is all it could do here.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx

int main() {
  ui::RunProgram();
  return 0;
}
