// The category pages: the eight selectors of the category bar and the
// Prefixes reference page.
#pragma once

#include <span>

#include "ui/main_window.h"

namespace ui {

// A selector of the category bar: its category, its control and where it
// stands in the bar. Its caption and its name for assistive technology are
// the category's own (units::Describe).
struct SelectorPlace {
  units::Category category;
  Control* MainWindow::*control;
  int left, width;
};

// Every selector of the bar, in the order they are made (the order of their
// ids; their windows are made in the categories' order, see
// ClearSelectorHighlights). The one place the window names the categories.
std::span<const SelectorPlace> SelectorBar();
Control* SelectorOf(MainWindow* window, units::Category category);

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
