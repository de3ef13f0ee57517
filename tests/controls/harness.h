// Shared helpers for the control layer's tests: they drive real windows of
// whichever back end is linked, through the layer and the seam only.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/application.h"
#include "controls/control.h"
#include "controls/fonts.h"
#include "controls/kinds.h"
#include "controls/native/native.h"
#include "controls/native/win_defs.h"
#include "controls/properties.h"

namespace controls::testing {

inline std::vector<std::string>& Log() {
  static std::vector<std::string> log;
  return log;
}

// A handler that writes its text to the log.
inline NotifyEvent Record(const char* what) {
  return {[](void* context, Control*) { Log().push_back(static_cast<const char*>(context)); },
          const_cast<char*>(what)};
}

inline void Pump() {
  bool terminated = AppTerminated;
  ProcessMessages(nullptr);
  AppTerminated = terminated;
}

inline native::LResult Send(Control* control, std::uint32_t message, native::WParam wParam = 0,
                            native::LParam lParam = 0) {
  return native::SendMessage(control->window, message, wParam, lParam);
}

inline native::LParam PointParam(int x, int y) {
  return static_cast<native::LParam>((static_cast<std::uint32_t>(y) << 16) | static_cast<std::uint16_t>(x));
}

// A left click as the system delivers it to the window under the pointer.
inline void Click(Control* control, int x = 3, int y = 3) {
  Send(control, native::WM_LBUTTONDOWN, 1, PointParam(x, y));
  Send(control, native::WM_LBUTTONUP, 0, PointParam(x, y));
  Pump();
}

inline void Type(Control* control, const std::string& text) {
  for (char c : text) Send(control, native::WM_CHAR, static_cast<unsigned char>(c), 1);
}

// Each test starts from a layer with no application and its own id counter.
class WindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Reset();
    Log().clear();
  }

  void TearDown() override {
    for (auto it = forms_.rbegin(); it != forms_.rend(); ++it) Free(*it);
    forms_.clear();
    Reset();
    Pump();
  }

  // A parentless form that the fixture frees at the end.
  Control* NewForm(const std::string& caption = "form") {
    Control* form = CreateForm(nullptr, caption);
    SetPosition(form, 40, 40);
    SetSize(form, 400, 300);
    forms_.push_back(form);
    return form;
  }

  // The test freed the form itself.
  void Forget(Control* form) { std::erase(forms_, form); }

  // Creates every window, shows the form and gives it the focus.
  void ShowForm(Control* form) {
    Show(form);
    native::SetForegroundWindow(form->window);
    Pump();
  }

  static void Reset() {
    AppWindow = nullptr;
    AppRunning = 0;
    AppTerminated = false;
    NextControlId = kFirstControlId;
    IdleHook = nullptr;
  }

 private:
  std::vector<Control*> forms_;
};

}  // namespace controls::testing
