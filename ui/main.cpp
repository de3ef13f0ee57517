// zurmet.exe: a GUI-subsystem program; it takes no arguments.
#include "ui/program.h"

int main() {
  ui::RunProgram();
  return 0;
}
