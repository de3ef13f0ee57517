// The random user: one step at a time, with real input, on the converter's
// main window, which it builds and shows itself.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "ui/main_window.h"
#include "units/catalogue.h"

namespace soak {

// How long the window must stay without input before a step counts as done.
extern int QuietMilliseconds;

// splitmix64: the same steps for a seed on every platform.
class Random {
 public:
  explicit Random(std::uint64_t seed) : state_(seed) {}
  std::uint64_t Next();
  int Below(int bound);  // 0 <= n < bound
  int Between(int low, int high) { return low + Below(high - low + 1); }
  bool Chance(int percent) { return Below(100) < percent; }

 private:
  std::uint64_t state_;
};

class Driver {
 public:
  explicit Driver(std::uint64_t seed);
  ~Driver();
  Driver(const Driver&) = delete;
  Driver& operator=(const Driver&) = delete;

  // Takes one random step; says what it did.
  std::string Step();
  // What the window shows that it never should, if anything.
  std::optional<std::string> Check();
  // Puts the focus on a button (a field with the focus owns a caret) and lets
  // the window finish what it does later, such as painting: the same state
  // at every sample.
  void Rest();

 private:
  std::string TypeIntoField();
  std::string PasteIntoField();
  std::string ClickSelector();
  std::string PickUnit();
  std::string ToggleOption();
  std::string PickPlaces();
  std::string PressCommand();
  std::string OpenSecondaryWindow();
  std::string PickInList(controls::Control* list);
  void NoteResult();

  Random random_;
  ui::MainWindow* window_ = nullptr;
  units::Category clicked_ = units::Category::Length;  // the selector clicked last
  units::Category resultCategory_ = units::Category::Length;
  std::string lastResult_;
};

}  // namespace soak
