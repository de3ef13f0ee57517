// How long the main window takes to handle one click on "Convert" at its
// most expensive: three full value fields over the widest factors, three
// targets, 30 places, for every combination of the three result options.
// Each click is a real button press through the window procedure. Besides
// the whole press, the handler is timed from the moment the button reports
// the click to the moment the result text reaches the result box: reading
// the window, converting and formatting. The rest is the system's button and
// edit control drawing themselves, reported with the repaint that follows.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "controls/application.h"
#include "controls/native/native.h"
#include "controls/native/win_defs.h"
#include "controls/properties.h"
#include "ui/main_window.h"
#include "ui/pages.h"

namespace {

using Clock = std::chrono::steady_clock;
using controls::Control;

// 35 characters, the most a value field holds.
const std::string FullField = "1234567890123456789012345678901.234";

struct Case {
  const char* name;
  units::Category category;
  int from[3];
  int to[3];
};

// Length: light years, astronomical units, angstroms. Paper: the 37-digit
// factors (the second and third rows cannot be chosen by hand there, so
// this bounds what a user can reach).
const Case kCases[] = {
    {"length", units::Category::Length, {32, 14, 13}, {32, 14, 13}},
    {"paper", units::Category::Paper, {28, 5, 1}, {28, 6, 1}},
};

constexpr int kClicks = 300;

Clock::time_point ClickArrived, ResultArrived;

// The layer hands a button its click as this message, from the parent's
// WM_COMMAND.
constexpr std::uint32_t kCommandNotice = 0xB005;

bool NoteClickArrival(Control*, controls::Message& message, native::LResult&) {
  if (message.message == kCommandNotice) ClickArrived = Clock::now();
  return false;
}

// Before the edit control itself sees the text.
bool NoteResultArrival(Control*, controls::Message& message, native::LResult&) {
  if (message.message == native::WM_SETTEXT) ResultArrived = Clock::now();
  return false;
}

double Micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

void ClickConvert(Control* button) {
  const native::LParam at = (5 << 16) | 5;
  native::SendMessage(button->window, native::WM_LBUTTONDOWN, 1, at);
  native::SendMessage(button->window, native::WM_LBUTTONUP, 0, at);
}

struct Summary {
  double median, worst;
};

Summary Summarise(std::vector<double> samples) {
  std::sort(samples.begin(), samples.end());
  return {samples[samples.size() / 2], samples.back()};
}

void Prepare(ui::MainWindow* w, const Case& c, int optionBits) {
  ui::SelectCategory(w, c.category);
  Control* values[] = {w->FromValue1, w->FromValue2, w->FromValue3};
  Control* from[] = {w->FromUnit1, w->FromUnit2, w->FromUnit3};
  Control* to[] = {w->ToUnit1, w->ToUnit2, w->ToUnit3};
  for (int i = 0; i < 3; ++i) {
    controls::SetText(values[i], FullField);
    controls::SetSelectedIndex(from[i], c.from[i]);
    controls::SetSelectedIndex(to[i], c.to[i]);
  }
  controls::SetSelectedIndex(w->DecimalsCombo, 30);
  controls::SetChecked(w->RoundUpCheck, (optionBits & 1) != 0);
  controls::SetChecked(w->ThousandSepCheck, (optionBits & 2) != 0);
  controls::SetChecked(w->ExpCheck, (optionBits & 4) != 0);
}

}  // namespace

int main() {
  ui::MainWindow* window = nullptr;
  ui::BuildMainWindow(window, nullptr);
  controls::Show(window->MainForm);
  controls::ProcessMessages(nullptr);

  std::printf("times in microseconds\n");
  std::printf("%-7s %-7s %21s %21s %12s %6s\n", "case", "options", "click: median/worst",
              "handler: median/worst", "repaint med", "chars");
  double worstClick = 0, worstOwn = 0;
  controls::AttachHook(window->ResultBox, NoteResultArrival);
  controls::AttachHook(window->ConvertButton, NoteClickArrival);
  for (const Case& c : kCases) {
    for (int bits = 0; bits < 8; ++bits) {
      Prepare(window, c, bits);
      controls::ProcessMessages(nullptr);
      std::vector<double> clicks, own, repaints;
      for (int i = 0; i < kClicks; ++i) {
        const Clock::time_point start = Clock::now();
        ClickConvert(window->ConvertButton);
        const Clock::time_point handled = Clock::now();
        controls::ProcessMessages(nullptr);
        clicks.push_back(Micros(handled - start));
        own.push_back(Micros(ResultArrived - ClickArrived));
        repaints.push_back(Micros(Clock::now() - handled));
      }
      const std::string result = controls::GetText(window->ResultBox);
      const Summary click = Summarise(clicks);
      const Summary ownWork = Summarise(own);
      worstClick = std::max(worstClick, click.worst);
      worstOwn = std::max(worstOwn, ownWork.worst);
      std::printf("%-7s %c%c%c     %10.1f %10.1f %10.1f %10.1f %12.1f %6zu\n", c.name,
                  bits & 1 ? 'R' : '-', bits & 2 ? 'S' : '-', bits & 4 ? 'E' : '-', click.median,
                  click.worst, ownWork.median, ownWork.worst, Summarise(repaints).median,
                  result.size());
    }
  }
  std::printf(
      "worst of all, in us: click %.1f, handler %.1f (%d clicks per row; R round up, S separators, "
      "E exponent form)\n",
      worstClick, worstOwn, kClicks);
  controls::Free(window->MainForm);
  return 0;
}
