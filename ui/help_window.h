// The help window of the Weight and Paper pages.
#pragma once

#include "controls/control.h"

namespace ui {

using controls::Control;

class HelpWindow : public controls::BaseObject {
 public:
  Control* HelpForm = nullptr;
  Control* HelpText = nullptr;
  Control* HelpTitle = nullptr;
  Control* HelpOkButton = nullptr;
};

// Builds the window, hidden, owned by `owner`.
void BuildHelpWindow(HelpWindow*& window, Control* owner);
// Shows the help of the current category modally over the main window.
void ShowTopicHelp();

// The texts, laid out by hand for the label, which does not wrap.
extern const char* const WeightHelpText;
extern const char* const PaperHelpText;

}  // namespace ui
