// The open lists of the main window show whole rows: the unit lists and
// "Dec." hold more than eight items, so eight show, none of them cut.
#include "main_window_harness.h"

namespace ui::testing {
namespace {

using OpenListTest = MainWindowTest;

TEST_F(OpenListTest, EightWholeRowsShow) {
  for (Control* list : {w->FromUnit1, w->ToUnit3, w->DecimalsCombo}) {
    ASSERT_GT(controls::ItemCount(list), 8);
    native::SendMessage(list->window, native::CB_SHOWDROPDOWN, 1, 0);
    Settle();
    const int row = controls::testing::OpenListRowHeight(list->window);
    ASSERT_GT(row, 0);
    EXPECT_EQ(controls::testing::OpenListClientHeight(list->window), 8 * row);
    native::SendMessage(list->window, native::CB_SHOWDROPDOWN, 0, 0);
    Settle();
  }
}

}  // namespace
}  // namespace ui::testing
