// The main window's commands and the binding of every handler to its event.
#pragma once

#include "ui/main_window.h"

namespace ui {

void ResetInputs(MainWindow* window);
void ClearFromInputs(MainWindow* window);
void ClearToUnits(MainWindow* window);
void RunConvert(MainWindow* window);
void SuggestUsUnits(MainWindow* window);
void SuggestMetricUnits(MainWindow* window);

void BindMainWindowEvents(MainWindow* window);

}  // namespace ui
