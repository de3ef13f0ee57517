// The About window: the program's name and the regional number symbols in use.
#pragma once

#include <string>
#include <string_view>

#include "controls/control.h"

namespace ui {

using controls::Control;

class AboutWindow : public controls::BaseObject {
 public:
  Control* AboutForm = nullptr;
  Control* ThousandSepValue = nullptr;
  Control* AboutNotice = nullptr;
  Control* RegionalHeading = nullptr;
  Control* AboutTitle = nullptr;
  Control* DecimalSymbolCaption = nullptr;
  Control* ThousandSepCaption = nullptr;
  Control* DecimalSymbolValue = nullptr;
  Control* AboutOkButton = nullptr;
};

enum class SymbolRole { Decimal, Thousand };

// The word shown for a regional symbol (one character, UTF-8).
std::string SymbolName(std::string_view symbol, SymbolRole role);

void BuildAboutWindow(AboutWindow*& window, Control* owner);
void ShowAbout();

}  // namespace ui
