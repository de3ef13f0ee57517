#include "ui/help_window.h"

#include "controls/fonts.h"
#include "controls/kinds.h"
#include "controls/properties.h"
#include "ui/palette.h"
#include "ui/secondary_window.h"

namespace ui {

const char* const WeightHelpText =
    "Weight is a force in science, but it is a synonym for mass in commercial and every-\r\n"
    "day use. The word \"pound\" also names different units: the pound avoirdupois (lb),\r\n"
    "the pound troy or apothecaries, and the pound force (lbf).\r\n"
    "\r\n"
    "Avoirdupois units are the units of everyday life (food, postage). Since the\r\n"
    "Mendenhall Order of 1893 the pound avoirdupois is defined by the kilogram, and\r\n"
    "in 1959 it was redefined by the national standards institutes of the United States,\r\n"
    "Canada, the United Kingdom, Australia, New Zealand and South Africa.\r\n"
    "\r\n"
    "The United States Code (15 USC 272) gives the national standards institute the\r\n"
    "authority over the national standards of measurement. According to that institute,\r\n"
    "one pound avoirdupois is exactly 0.45359237 kilogram, which is a unit of mass, so\r\n"
    "the pound avoirdupois is officially a unit of mass.\r\n"
    "\r\n"
    "\r\n"
    "Therefore all avoirdupois, troy and apothecaries units are units of mass, and so\r\n"
    "are the units in the drop-down lists.";

const char* const PaperHelpText =
    "\r\n"
    "When a paper type is chosen in the \"Convert From\" list, enter its basic weight in\r\n"
    "pounds. When \"grams/sq. meter\" is chosen, enter the weight in grams instead.\r\n"
    "                                                      _________\r\n"
    "\r\n"
    "Basic weight: the weight in pounds of a ream (500 sheets) of the basic size.\r\n"
    "\r\n"
    "Basic size: a standardised sheet size, which is not the same for all types of paper.\r\n"
    "\r\n"
    "The basic weight does not depend on the size the sheets are actually cut to. For\r\n"
    "instance, a ream of 8 1/2\" x 11\" 20-pound bond paper weighs five pounds, yet its\r\n"
    "basic weight is 20 pounds, because the basic size of bond paper is 17\" x 22\", four\r\n"
    "letter sheets: a ream of 500 sheets of that size weighs 20 pounds. The number in a\r\n"
    "paper's name is therefore its basic weight, whatever size the sheets are cut to.\r\n"
    "\r\n"
    "Outside the United States the weight of paper is usually given in grams per square\r\n"
    "meter (g/m\u00b2).";

void BuildHelpWindow(HelpWindow*& window, Control* owner) {
  using namespace controls;
  window = NewObject<HelpWindow>();
  Control* form = CreateSecondaryForm(owner, window, "Weight or Mass?", 399, 281, kCream);
  window->HelpForm = form;
  SetFontHeight(GetFont(form), 8);

  window->HelpText = CreateLabel(form, "");
  SetBounds(window->HelpText, {8, 32, 8 + 390, 32 + 225});

  Control* title = CreateShadowLabel(form, "", 2);
  window->HelpTitle = title;
  SetBounds(title, {8, 8, 8 + 129, 8 + 40});
  FontObject* titleFont = GetFont(title);
  SetFontFace(titleFont, "Arial");
  SetFontStyle(titleFont, kFontBold);
  SetFontHeight(titleFont, 18);
  SetTextAlign(title, TextAlign::Left);
  SetVerticalAlign(title, VerticalAlign::Top);
  SetShadowColor(title, kSilver);

  window->HelpOkButton = CreateButton(form, "OK");
  SetPosition(window->HelpOkButton, 165, 259);
  BindOkButton(window->HelpOkButton);
  FinishSecondaryForm(form);
}

void ShowTopicHelp(units::HelpTopic topic) {
  if (topic == units::HelpTopic::None) return;
  HelpWindow* window = nullptr;
  BuildHelpWindow(window, controls::AppWindow);
  const bool weight = topic == units::HelpTopic::WeightOrMass;
  controls::SetText(window->HelpText, weight ? WeightHelpText : PaperHelpText);
  controls::SetText(window->HelpTitle, weight ? "Weight or Mass?" : "Paper Weight");
  ShowAndDestroy(window->HelpForm);
}

}  // namespace ui
