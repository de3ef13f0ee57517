// The category pages: the eight selectors of the category bar and the
// Prefixes reference page.
#pragma once

#include "ui/main_window.h"

namespace ui {

// Shows the category's page, as its selector in the category bar does.
void SelectCategory(MainWindow* window, units::Category category);
// Each selector of the category bar shows its page when clicked.
void BindSelectors(MainWindow* window);

// Loads rows 0 to lastRow of the window's CurrentTable into the six unit lists and
// resets the page around them.
void FillUnitLists(MainWindow* window, int lastRow);
void ClearSelectorHighlights(MainWindow* window);
// Selects the category's default "Convert From" units (row 0 where it has
// none), as the selectors and the Reset button do.
void SelectDefaultFromUnits(MainWindow* window, units::Category category);
void FillPrefixColumns(MainWindow* window);

}  // namespace ui
