#include "ui/pages.h"

#include <array>
#include <string>
#include <string_view>

#include "controls/fonts.h"
#include "controls/properties.h"
#include "ui/palette.h"
#include "units/prefixes.h"

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
std::string Column(std::string_view units::PrefixRow::*field) {
  std::string text;
  for (const units::PrefixRow& row : units::MetricPrefixes()) {
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
    (window->*selector.control)->OnClick = {OnSelector, window};
}

void FillPrefixColumns(MainWindow* w) {
  using controls::SetText;
  SetText(w->LargeNamesColumn, Column(&units::PrefixRow::LargeName));
  SetText(w->LargeSymbolsColumn, Column(&units::PrefixRow::LargeSymbol));
  SetText(w->LargePowersColumn, Column(&units::PrefixRow::LargePower));
  SetText(w->SmallNamesColumn, Column(&units::PrefixRow::SmallName));
  SetText(w->SmallSymbolsColumn, Column(&units::PrefixRow::SmallSymbol));
  SetText(w->SmallPowersColumn, Column(&units::PrefixRow::SmallPower));
}

}  // namespace ui
