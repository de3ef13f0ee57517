// The Qt back end's window records: a destroyed window's record goes, and its
// handle never names the window made after it.
#include "controls/native/qt/window_qt.h"
#include "harness.h"

namespace controls::testing {
namespace {

using WindowRecordsTest = WindowTest;

TEST_F(WindowRecordsTest, FormsOpenedAndClosedAgainAndAgainLeaveNoRecordsBehind) {
  Control* main = NewForm("main");
  CreateEditBox(main, 0);
  ShowForm(main);
  Pump();
  const std::size_t before = native::qt::WindowRecordCount();
  for (int round = 0; round < 20; ++round) {
    Control* dialog = CreateForm(main, "dialog");
    CreateButton(dialog, "OK");
    CreateComboBox(dialog, 0);  // with an inner edit window of its own
    Show(dialog);
    Pump();
    Free(dialog);
    Pump();
  }
  EXPECT_EQ(native::qt::WindowRecordCount(), before);
}

TEST_F(WindowRecordsTest, TheHandleOfADestroyedWindowNamesNoLaterWindow) {
  Control* first = NewForm("first");
  const native::Hwnd stale = EnsureWindow(first);
  Free(first);
  Forget(first);
  Pump();
  // The later window takes the freed record's place in the table.
  Control* later = NewForm("later");
  const native::Hwnd fresh = EnsureWindow(later);
  EXPECT_NE(fresh, stale);
  EXPECT_FALSE(native::IsWindow(stale));
  EXPECT_EQ(ControlOfWindow(stale), nullptr);
  EXPECT_EQ(native::GetWindowText(stale), "");
  EXPECT_EQ(native::GetWindowText(fresh), "later");
}

}  // namespace
}  // namespace controls::testing
