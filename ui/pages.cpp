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
std::string Column(std::string_view units::PrefixRow::*field) {
  std::string text;
  for (const units::PrefixRow& row : units::MetricPrefixes()) {
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
  for (const units::CategoryInfo& category : units::WindowCategories()) {
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
  SetText(w->LargeNamesColumn, Column(&units::PrefixRow::LargeName));
  SetText(w->LargeSymbolsColumn, Column(&units::PrefixRow::LargeSymbol));
  SetText(w->LargePowersColumn, Column(&units::PrefixRow::LargePower));
  SetText(w->SmallNamesColumn, Column(&units::PrefixRow::SmallName));
  SetText(w->SmallSymbolsColumn, Column(&units::PrefixRow::SmallSymbol));
  SetText(w->SmallPowersColumn, Column(&units::PrefixRow::SmallPower));
}

}  // namespace ui
