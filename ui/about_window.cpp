#include "ui/about_window.h"

#include <span>

#include "controls/fonts.h"
#include "controls/kinds.h"
#include "controls/properties.h"
#include "platform/number_symbols.h"
#include "ui/palette.h"
#include "ui/secondary_window.h"

namespace ui {

namespace {

using Ref = Control* AboutWindow::*;

struct LabelPlace {
  Ref self;
  const char* text;
  int left, top, width;
};

constexpr int kLabelHeight = 17;

// In creation order; the title, a shadow label, is made between them.
constexpr LabelPlace kLabelsBeforeTitle[] = {
    {&AboutWindow::ThousandSepValue, "<Comma>", 136, 92, 87},
    {&AboutWindow::AboutNotice, "Written by the Zurmet developers.", 8, 120, 217},
    {&AboutWindow::RegionalHeading, "Your Regional Options:", 8, 56, 153},
};
constexpr LabelPlace kLabelsAfterTitle[] = {
    {&AboutWindow::DecimalSymbolCaption, "Decimal symbol:", 24, 75, 89},
    {&AboutWindow::ThousandSepCaption, "Thousand separator:", 24, 92, 113},
    {&AboutWindow::DecimalSymbolValue, "<Point>", 136, 75, 89},
};

void CreateLabels(AboutWindow* window, std::span<const LabelPlace> labels) {
  using namespace controls;
  for (const LabelPlace& place : labels) {
    Control* label = CreateLabel(window->AboutForm, place.text);
    SetBounds(label, {place.left, place.top, place.left + place.width, place.top + kLabelHeight});
    SetFontHeight(GetFont(label), 8);
    window->*place.self = label;
  }
}

struct SymbolWord {
  std::string_view symbol;
  const char* asDecimal;
  const char* asThousand;
};

// A no-break space is what most systems give for a "space" separator; shown
// as itself it would read as nothing at all.
constexpr SymbolWord kSymbolWords[] = {
    {".", "Period", "Period"},     {",", "Comma", "Comma"},       {" ", " ", "Space"},
    {"\u00a0", "\u00a0", "Space"}, {"\u202f", "\u202f", "Space"},
};

}  // namespace

std::string SymbolName(std::string_view symbol, SymbolRole role) {
  for (const SymbolWord& word : kSymbolWords)
    if (word.symbol == symbol)
      return role == SymbolRole::Decimal ? word.asDecimal : word.asThousand;
  return std::string(symbol);
}

void BuildAboutWindow(AboutWindow*& window, Control* owner) {
  using namespace controls;
  window = NewObject<AboutWindow>();
  window->AboutForm = CreateSecondaryForm(owner, window, "About", 227, 167, kLightGrey);
  CreateLabels(window, kLabelsBeforeTitle);

  Control* title = CreateShadowLabel(window->AboutForm, "Zurmet v. 1.0", 2);
  window->AboutTitle = title;
  SetBounds(title, {62, 8, 62 + 107, 8 + 40});
  SetFontFace(GetFont(title), "Arial");
  SetFontStyle(GetFont(title), kFontBold);
  SetTextAlign(title, TextAlign::Left);
  SetVerticalAlign(title, VerticalAlign::Top);
  SetShadowColor(title, kDarkGrey);

  CreateLabels(window, kLabelsAfterTitle);
  window->AboutOkButton = CreateButton(window->AboutForm, "OK");
  SetPosition(window->AboutOkButton, 85, 144);
  SetFontHeight(GetFont(window->AboutOkButton), 8);
  BindOkButton(window->AboutOkButton);
  FinishSecondaryForm(window->AboutForm);
}

void ShowAbout() {
  const std::string decimalName = SymbolName(platform::DecimalSymbol(), SymbolRole::Decimal);
  const std::string thousandName = SymbolName(platform::ThousandSeparator(), SymbolRole::Thousand);
  AboutWindow* window = nullptr;
  BuildAboutWindow(window, controls::AppWindow);
  controls::SetText(window->DecimalSymbolValue, "<" + decimalName + ">");
  controls::SetText(window->ThousandSepValue, "<" + thousandName + ">");
  ShowAndDestroy(window->AboutForm);
}

}  // namespace ui
