// The converter's main window: its record and its construction.
#pragma once

#include <array>

#include "controls/control.h"
#include "units/catalogue.h"

namespace ui {

using controls::Control;

// Every control of the main window by name; the context of its handlers.
// The form owns it through its auto-free list.
class MainWindow : public controls::BaseObject {
 public:
  Control* MainForm = nullptr;

  Control* BackgroundPanel = nullptr;
  Control* CategoryBar = nullptr;
  Control* ConversionPanel = nullptr;
  Control* ResultPanel = nullptr;
  Control* PrefixesPage = nullptr;
  Control* PrefixTablePanel = nullptr;
  Control* PrefixDivider = nullptr;

  Control* AboutLink = nullptr;
  Control* LengthSelector = nullptr;
  Control* AreaSelector = nullptr;
  Control* CapacitySelector = nullptr;
  Control* WeightSelector = nullptr;
  Control* TempSelector = nullptr;
  Control* SpeedSelector = nullptr;
  Control* PaperSelector = nullptr;
  Control* PrefixesSelector = nullptr;

  Control* FromGroup = nullptr;
  Control* FromValue1 = nullptr;
  Control* FromValue2 = nullptr;
  Control* FromValue3 = nullptr;
  Control* FromUnit1 = nullptr;
  Control* FromUnit2 = nullptr;
  Control* FromUnit3 = nullptr;
  Control* ResetButton = nullptr;
  Control* ClearFromButton = nullptr;
  Control* WeightHelpLink = nullptr;
  Control* PaperHelpLink = nullptr;

  Control* ToGroup = nullptr;
  Control* ToUnit1 = nullptr;
  Control* ToUnit2 = nullptr;
  Control* ToUnit3 = nullptr;
  Control* ClearToButton = nullptr;
  Control* MetricButton = nullptr;
  Control* USButton = nullptr;

  Control* ResultGroup = nullptr;
  Control* ResultBox = nullptr;
  Control* DecimalsLabel = nullptr;
  Control* DecimalsCombo = nullptr;
  Control* RoundUpCheck = nullptr;
  Control* ThousandSepCheck = nullptr;
  Control* ExpCheck = nullptr;
  Control* ConvertButton = nullptr;

  Control* PrefixesGroup = nullptr;
  Control* PrefixesNote1 = nullptr;
  Control* PrefixesNote2 = nullptr;
  Control* LargeNamesColumn = nullptr;
  Control* LargeSymbolsColumn = nullptr;
  Control* LargePowersColumn = nullptr;
  Control* SmallNamesColumn = nullptr;
  Control* SmallSymbolsColumn = nullptr;
  Control* SmallPowersColumn = nullptr;

  Control* StyleKeeperButton = nullptr;

  // The rows of the "Convert From" and "Convert To" groups, top first.
  std::array<Control*, units::TermCount> FromValues() const {
    return {FromValue1, FromValue2, FromValue3};
  }
  std::array<Control*, units::TermCount> FromUnits() const {
    return {FromUnit1, FromUnit2, FromUnit3};
  }
  std::array<Control*, units::TermCount> ToUnits() const { return {ToUnit1, ToUnit2, ToUnit3}; }

  // The category on show and the table in its unit lists; written only by
  // the selectors. Prefixes keeps the table of the page before it.
  units::Category CurrentCategory = units::Category::Length;
  units::UnitTable CurrentTable;
};

// Builds the whole main window into `window` (the form is `window->MainForm`)
// and puts it into its start state. The windows themselves are made when
// the form is first shown.
void BuildMainWindow(MainWindow*& window, Control* parent);
void ApplyInitialState(MainWindow* window);

}  // namespace ui
