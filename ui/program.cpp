#include "ui/program.h"

#include "controls/application.h"
#include "platform/number_symbols.h"
#include "ui/main_window.h"

namespace ui {

void RunProgram() {
  platform::RegionalSymbols();
  MainWindow* window = nullptr;
  BuildMainWindow(window, nullptr);
  Control* form = window->MainForm;
  controls::RunApplication(form);
}

}  // namespace ui
