#include "driver.h"

#include <cstring>
#include <utility>
#include <vector>

#include "checks.h"
#include "controls/application.h"
#include "controls/native/win_defs.h"
#include "controls/properties.h"
#include "platform/number_symbols.h"
#include "tests/controls/probe.h"
#include "tests/ui/user_input.h"
#include "ui/pages.h"
#include "ui/palette.h"
#include "units/value_input.h"

namespace soak {

// Qt hands the probes' input over at once; Win32's comes through the system.
#ifdef _WIN32
int QuietMilliseconds = 5;
#else
int QuietMilliseconds = 2;
#endif

namespace {

using controls::Control;
using ui::MainWindow;
using units::Category;
using M = MainWindow;
using Ref = Control* M::*;

constexpr int kBackspace = 0x08, kTab = 0x09, kReturn = 0x0D, kShift = 0x10, kEscape = 0x1B,
              kSpace = 0x20, kPageUp = 0x21, kPageDown = 0x22, kEnd = 0x23, kHome = 0x24,
              kLeft = 0x25, kUp = 0x26, kRight = 0x27, kDown = 0x28, kInsert = 0x2D, kDelete = 0x2E;

// A message the main window answers by noting it: proof that it still runs.
constexpr std::uint32_t kPing = 0x8123;
bool pinged = false;

bool NotePing(Control*, controls::Message& message, controls::LResult&) {
  if (message.message != kPing) return false;
  pinged = true;
  return true;
}

// ---- input --------------------------------------------------------------

void Pump() {
  const bool terminated = controls::AppTerminated;
  controls::ProcessMessages(nullptr);
  controls::AppTerminated = terminated;
}

// Handles what the input queued and what it led to, until the window is quiet.
void Settle() {
  Pump();
  while (controls::testing::WaitForInput(QuietMilliseconds)) Pump();
}

native::Point CentreOf(Control* control) {
  return controls::testing::PointerCentre(control->window);
}

void ClickOn(Control* control) {
  ui::testing::SendClick(CentreOf(control));
  Settle();
}

void Press(int virtualKey) {
  ui::testing::SendKey(virtualKey);
  Settle();
}

bool ListOpen(Control* list) {
  return native::SendMessage(list->window, native::CB_GETDROPPEDSTATE, 0, 0) != 0;
}

// ---- what a person types ------------------------------------------------

constexpr const char* kDigits = "0123456789";
constexpr const char* kOthers = "abcxyzE+-.,/ ";
constexpr const char* kForeign[] = {"\u00b5", "\u00e9",     "\u00b2", "\u20ac",
                                    "\u4e2d", "\U0001F600", "\u00a0"};
constexpr int kControlKeys[] = {kBackspace, kBackspace, kLeft, kRight,  kHome,
                                kEnd,       kDelete,    kTab,  kReturn, kEscape};

std::string RandomCharacter(Random& random) {
  const int kind = random.Below(10);
  if (kind < 5) return std::string(1, kDigits[random.Below(10)]);
  if (kind < 9)
    return std::string(1, kOthers[random.Below(static_cast<int>(std::strlen(kOthers)))]);
  return kForeign[random.Below(static_cast<int>(std::size(kForeign)))];
}

std::string RandomText(Random& random, int length) {
  std::string text;
  for (int i = 0; i < length; ++i) text += RandomCharacter(random);
  return text;
}

// ---- the window ---------------------------------------------------------

constexpr Ref kValueFields[] = {&M::FromValue1, &M::FromValue2, &M::FromValue3};
constexpr Ref kUnitLists[] = {&M::FromUnit1, &M::FromUnit2, &M::FromUnit3,
                              &M::ToUnit1,   &M::ToUnit2,   &M::ToUnit3};
// The second and third rows, which single-value pages disable.
constexpr Ref kLaterRows[] = {&M::FromValue2, &M::FromValue3, &M::FromUnit2,
                              &M::FromUnit3,  &M::ToUnit2,    &M::ToUnit3};
constexpr Ref kOptions[] = {&M::RoundUpCheck, &M::ExpCheck, &M::ThousandSepCheck};
constexpr Ref kCommands[] = {&M::ConvertButton, &M::USButton,        &M::MetricButton,
                             &M::ResetButton,   &M::ClearFromButton, &M::ClearToButton};

// The page takes fewer values than a quantity may have: the later rows are off.
bool FewerRows(Category category) { return units::Describe(category).InputRows < units::TermCount; }

bool Shows(Control* control) { return control->window && native::IsWindowVisible(control->window); }

// ---- the help and About windows, seen from inside their modal loop -------

enum class Closer { OkButton, Caption, Escape, Enter, Space };
constexpr const char* kCloserNames[] = {"OK", "the caption's close button", "Esc", "Enter",
                                        "Space"};

struct ModalVisit {
  Closer closer = Closer::OkButton;
  int opened = 0;
  int modalCode = 0;
  std::string fault;
};

ModalVisit visit;

Control* OkButtonOf(Control* form) {
  for (int i = 0; i < controls::ChildCount(form); ++i) {
    Control* child = controls::Child(form, i);
    if (controls::GetText(child) == "OK") return child;
  }
  return nullptr;
}

bool StillOpen(Control* modal) { return modal->formPart->modalCode == 0; }

// Esc and Enter are no keys of these windows (their OK button is drawn as the
// default, but Enter in a secondary window does not press it); Space presses
// the OK button, which has the focus.
void Close(Control* modal, Closer closer) {
  Control* ok = OkButtonOf(modal);
  switch (closer) {
    case Closer::OkButton:
      if (ok) ClickOn(ok);
      break;
    case Closer::Caption:
      controls::testing::PressCloseButton(modal->window);
      Settle();
      break;
    case Closer::Escape:
    case Closer::Enter:
      Press(closer == Closer::Escape ? kEscape : kReturn);
      if (!StillOpen(modal)) visit.fault = "the key closed the window";
      Close(modal, closer == Closer::Escape ? Closer::OkButton : Closer::Caption);
      break;
    case Closer::Space:
      Press(kSpace);
      break;
  }
}

void VisitModal(Control* modal) {
  if (!controls::AppWindow || controls::AppWindow->formPart->modalForm != modal ||
      visit.opened++ > 0)
    return;
  if (controls::IsEnabled(controls::AppWindow))
    visit.fault = "the main window takes input while a modal window is open";
  Close(modal, visit.closer);
  visit.modalCode = modal->formPart->modalCode;
  if (StillOpen(modal)) {
    if (visit.fault.empty())
      visit.fault = std::string("no close by ") + kCloserNames[static_cast<int>(visit.closer)];
    controls::EndModal(modal, 1);
  }
}

}  // namespace

// ---- Random -------------------------------------------------------------

std::uint64_t Random::Next() {
  std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ull);
  z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
  z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
  return z ^ (z >> 31);
}

int Random::Below(int bound) {
  return static_cast<int>(Next() % static_cast<std::uint64_t>(bound));
}

// ---- Driver -------------------------------------------------------------

Driver::Driver(std::uint64_t seed) : random_(seed) {
  ui::BuildMainWindow(window_, nullptr);
  controls::AttachHook(window_->MainForm, NotePing);
  // As in the program, whose loop runs while the user works.
  controls::AppRunning = 1;
  controls::IdleHook = VisitModal;
  controls::Show(window_->MainForm);
  Settle();
  lastResult_ = controls::GetText(window_->ResultBox);
}

Driver::~Driver() {
  controls::IdleHook = nullptr;
  controls::Free(window_->MainForm);
  Settle();
}

std::string Driver::Step() {
  struct Choice {
    int weight;
    std::string (Driver::*action)();
  };
  static constexpr Choice kChoices[] = {
      {24, &Driver::TypeIntoField}, {5, &Driver::PasteIntoField},      {10, &Driver::ClickSelector},
      {18, &Driver::PickUnit},      {8, &Driver::ToggleOption},        {6, &Driver::PickPlaces},
      {20, &Driver::PressCommand},  {9, &Driver::OpenSecondaryWindow},
  };
  int total = 0;
  for (const Choice& choice : kChoices) total += choice.weight;
  int pick = random_.Below(total);
  for (const Choice& choice : kChoices) {
    if (pick < choice.weight) {
      std::string what = (this->*choice.action)();
      NoteResult();
      return what;
    }
    pick -= choice.weight;
  }
  return "nothing";
}

// The Result text belongs to the page on which it last changed.
void Driver::NoteResult() {
  const std::string result = controls::GetText(window_->ResultBox);
  if (result == lastResult_) return;
  lastResult_ = result;
  resultCategory_ = clicked_;
}

std::string Driver::TypeIntoField() {
  const int field = random_.Below(3);
  ClickOn(window_->*kValueFields[field]);
  std::string typed;
  const int count = random_.Between(1, 12);
  for (int i = 0; i < count; ++i) {
    if (random_.Chance(12)) {
      const int key = kControlKeys[random_.Below(static_cast<int>(std::size(kControlKeys)))];
      ui::testing::SendKey(key);
      typed += "<" + std::to_string(key) + ">";
    } else {
      const std::string character = RandomCharacter(random_);
      ui::testing::SendText(character);
      typed += character;
    }
  }
  Settle();
  return "type \"" + typed + "\" into value " + std::to_string(field + 1);
}

std::string Driver::PasteIntoField() {
  const int field = random_.Below(3);
  const int length = random_.Chance(70) ? random_.Between(1, 40) : random_.Between(41, 10000);
  ui::testing::SetClipboardText(RandomText(random_, length));
  ClickOn(window_->*kValueFields[field]);
  // Shift+Insert: Ctrl+V is a typed character, which the value fields refuse.
  ui::testing::SendKeyDown(kShift);
  Settle();
  Press(kInsert);
  ui::testing::SendKeyUp(kShift);
  Settle();
  return "paste " + std::to_string(length) + " characters into value " + std::to_string(field + 1);
}

// The pages with units first, then the reference pages: the order in which
// a seed has always picked them, so that an old seed replays the same steps.
static std::vector<Category> PickOrder() {
  std::vector<Category> order;
  for (const bool measured : {true, false})
    for (const units::CategoryInfo& category : units::WindowCategories())
      if (category.Measured == measured) order.push_back(category.Id);
  return order;
}

std::string Driver::ClickSelector() {
  static const std::vector<Category> order = PickOrder();
  const Category chosen =
      order[static_cast<std::size_t>(random_.Below(static_cast<int>(order.size())))];
  ClickOn(ui::SelectorOf(window_, chosen));
  clicked_ = chosen;
  return "select " + std::string(units::CategoryName(chosen));
}

std::string Driver::PickInList(Control* list) {
  const int how = random_.Below(3);
  ClickOn(list);
  std::string what;
  if (how == 0) {
    const int moves = random_.Below(6);
    constexpr int kMoves[] = {kUp, kDown, kDown, kPageUp, kPageDown, kHome, kEnd};
    for (int i = 0; i < moves; ++i)
      ui::testing::SendKey(kMoves[random_.Below(static_cast<int>(std::size(kMoves)))]);
    const bool take = random_.Chance(80);
    Press(take ? kReturn : kEscape);
    what = std::to_string(moves) + " keys and " + (take ? "Enter" : "Esc");
  } else if (how == 1) {
    if (ListOpen(list)) Press(kEscape);
    const int notches = random_.Chance(50) ? random_.Between(1, 3) : -random_.Between(1, 3);
    ui::testing::SendWheel(CentreOf(list), notches);
    Settle();
    what = "the wheel, " + std::to_string(notches) + " notches";
  } else {
    native::Rect open{};
    native::SendMessage(list->window, native::CB_GETDROPPEDCONTROLRECT, 0,
                        reinterpret_cast<native::LParam>(&open));
    // Where the pointer goes: the dropped rectangle is in the screen's pixels.
    const native::Rect field = controls::testing::PointerRect(list->window);
    if (ListOpen(list) && open.bottom > field.bottom + 4) {
      const native::Point at{random_.Between(open.left + 2, open.right - 3),
                             random_.Between(field.bottom + 2, open.bottom - 3)};
      ui::testing::SendClick(at);
      Settle();
      what = "a click into the open list";
    } else {
      what = "a click";
    }
  }
  if (ListOpen(list)) Press(kEscape);
  return what;
}

std::string Driver::PickUnit() {
  std::vector<int> enabled;
  for (int i = 0; i < 6; ++i)
    if (controls::IsEnabled(window_->*kUnitLists[i])) enabled.push_back(i);
  const int list =
      enabled[static_cast<std::size_t>(random_.Below(static_cast<int>(enabled.size())))];
  return "pick in unit list " + std::to_string(list + 1) + " by " +
         PickInList(window_->*kUnitLists[list]);
}

std::string Driver::ToggleOption() {
  Control* box = window_->*kOptions[random_.Below(3)];
  ClickOn(box);
  return "toggle " + controls::GetText(box);
}

std::string Driver::PickPlaces() { return "pick Dec. by " + PickInList(window_->DecimalsCombo); }

std::string Driver::PressCommand() {
  Control* button = window_->*kCommands[random_.Below(static_cast<int>(std::size(kCommands)))];
  ClickOn(button);
  return "press " + controls::GetText(button) + (button == window_->ClearToButton ? " (To)" : "");
}

std::string Driver::OpenSecondaryWindow() {
  Control* link = window_->AboutLink;
  if (random_.Chance(50)) {
    if (Shows(window_->WeightHelpLink)) link = window_->WeightHelpLink;
    if (Shows(window_->PaperHelpLink)) link = window_->PaperHelpLink;
  }
  visit = {};
  visit.closer = static_cast<Closer>(random_.Below(5));
  ClickOn(link);
  return "open " + controls::GetText(link) + ", close by " +
         kCloserNames[static_cast<int>(visit.closer)];
}

void Driver::Rest() {
  controls::Focus(window_->ConvertButton, true);
  Pump();
  while (controls::testing::WaitForInput(100)) Pump();
}

// ---- the invariants -----------------------------------------------------

std::optional<std::string> Driver::Check() {
  MainWindow* w = window_;
  if (!visit.fault.empty()) return std::exchange(visit.fault, "");
  if (visit.opened > 1) return "more than one modal window opened";
  if (visit.opened == 1) {
    const bool byCaption = visit.closer == Closer::Caption || visit.closer == Closer::Enter;
    if (visit.modalCode != (byCaption ? -1 : 1))
      return "the modal window ended with code " + std::to_string(visit.modalCode);
  }
  visit.opened = 0;
  std::vector<Category> highlighted;
  for (const units::CategoryInfo& category : units::WindowCategories())
    if (ui::SelectorOf(w, category.Id)->look.color == ui::kPaleGrey)
      highlighted.push_back(category.Id);
  if (highlighted.size() != 1)
    return std::to_string(highlighted.size()) + " selectors are highlighted";
  const Category page = highlighted.front();
  if (page != clicked_)
    return "the page is " + std::string(units::CategoryName(page)) + ", the selector clicked " +
           std::string(units::CategoryName(clicked_));
  const units::CategoryInfo& shown = units::Describe(page);
  if (Shows(w->PrefixesPage) == shown.Measured)
    return "the Prefixes page shows on another page or hides on its own";
  if (shown.Measured) {
    for (Ref row : kLaterRows)
      if (controls::IsEnabled(w->*row) == FewerRows(page))
        return "the second and third rows are not as the page wants them";
    if (Shows(w->WeightHelpLink) != (shown.Help == units::HelpTopic::WeightOrMass) ||
        Shows(w->PaperHelpLink) != (shown.Help == units::HelpTopic::PaperWeight))
      return "the help link is not the page's";
    for (Ref list : kUnitLists)
      if (controls::ItemCount(w->*list) != units::RowCount(page))
        return "a unit list does not hold the page's units";
  }
  for (Ref field : kValueFields) {
    const std::string text = controls::GetText(w->*field);
    if (Utf16Length(text) > units::ValueFieldLimit)
      return "a value field holds " + std::to_string(Utf16Length(text)) + " characters: \"" + text +
             "\"";
  }
  if (auto fault = CheckResult(controls::GetText(w->ResultBox), resultCategory_,
                               platform::RegionalSymbols()))
    return fault;
  for (int i = 0; i < controls::ChildCount(w->MainForm); ++i)
    if (controls::Child(w->MainForm, i)->IsForm()) return "a secondary window is left open";
  if (controls::AppWindow->formPart->modalForm) return "a modal run is left over";
  for (Ref list : kUnitLists)
    if (ListOpen(w->*list)) return "a unit list is left open";
  if (!controls::IsEnabled(w->MainForm)) return "the main window stays disabled";
  pinged = false;
  native::PostMessage(w->MainForm->window, kPing, 0, 0);
  Settle();
  if (!pinged) return "the main window does not answer";
  return std::nullopt;
}

}  // namespace soak
