#include "ui/pages.h"

#include <array>
#include <string>

#include "controls/fonts.h"
#include "controls/properties.h"
#include "ui/palette.h"

namespace ui {

namespace {

using units::Category;
using M = MainWindow;
using Ref = Control* M::*;

constexpr SelectorPlace kSelectorBar[] = {
    {Category::Area, &M::AreaSelector, 50, 35},
    {Category::Capacity, &M::CapacitySelector, 86, 50},
    {Category::Weight, &M::WeightSelector, 138, 50},
    {Category::Length, &M::LengthSelector, 6, 43},
    {Category::Prefixes, &M::PrefixesSelector, 320, 50},
    {Category::Speed, &M::SpeedSelector, 230, 50},
    {Category::Temperature, &M::TempSelector, 186, 47},
    {Category::Paper, &M::PaperSelector, 275, 47},
};

struct HelpLink {
  units::HelpTopic topic;
  Ref control;
};

constexpr HelpLink kHelpLinks[] = {
    {units::HelpTopic::WeightOrMass, &M::WeightHelpLink},
    {units::HelpTopic::PaperWeight, &M::PaperHelpLink},
};

std::array<Control*, 6> UnitLists(MainWindow* w) {
  return {w->FromUnit1, w->FromUnit2, w->FromUnit3, w->ToUnit1, w->ToUnit2, w->ToUnit3};
}
// The controls of the second and third rows, usable only where a quantity
// can have several parts.
std::array<Control*, 6> LaterRows(MainWindow* w) {
  return {w->FromValue2, w->FromValue3, w->FromUnit2, w->FromUnit3, w->ToUnit2, w->ToUnit3};
}

void Highlight(Control* selector) {
  controls::SetColor(selector, kPaleGrey);
  controls::SetAccessibleSelected(selector, true);
}

// Typing goes on where the user left a value; a field the page disabled
// cannot take the keys.
void FocusFirstFilledValue(MainWindow* window) {
  for (Control* field : window->FromValues()) {
    if (controls::IsEnabled(field) && !controls::GetText(field).empty()) {
      controls::Focus(field, true);
      return;
    }
  }
  controls::Focus(window->FromValue1, true);
}

void ShowPage(MainWindow* window, Category category) {
  const units::CategoryInfo& info = units::Describe(category);
  window->CurrentTable = info.Table;
  FillUnitLists(window, units::RowCount(category) - 1);
  SelectDefaultFromUnits(window, category);
  if (info.DefaultTo != 0) controls::SetSelectedIndex(window->ToUnit1, info.DefaultTo);
  if (info.InputRows < units::TermCount) {
    for (Control* control : LaterRows(window)) controls::SetEnabled(control, false);
    // The refill may have put the focus in a field that is now disabled.
    FocusFirstFilledValue(window);
  }
  for (const HelpLink& link : kHelpLinks)
    if (link.topic == info.Help) controls::SetVisible(window->*link.control, true);
  window->CurrentCategory = category;
  Highlight(SelectorOf(window, category));
}

// The reference page of a category without units covers the conversion.
void ShowPrefixes(MainWindow* window, Category category) {
  ClearSelectorHighlights(window);
  Highlight(SelectorOf(window, category));
  window->CurrentCategory = category;
  controls::SetVisible(window->PrefixesPage, true);
}

void OnSelector(void* context, Control* sender) {
  auto* window = static_cast<MainWindow*>(context);
  for (const SelectorPlace& selector : kSelectorBar)
    if (window->*selector.control == sender) SelectCategory(window, selector.category);
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

std::span<const SelectorPlace> SelectorBar() { return kSelectorBar; }

Control* SelectorOf(MainWindow* window, Category category) {
  for (const SelectorPlace& selector : kSelectorBar)
    if (selector.category == category) return window->*selector.control;
  return nullptr;
}

void ClearSelectorHighlights(MainWindow* window) {
  // In the categories' order: the first page shown makes the selectors'
  // windows here, one by one, and that order decides which of two lies on
  // top where they meet.
  for (const units::CategoryInfo& category : units::AllCategories()) {
    Control* selector = SelectorOf(window, category.Id);
    controls::SetColor(selector, kWhite);
    controls::SetAccessibleSelected(selector, false);
  }
}

void FillUnitLists(MainWindow* window, int lastRow) {
  using namespace controls;
  Hide(window->PrefixesPage);
  for (const HelpLink& link : kHelpLinks) Hide(window->*link.control);
  ClearSelectorHighlights(window);
  for (Control* list : UnitLists(window)) Clear(list);
  for (int row = 0; row <= lastRow; ++row) {
    const std::string name(units::RowAt(window->CurrentTable, row).Name);
    for (Control* list : UnitLists(window)) AddItem(list, name);
  }
  for (Control* control : LaterRows(window)) SetEnabled(control, true);
  FocusFirstFilledValue(window);
}

void SelectDefaultFromUnits(MainWindow* window, Category category) {
  const units::CategoryInfo& info = units::Describe(category);
  if (!info.Measured) return;
  const std::array<Control*, units::TermCount> lists = window->FromUnits();
  for (std::size_t i = 0; i < lists.size(); ++i)
    controls::SetSelectedIndex(lists[i], info.DefaultFrom[i]);
}

void SelectCategory(MainWindow* window, Category category) {
  if (units::Describe(category).Measured)
    ShowPage(window, category);
  else
    ShowPrefixes(window, category);
}

void BindSelectors(MainWindow* window) {
  for (const SelectorPlace& selector : kSelectorBar)
    (window->*selector.control)->events.OnClick = {OnSelector, window};
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
