// The category pages: the eight selectors of the category bar and the
// Prefixes reference page.
#pragma once

#include "ui/main_window.h"

namespace ui {

void SelectLength(MainWindow* window);
void SelectArea(MainWindow* window);
void SelectCapacity(MainWindow* window);
void SelectWeight(MainWindow* window);
void SelectTemperature(MainWindow* window);
void SelectPrefixes(MainWindow* window);
void SelectSpeed(MainWindow* window);
void SelectPaper(MainWindow* window);

// Loads rows 0 to lastRow of CurrentTable into the six unit lists and
// resets the page around them.
void FillUnitLists(MainWindow* window, int lastRow);
void ClearSelectorHighlights(MainWindow* window);
// Selects the category's default "Convert From" units (row 0 where it has
// none), as the selectors and the Reset button do.
void SelectDefaultFromUnits(MainWindow* window, units::Category category);
void FillPrefixColumns(MainWindow* window);

}  // namespace ui
