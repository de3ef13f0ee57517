#include "ui/pages.h"

#include <array>
#include <string>

#include "controls/fonts.h"
#include "controls/properties.h"
#include "ui/palette.h"

namespace ui {

namespace {

using units::Category;
using Ref = Control* MainWindow::*;

// What a selector sets up beyond the common refill. Rows are row indexes of
// the category's table; 0 is its first row, "-".
struct PageSetup {
  Category category;
  Ref selector;
  std::array<int, 3> fromRows;
  int toRow;
  bool singleValue;  // rows 2 and 3 make no sense for this category
  Ref helpLink;      // nullptr: none
};

constexpr PageSetup kPages[] = {
    {Category::Length, &MainWindow::LengthSelector, {4, 3, 2}, 0, false, nullptr},
    {Category::Area, &MainWindow::AreaSelector, {4, 0, 0}, 0, false, nullptr},
    {Category::Capacity, &MainWindow::CapacitySelector, {6, 0, 0}, 0, false, nullptr},
    {Category::Weight,
     &MainWindow::WeightSelector,
     {3, 0, 0},
     0,
     false,
     &MainWindow::WeightHelpLink},
    {Category::Temperature,
     &MainWindow::TempSelector,
     {units::Celsius, 0, 0},
     units::Fahrenheit,
     true,
     nullptr},
    {Category::Speed, &MainWindow::SpeedSelector, {8, 0, 0}, 0, false, nullptr},
    {Category::Paper, &MainWindow::PaperSelector, {5, 0, 0}, 0, true, &MainWindow::PaperHelpLink},
};

const PageSetup* PageOf(Category category) {
  for (const PageSetup& page : kPages)
    if (page.category == category) return &page;
  return nullptr;
}

std::array<Control*, 3> FromUnits(MainWindow* w) {
  return {w->FromUnit1, w->FromUnit2, w->FromUnit3};
}
std::array<Control*, 3> FromValues(MainWindow* w) {
  return {w->FromValue1, w->FromValue2, w->FromValue3};
}
std::array<Control*, 6> UnitLists(MainWindow* w) {
  return {w->FromUnit1, w->FromUnit2, w->FromUnit3, w->ToUnit1, w->ToUnit2, w->ToUnit3};
}
// The controls of the second and third rows, usable only where a quantity
// can have several parts.
std::array<Control*, 6> LaterRows(MainWindow* w) {
  return {w->FromValue2, w->FromValue3, w->FromUnit2, w->FromUnit3, w->ToUnit2, w->ToUnit3};
}

void Highlight(Control* selector) { controls::SetColor(selector, kPaleGrey); }

// Typing goes on where the user left a value; a field the page disabled
// cannot take the keys.
void FocusFirstFilledValue(MainWindow* window) {
  for (Control* field : FromValues(window)) {
    if (controls::IsEnabled(field) && !controls::GetText(field).empty()) {
      controls::Focus(field, true);
      return;
    }
  }
  controls::Focus(window->FromValue1, true);
}

void ShowPage(MainWindow* window, Category category) {
  const PageSetup& page = *PageOf(category);
  CurrentTable = units::TableFor(category);
  FillUnitLists(window, units::RowCount(category) - 1);
  SelectDefaultFromUnits(window, category);
  if (page.toRow != 0) controls::SetSelectedIndex(window->ToUnit1, page.toRow);
  if (page.singleValue) {
    for (Control* control : LaterRows(window)) controls::SetEnabled(control, false);
    // The refill may have put the focus in a field that is now disabled.
    FocusFirstFilledValue(window);
  }
  if (page.helpLink) controls::SetVisible(window->*page.helpLink, true);
  CurrentCategory = category;
  Highlight(window->*page.selector);
}

// The prefix page: ten rows, large prefixes left and small ones right.
struct PrefixRow {
  const char* largeName;
  const char* largeSymbol;
  const char* largePower;
  const char* smallName;
  const char* smallSymbol;
  const char* smallPower;
};

constexpr PrefixRow kPrefixes[] = {
    {"yotta", "Y", "10^24", "deci", "d", "10^-01"},
    {"zetta", "Z", "10^21", "centi", "c", "10^-02"},
    {"exa", "E", "10^18", "milli", "m", "10^-03"},
    {"peta", "P", "10^15", "micro", "\u00b5", "10^-06"},
    {"tera", "T", "10^12", "nano", "n", "10^-09"},
    {"giga", "G", "10^09", "pico", "p", "10^-12"},
    {"mega", "M", "10^06", "femto", "f", "10^-15"},
    {"kilo", "k", "10^03", "atto", "a", "10^-18"},
    {"hecto", "h", "10^02", "zepto", "z", "10^-21"},
    {"deka", "da", "10^01", "yocto", "y", "10^-24"},
};

std::string Column(const char* PrefixRow::*field) {
  std::string text;
  for (const PrefixRow& row : kPrefixes) {
    if (!text.empty()) text += "\r\n";
    text += row.*field;
  }
  return text;
}

}  // namespace

void ClearSelectorHighlights(MainWindow* w) {
  for (Control* selector :
       {w->LengthSelector, w->AreaSelector, w->CapacitySelector, w->WeightSelector, w->TempSelector,
        w->PrefixesSelector, w->SpeedSelector, w->PaperSelector})
    controls::SetColor(selector, kWhite);
}

void FillUnitLists(MainWindow* window, int lastRow) {
  using namespace controls;
  Hide(window->PrefixesPage);
  Hide(window->WeightHelpLink);
  Hide(window->PaperHelpLink);
  ClearSelectorHighlights(window);
  for (Control* list : UnitLists(window)) Clear(list);
  for (int row = 0; row <= lastRow; ++row) {
    const std::string name(units::RowAt(CurrentTable, row).Name);
    for (Control* list : UnitLists(window)) AddItem(list, name);
  }
  for (Control* control : LaterRows(window)) SetEnabled(control, true);
  FocusFirstFilledValue(window);
}

void SelectDefaultFromUnits(MainWindow* window, Category category) {
  const PageSetup* page = PageOf(category);
  if (!page) return;
  const std::array<Control*, 3> lists = FromUnits(window);
  for (std::size_t i = 0; i < lists.size(); ++i)
    controls::SetSelectedIndex(lists[i], page->fromRows[i]);
}

void SelectLength(MainWindow* window) { ShowPage(window, Category::Length); }
void SelectArea(MainWindow* window) { ShowPage(window, Category::Area); }
void SelectCapacity(MainWindow* window) { ShowPage(window, Category::Capacity); }
void SelectWeight(MainWindow* window) { ShowPage(window, Category::Weight); }
void SelectTemperature(MainWindow* window) { ShowPage(window, Category::Temperature); }
void SelectSpeed(MainWindow* window) { ShowPage(window, Category::Speed); }
void SelectPaper(MainWindow* window) { ShowPage(window, Category::Paper); }

void SelectPrefixes(MainWindow* window) {
  ClearSelectorHighlights(window);
  Highlight(window->PrefixesSelector);
  CurrentCategory = Category::Prefixes;
  controls::SetVisible(window->PrefixesPage, true);
}

void FillPrefixColumns(MainWindow* w) {
  using controls::SetText;
  SetText(w->LargeNamesColumn, Column(&PrefixRow::largeName));
  SetText(w->LargeSymbolsColumn, Column(&PrefixRow::largeSymbol));
  SetText(w->LargePowersColumn, Column(&PrefixRow::largePower));
  SetText(w->SmallNamesColumn, Column(&PrefixRow::smallName));
  SetText(w->SmallSymbolsColumn, Column(&PrefixRow::smallSymbol));
  SetText(w->SmallPowersColumn, Column(&PrefixRow::smallPower));
}

}  // namespace ui
