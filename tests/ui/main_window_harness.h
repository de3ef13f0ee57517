// The main window as the user meets it: built, shown and driven with real
// keyboard and mouse input, then read back through the control layer.
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "controls/properties.h"
#include "platform/number_symbols.h"
#include "tests/controls/harness.h"
#include "tests/controls/probe.h"
#include "ui/main_window.h"
#include "units/catalogue.h"
#include "user_input.h"

namespace ui::testing {

using controls::Control;
using controls::testing::Pump;
using Ref = Control* MainWindow::*;

// Every page of the window, in the order of the category bar.
inline constexpr units::Category kEveryCategory[] = {
    units::Category::Length, units::Category::Area,        units::Category::Capacity,
    units::Category::Weight, units::Category::Temperature, units::Category::Speed,
    units::Category::Paper,  units::Category::Prefixes};

inline constexpr int kEnd = 0x23, kLeft = 0x25, kUp = 0x26, kDown = 0x28, kReturn = 0x0D,
                     kEscape = 0x1B;

// Handles what the sent input queued and the messages it leads to.
inline void Settle() {
  Pump();
  while (controls::testing::WaitForInput(30)) Pump();
}

// Pumps until the condition holds, waiting for input in between; the deadline
// only ends a wait that nothing would end.
template <class Condition>
bool PumpUntil(Condition condition) {
  for (int round = 0; round < 50 && !condition(); ++round) {
    controls::testing::WaitForInput(100);
    Pump();
  }
  return condition();
}

inline native::Point CentreOf(Control* control) {
  return controls::testing::PointerCentre(control->window);
}

// A left click where the control is on the screen: whatever is on top there
// gets it, so a covered control gets nothing.
inline void ClickOn(Control* control) {
  SendClick(CentreOf(control));
  Settle();
}

inline bool Visible(Control* control) { return native::IsWindowVisible(control->window); }
inline bool HasFocus(Control* control) { return native::GetFocus() == control->window; }

// The text of a unit list's chosen item.
inline std::string Shown(Control* list) {
  return controls::GetItemText(list, controls::GetSelectedIndex(list));
}

inline int IndexOf(Control* list, std::string_view name) {
  for (int i = 0; i < controls::ItemCount(list); ++i)
    if (controls::GetItemText(list, i) == name) return i;
  return -1;
}

// Chooses an item as a user does: a click opens the list, the arrow keys
// walk to the item and Enter takes it.
inline void ChooseItem(Control* list, int index) {
  ClickOn(list);
  for (int at = controls::GetSelectedIndex(list); at != index; at += at < index ? 1 : -1)
    SendKey(at < index ? kDown : kUp);
  SendKey(kReturn);
  Settle();
}

inline void ChooseItem(Control* list, std::string_view name) {
  const int index = IndexOf(list, name);
  if (index < 0) ADD_FAILURE() << "no item " << name;
  ChooseItem(list, index);
}

// Expected results are written with "." and ","; the window shows the
// regional symbols.
inline std::string Regional(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (c == '.')
      out += platform::DecimalSymbol();
    else if (c == ',')
      out += platform::ThousandSeparator();
    else
      out += c;
  }
  return out;
}

class MainWindowTest : public controls::testing::WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    BuildMainWindow(w, nullptr);
    form = w->MainForm;
    // As in the program, whose loop runs while the user works.
    controls::AppRunning = 1;
    controls::Show(form);
    Settle();
  }

  void TearDown() override {
    controls::Free(form);
    WindowTest::TearDown();
  }

  // Clicks the field, puts the caret at its end and types.
  void TypeInto(Ref field, const std::string& text) {
    ClickOn(w->*field);
    SendKey(kEnd);
    SendText(text);
    Settle();
  }

  std::string Result() { return controls::GetText(w->ResultBox); }

  // What the "Convert From" and "Convert To" groups hold: the three values,
  // the three from-units and the three to-units.
  std::array<std::string, 9> Inputs() {
    return {controls::GetText(w->FromValue1),
            controls::GetText(w->FromValue2),
            controls::GetText(w->FromValue3),
            Shown(w->FromUnit1),
            Shown(w->FromUnit2),
            Shown(w->FromUnit3),
            Shown(w->ToUnit1),
            Shown(w->ToUnit2),
            Shown(w->ToUnit3)};
  }

  MainWindow* w = nullptr;
  Control* form = nullptr;
};

}  // namespace ui::testing
