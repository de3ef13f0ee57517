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

struct Selector {
  Category category;
  Ref control;
};

constexpr Selector kSelectors[] = {
    {Category::Length, &M::LengthSelector},     {Category::Area, &M::AreaSelector},
    {Category::Capacity, &M::CapacitySelector}, {Category::Weight, &M::WeightSelector},
    {Category::Temperature, &M::TempSelector},  {Category::Prefixes, &M::PrefixesSelector},
    {Category::Speed, &M::SpeedSelector},       {Category::Paper, &M::PaperSelector},
};

struct HelpLink {
  units::HelpTopic topic;
  Ref control;
};

constexpr HelpLink kHelpLinks[] = {
    {units::HelpTopic::WeightOrMass, &M::WeightHelpLink},
    {units::HelpTopic::PaperWeight, &M::PaperHelpLink},
};

Control* SelectorOf(MainWindow* window, Category category) {
  for (const Selector& selector : kSelectors)
    if (selector.category == category) return window->*selector.control;
  return nullptr;
}

std::array<Control*, units::TermCount> FromUnits(MainWindow* w) {
  return {w->FromUnit1, w->FromUnit2, w->FromUnit3};
}
std::array<Control*, units::TermCount> FromValues(MainWindow* w) {
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

void Highlight(Control* selector) {
  controls::SetColor(selector, kPaleGrey);
  controls::SetAccessibleSelected(selector, true);
}

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

void ShowPrefixes(MainWindow* window) {
  ClearSelectorHighlights(window);
  Highlight(window->PrefixesSelector);
  window->CurrentCategory = Category::Prefixes;
  controls::SetVisible(window->PrefixesPage, true);
}

void OnSelector(void* context, Control* sender) {
  auto* window = static_cast<MainWindow*>(context);
  for (const Selector& selector : kSelectors)
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

void ClearSelectorHighlights(MainWindow* window) {
  for (const Selector& selector : kSelectors) {
    controls::SetColor(window->*selector.control, kWhite);
    controls::SetAccessibleSelected(window->*selector.control, false);
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
  const std::array<Control*, units::TermCount> lists = FromUnits(window);
  for (std::size_t i = 0; i < lists.size(); ++i)
    controls::SetSelectedIndex(lists[i], info.DefaultFrom[i]);
}

void SelectCategory(MainWindow* window, Category category) {
  if (units::Describe(category).Measured)
    ShowPage(window, category);
  else
    ShowPrefixes(window);
}

void BindSelectors(MainWindow* window) {
  for (const Selector& selector : kSelectors)
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
