#include "ui/commands.h"

#include <array>

#include "controls/fonts.h"
#include "controls/properties.h"
#include "platform/number_symbols.h"
#include "platform/utf8.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "ui/pages.h"
#include "ui/palette.h"
#include "units/convert.h"
#include "units/suggest.h"
#include "units/value_input.h"

namespace ui {

namespace {

using controls::GetSelectedIndex;
using controls::SetSelectedIndex;
using controls::SetText;
using units::TermCount;

void ClearValues(MainWindow* window) {
  for (Control* field : window->FromValues()) SetText(field, "");
}

units::Quantity ReadQuantity(MainWindow* window) {
  units::Quantity quantity;
  for (int i = 0; i < TermCount; ++i) {
    quantity.Values[i] = controls::GetText(window->FromValues()[i]);
    quantity.From[i] = GetSelectedIndex(window->FromUnits()[i]);
    quantity.To[i] = GetSelectedIndex(window->ToUnits()[i]);
  }
  return quantity;
}

units::ResultOptions ReadOptions(MainWindow* window) {
  units::ResultOptions options;
  options.Places = GetSelectedIndex(window->DecimalsCombo);
  options.RoundUp = controls::GetChecked(window->RoundUpCheck);
  options.ThousandSeparators = controls::GetChecked(window->ThousandSepCheck);
  options.ExponentForm = controls::GetChecked(window->ExpCheck);
  return options;
}

void Suggest(MainWindow* window, units::UnitSystem system) {
  const std::array<int, TermCount> rows =
      units::SuggestUnits(system, window->CurrentCategory, ReadQuantity(window));
  for (int i = 0; i < TermCount; ++i) SetSelectedIndex(window->ToUnits()[i], rows[i]);
}

// Sees every character typed into a value field before the field does.
void FilterValueKey(void* context, Control* field, controls::WParam& key, std::uint32_t) {
  const auto* window = static_cast<MainWindow*>(context);
  // A UTF-16 surrogate half is never part of a number.
  const bool surrogate = key >= 0xD800 && key <= 0xDFFF;
  const units::KeyFilterResult result =
      units::FilterValueKey(window->CurrentCategory, controls::GetText(field),
                            surrogate ? 0 : static_cast<char32_t>(key));
  if (result.NewText) {
    SetText(field, *result.NewText);
    // The caret would otherwise sit before the sign that was just put in front.
    const auto end = static_cast<int>(result.NewText->size());
    controls::SetSelection(field, end, end);
  }
  key = result.Key;
}

void ShowPageHelp(MainWindow* window) {
  ShowTopicHelp(units::Describe(window->CurrentCategory).Help);
}

void HighlightAboutLink(void*, Control* link, controls::MouseRecord&) {
  controls::SetFontColor(controls::GetFont(link), kRed);
}

void UnhighlightAboutLink(void*, Control* link) {
  controls::SetFontColor(controls::GetFont(link), kBlack);
}

template <void (*Command)(MainWindow*)>
void On(void* context, Control*) {
  Command(static_cast<MainWindow*>(context));
}

template <void (*Command)()>
void OnPlain(void*, Control*) {
  Command();
}

using M = MainWindow;
using Ref = Control* M::*;
using Events = controls::ControlEvents;

struct NotifyBinding {
  Ref control;
  controls::NotifyEvent Events::*event;
  controls::NotifyEvent::Code handler;
};

constexpr auto Click = &Events::OnClick;

constexpr NotifyBinding kBindings[] = {
    {&M::WeightHelpLink, Click, On<ShowPageHelp>},
    {&M::PaperHelpLink, Click, On<ShowPageHelp>},
    {&M::AboutLink, Click, OnPlain<ShowAbout>},
    {&M::ConvertButton, Click, On<RunConvert>},
    {&M::RoundUpCheck, Click, On<RunConvert>},
    {&M::ThousandSepCheck, Click, On<RunConvert>},
    {&M::ExpCheck, Click, On<RunConvert>},
    {&M::DecimalsCombo, &Events::OnChange, On<RunConvert>},
    {&M::ResetButton, Click, On<ResetInputs>},
    {&M::ClearFromButton, Click, On<ClearFromInputs>},
    {&M::ClearToButton, Click, On<ClearToUnits>},
    {&M::MetricButton, Click, On<SuggestMetricUnits>},
    {&M::USButton, Click, On<SuggestUsUnits>},
};

}  // namespace

void ResetInputs(MainWindow* window) {
  SetSelectedIndex(window->FromUnit2, 0);
  SetSelectedIndex(window->FromUnit3, 0);
  ClearValues(window);
  SelectDefaultFromUnits(window, window->CurrentCategory);
}

void ClearFromInputs(MainWindow* window) {
  for (Control* list : window->FromUnits()) SetSelectedIndex(list, 0);
  ClearValues(window);
}

void ClearToUnits(MainWindow* window) {
  for (Control* list : window->ToUnits()) SetSelectedIndex(list, 0);
}

void RunConvert(MainWindow* window) {
  const units::Category category = window->CurrentCategory;
  if (!units::Describe(category).Measured) return;  // the Result field keeps its text
  const units::Quantity quantity = ReadQuantity(window);
  const units::ResultOptions options = ReadOptions(window);
  const platform::NumberSymbols& symbols = platform::RegionalSymbols();
  std::string result;
  if (category == units::Category::Temperature) {
    result = units::ConvertTemperature(quantity.Values[0], quantity.From[0], quantity.To[0],
                                       options, symbols);
  } else if (units::NoValue(quantity)) {
    result = units::ErrorText;
  } else {
    result = units::ConvertLinear(window->CurrentTable, quantity, options, symbols);
  }
  SetText(window->ResultBox, result);
}

void SuggestUsUnits(MainWindow* window) { Suggest(window, units::UnitSystem::Us); }
void SuggestMetricUnits(MainWindow* window) { Suggest(window, units::UnitSystem::Metric); }

void BindMainWindowEvents(MainWindow* window) {
  for (const NotifyBinding& binding : kBindings)
    (window->*binding.control)->events.*binding.event = {binding.handler, window};
  BindSelectors(window);
  for (Control* field : window->FromValues()) field->events.OnKeyChar = {FilterValueKey, window};
  controls::SetMouseEvent(window->AboutLink, &Events::OnMouseMove, {HighlightAboutLink, window});
  controls::SetMouseLeaveEvent(window->AboutLink, {UnhighlightAboutLink, window});
}

}  // namespace ui
