// Text an input method commits (an on-screen keyboard, a compose sequence,
// an input method for Chinese or Japanese) reaches a value field through the
// same key filter as typed text, character by character.
#include <QGuiApplication>
#include <QInputMethodEvent>

#include "main_window_harness.h"
#include "units/value_input.h"

namespace ui::testing {
namespace {

using namespace controls;
using M = MainWindow;

// What a platform's input method sends the object with the focus: text being
// composed, or committed text that may replace some around the caret.
void SendInputMethodEvent(const QString& preedit, const QString& commit, int replaceFrom = 0,
                          int replaceLength = 0) {
  QObject* focus = QGuiApplication::focusObject();
  ASSERT_NE(focus, nullptr) << "no object has Qt's focus";
  QInputMethodEvent event(preedit, {});
  event.setCommitString(commit, replaceFrom, replaceLength);
  QCoreApplication::sendEvent(focus, &event);
  Settle();
}

void Commit(const std::string& text) { SendInputMethodEvent({}, QString::fromStdString(text)); }

class InputMethodTest : public MainWindowTest {
 protected:
  void Start(Ref selector, const char* before) {
    ClickOn(w->*selector);
    ClickOn(w->ClearFromButton);
    TypeInto(&M::FromValue1, before);
  }
  std::string Field() { return GetText(w->FromValue1); }
};

struct CommitCase {
  Ref selector;
  const char* before;
  const char* committed;
  const char* after;
};

// Each text is typed once and committed once, from the same start: both
// must give the filter's answer.
TEST_F(InputMethodTest, CommittedTextPassesTheKeyFilterAsTypedTextDoes) {
  const CommitCase cases[] = {
      {&M::LengthSelector, "3", "um", "3"},
      {&M::LengthSelector, "", "1,5", "1.5"},
      {&M::LengthSelector, "1.2", ".3,", "1.23"},
      {&M::LengthSelector, "", "/1a b", "1"},
      {&M::LengthSelector, "3/4", "/5", "3/45"},
      {&M::LengthSelector, "", "\xEF\xBC\x91\xEF\xBC\x92", ""},  // full-width digits
      {&M::LengthSelector, "", "\xF0\x9F\x98\x80" "7", "7"},      // beyond the BMP
      {&M::LengthSelector, "12", "-", "12"},
      {&M::TempSelector, "", "-3", "-3"},
      {&M::TempSelector, "40", "-5", "-405"},
  };
  for (const CommitCase& c : cases) {
    Start(c.selector, c.before);
    SendText(c.committed);
    Settle();
    const std::string typed = Field();
    Start(c.selector, c.before);
    Commit(c.committed);
    EXPECT_EQ(Field(), c.after) << "committed " << c.committed << " into " << c.before;
    EXPECT_EQ(typed, c.after) << "typed " << c.committed << " into " << c.before;
  }
}

TEST_F(InputMethodTest, AFullFieldTakesNoMoreCommittedCharacters) {
  const std::string full(units::ValueFieldLimit, '1');
  Start(&M::LengthSelector, full.c_str());
  Commit("9");
  EXPECT_EQ(Field(), full);
}

// Text still being composed is no part of the field's text.
TEST_F(InputMethodTest, TextBeingComposedIsNotInTheField) {
  Start(&M::LengthSelector, "3");
  SendInputMethodEvent(QStringLiteral("u"), {});
  EXPECT_EQ(Field(), "3");
  SendInputMethodEvent({}, QStringLiteral("4"));
  EXPECT_EQ(Field(), "34");
}

struct ReplaceCase {
  const char* committed;
  int replaceFrom, replaceLength;
  const char* after;
};

// An input method that replaces the text before the caret (a correction,
// or its own Backspace) does so through the filter too.
TEST_F(InputMethodTest, ReplacedTextGoesThroughTheFilter) {
  const ReplaceCase cases[] = {
      {"5", -1, 1, "15"},
      {"x", -1, 1, "12"},  // refused: the replaced text stays
      {"", -1, 1, "1"},
      {"", -2, 2, ""},
      {",", -1, 1, "1."},
  };
  for (const ReplaceCase& c : cases) {
    Start(&M::LengthSelector, "12");
    SendInputMethodEvent({}, QString::fromStdString(c.committed), c.replaceFrom, c.replaceLength);
    EXPECT_EQ(Field(), c.after) << "'" << c.committed << "' over " << c.replaceLength;
  }
}

}  // namespace
}  // namespace ui::testing
