// The About link, the help and About windows, and the end of the program.
#include <algorithm>
#include <cstdlib>
#include <utility>

#include "main_window_harness.h"
#include "ui/about_window.h"
#include "ui/help_window.h"
#include "ui/palette.h"

namespace ui::testing {
namespace {

using namespace controls;
using M = MainWindow;

constexpr native::WParam kScClose = 0xF060;

using WindowsTest = MainWindowTest;

TEST_F(WindowsTest, TheAboutLinkIsRedWhileThePointerIsOverIt) {
  FontObject* font = GetFont(w->AboutLink);
  controls::testing::MovePointer({2, 2});  // off the window
  Settle();
  EXPECT_NE(font->color, kRed);
  controls::testing::MovePointer(CentreOf(w->AboutLink));
  ASSERT_TRUE(PumpUntil([&] { return w->AboutLink->state.pointerInside; }))
      << "no mouse move reached the link";
  EXPECT_EQ(font->color, Rgb(255, 0, 0));
  controls::testing::MovePointer({2, 2});
  ASSERT_TRUE(PumpUntil([&] { return !w->AboutLink->state.pointerInside; }))
      << "no leave notice came";
  EXPECT_EQ(font->color, Rgb(0, 0, 0));
}

// ---- the modal windows, seen from inside their loop ----------------------

enum class Closer { OkButton, Caption };

struct Visit {
  Closer closer = Closer::OkButton;
  int visits = 0;
  native::Hwnd window = nullptr;
  std::string caption, title, text;
  int clientWidth = 0, clientHeight = 0;
  bool mainEnabled = true, openAfterEnter = false;
  int modalCode = 0;
} visit;

// ShowModal's loop calls the idle hook with the modal form after each batch
// of messages; the first call reads the window, presses Enter, then closes it.
void VisitModal(Control* modal) {
  if (!AppWindow || AppWindow->formPart->modalForm != modal || visit.visits++ > 0) return;
  visit.window = modal->window;
  visit.caption = GetText(modal);
  visit.clientWidth = ClientWidth(modal);
  visit.clientHeight = ClientHeight(modal);
  visit.mainEnabled = IsEnabled(AppWindow);
  Control* ok = nullptr;
  BaseObject* record = modal->autoFreeList->At<BaseObject>(0);
  if (auto* help = dynamic_cast<HelpWindow*>(record)) {
    visit.title = GetText(help->HelpTitle);
    visit.text = GetText(help->HelpText);
    ok = help->HelpOkButton;
  } else if (auto* about = dynamic_cast<AboutWindow*>(record)) {
    visit.title = GetText(about->AboutTitle);
    visit.text = GetText(about->DecimalSymbolValue) + " " + GetText(about->ThousandSepValue);
    ok = about->AboutOkButton;
  }
  SendKey(kReturn);
  Settle();
  visit.openAfterEnter = modal->formPart->modalCode == 0 && Visible(modal);
  if (visit.closer == Closer::OkButton && ok) {
    ClickOn(ok);
  } else {
    native::PostMessage(modal->window, native::WM_SYSCOMMAND, kScClose, 0);
    Settle();
  }
  visit.modalCode = modal->formPart->modalCode;
  if (modal->formPart->modalCode == 0)
    modal->formPart->modalCode = 1;  // still open: end the loop all the same
}

// Opens a modal window by a click and visits it once.
void OpenAndVisit(Control* opener, Closer closer) {
  visit = {};
  visit.closer = closer;
  void (*saved)(Control*) = std::exchange(IdleHook, VisitModal);
  ClickOn(opener);
  IdleHook = saved;
}

struct HelpCase {
  Ref selector, link;
  const char* title;
  const char* textStart;
};

TEST_F(WindowsTest, HelpWindowsOfWeightAndPaper) {
  const HelpCase cases[] = {
      {&M::WeightSelector, &M::WeightHelpLink, "Weight or Mass?", "Weight is a force in science"},
      {&M::PaperSelector, &M::PaperHelpLink, "Paper Weight", "\r\n"},
  };
  for (const HelpCase& c : cases) {
    ClickOn(w->*c.selector);
    native::Hwnd earlier = nullptr;
    for (Closer closer : {Closer::OkButton, Closer::Caption}) {
      OpenAndVisit(w->*c.link, closer);
      ASSERT_EQ(visit.visits, 1) << c.title << ": no modal window opened";
      EXPECT_EQ(visit.caption, "Weight or Mass?");
      EXPECT_EQ(visit.clientWidth, 399);
      EXPECT_EQ(visit.clientHeight, 281);
      EXPECT_EQ(visit.title, c.title);
      EXPECT_EQ(visit.text.rfind(c.textStart, 0), 0u) << visit.text;
      EXPECT_EQ(std::count(visit.text.begin(), visit.text.end(), '\n'), 16) << "17 lines";
      EXPECT_FALSE(visit.mainEnabled) << "the main window takes no input meanwhile";
      EXPECT_TRUE(visit.openAfterEnter) << "Enter leaves it open";
      EXPECT_EQ(visit.modalCode, closer == Closer::OkButton ? 1 : -1);
      EXPECT_FALSE(native::IsWindow(visit.window)) << "destroyed once closed";
      EXPECT_NE(visit.window, earlier) << "each opening builds its own window";
      EXPECT_TRUE(IsEnabled(form));
      earlier = visit.window;
    }
  }
}

// What the About window shows for the symbols of the locales the tests run in.
struct SymbolsShown {
  const char* decimal;
  const char* thousand;
  const char* text;
};

constexpr SymbolsShown kSymbolsShown[] = {
    {".", ",", "<Period> <Comma>"},
    {",", ".", "<Comma> <Period>"},
};

TEST_F(WindowsTest, TheAboutWindowNamesTheRegionalSymbols) {
  const SymbolsShown* shown = nullptr;
  for (const SymbolsShown& candidate : kSymbolsShown)
    if (platform::DecimalSymbol() == candidate.decimal &&
        platform::ThousandSeparator() == candidate.thousand)
      shown = &candidate;
  if (!shown) GTEST_SKIP() << "no expectation for these symbols";
  for (Closer closer : {Closer::OkButton, Closer::Caption}) {
    OpenAndVisit(w->AboutLink, closer);
    ASSERT_EQ(visit.visits, 1) << "no modal window opened";
    EXPECT_EQ(visit.caption, "About");
    EXPECT_EQ(visit.clientWidth, 227);
    EXPECT_EQ(visit.clientHeight, 167);
    EXPECT_EQ(visit.text, shown->text);
    EXPECT_FALSE(visit.mainEnabled);
    EXPECT_EQ(visit.modalCode, closer == Closer::OkButton ? 1 : -1);
    EXPECT_FALSE(native::IsWindow(visit.window));
    EXPECT_TRUE(IsEnabled(form));
  }
}

// The help label does not wrap: a line wider than the label would be cut off.
TEST_F(WindowsTest, EveryHelpLineFitsTheLabel) {
  HelpWindow* help = nullptr;
  BuildHelpWindow(help, AppWindow);
  help->HelpForm->CreateWindow();
  const native::Font font = FontHandle(GetFont(help->HelpText));
  const int width = ClientWidth(help->HelpText);
  for (const char* text : {WeightHelpText, PaperHelpText}) {
    std::string_view rest = text;
    for (;;) {
      const std::size_t end = rest.find("\r\n");
      const std::string line(rest.substr(0, end));
      EXPECT_LE(controls::testing::MeasureText(font, line).x, width) << line;
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 2);
    }
  }
  Free(help->HelpForm);
}

// A run under another locale must really see that locale's symbols, or its
// checks would only repeat the default run's.
TEST(RegionalSymbolsTest, AreTheOnesTheRunExpects) {
  const char* expected = std::getenv("ZURMET_EXPECT_SYMBOLS");
  if (!expected) GTEST_SKIP() << "ZURMET_EXPECT_SYMBOLS not set";
  EXPECT_EQ(platform::DecimalSymbol() + platform::ThousandSeparator(), expected);
}

TEST(SymbolNameTest, WordsForTheRegionalSymbols) {
  struct Case {
    const char* symbol;
    const char* asDecimal;
    const char* asThousand;
  };
  // A space of any kind reads as a word only where it separates thousands.
  const Case cases[] = {
      {".", "Period", "Period"}, {",", "Comma", "Comma"},       {" ", " ", "Space"},
      {"'", "'", "'"},           {"\u00a0", "\u00a0", "Space"}, {"\u202f", "\u202f", "Space"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SymbolName(c.symbol, SymbolRole::Decimal), c.asDecimal) << c.symbol;
    EXPECT_EQ(SymbolName(c.symbol, SymbolRole::Thousand), c.asThousand) << c.symbol;
  }
}

TEST_F(WindowsTest, ClosingTheMainWindowEndsTheApplication) {
  const native::Hwnd window = form->window;
  native::PostMessage(window, native::WM_CLOSE, 0, 0);
  Control* running = std::exchange(form, nullptr);  // the loop frees it
  RunApplication(running);
  EXPECT_EQ(running, nullptr);
  EXPECT_TRUE(AppTerminated);
  EXPECT_FALSE(native::IsWindow(window));
}

}  // namespace
}  // namespace ui::testing
