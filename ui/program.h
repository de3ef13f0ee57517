// Zurmet's window program from start to end.
#pragma once

namespace ui {

// Reads the regional symbols, builds the main window and runs the
// application loop until the user closes it.
void RunProgram();

}  // namespace ui
