// The help window of the Weight and Paper pages.
#pragma once

#include "controls/control.h"
#include "units/catalogue.h"

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
// Shows the help on a topic modally over the main window; nothing for none.
void ShowTopicHelp(units::HelpTopic topic);

// The texts, laid out by hand for the label, which does not wrap.
extern const char* const WeightHelpText;
extern const char* const PaperHelpText;

}  // namespace ui
