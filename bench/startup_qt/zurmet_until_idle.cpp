// The real converter window, from start to the first moment it is shown and
// idle: the control layer's idle hook closes the main window the first time
// it runs with that window visible and exposed (painted). The close is an
// ordinary WM_CLOSE, so the program ends the way it ends for a user.
// bench/startup_qt_timing.sh runs this beside minimal_qt_window, which ends
// at the same point.
#include <QGuiApplication>
#include <QString>
#include <QWindow>

#include "controls/application.h"
#include "controls/control.h"
#include "controls/native/native.h"
#include "controls/native/win_defs.h"
#include "ui/program.h"

namespace {

bool Closed = false;

// The seam tells whether the main window is visible; only Qt tells whether
// the system has exposed it yet.
bool MainWindowExposed(controls::Control* app) {
  if (!app || !app->window || !native::IsWindowVisible(app->window)) return false;
  const QString title = QString::fromStdString(native::GetWindowText(app->window));
  for (QWindow* window : QGuiApplication::topLevelWindows())
    if (window->isVisible() && window->title() == title && window->isExposed()) return true;
  return false;
}

void CloseWhenShown(controls::Control*) {
  if (Closed || !MainWindowExposed(controls::AppWindow)) return;
  Closed = true;
  native::PostMessage(controls::AppWindow->window, native::WM_CLOSE, 0, 0);
}

}  // namespace

int main() {
  controls::IdleHook = CloseWhenShown;
  ui::RunProgram();
  // Ending without the close means the window never came up.
  return Closed ? 0 : 1;
}
