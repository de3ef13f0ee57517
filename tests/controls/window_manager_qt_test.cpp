// What the window manager does to a Qt window and what the layer reads back:
// the sizes it may give a form, and minimising and maximising.
#include <QWidget>

#include "controls/native/qt/window_qt.h"
#include "harness.h"

namespace controls::testing {
namespace {

using WindowManagerTest = WindowTest;

QWidget* WidgetOf(Control* form) { return native::qt::AsWindow(form->window)->widget.data(); }

TEST_F(WindowManagerTest, AFormMadeFixedAfterItWasSizedOffersTheWindowManagerOneSizeOnly) {
  Control* form = NewForm();
  ShowForm(form);
  SetResizable(form, false);
  const QWidget* widget = WidgetOf(form);
  EXPECT_EQ(widget->minimumSize(), widget->size());
  EXPECT_EQ(widget->maximumSize(), widget->size());
  SetResizable(form, true);
  EXPECT_NE(widget->minimumSize(), widget->maximumSize());
}

TEST_F(WindowManagerTest, MinimisedOrMaximisedByTheWindowManagerIsWhatTheLayerReads) {
  Control* form = NewForm();
  ShowForm(form);
  QWidget* widget = WidgetOf(form);
  struct Case {
    Qt::WindowState state;
    bool iconic, zoomed;
  };
  for (const Case& c :
       {Case{Qt::WindowMinimized, true, false}, Case{Qt::WindowMaximized, false, true},
        Case{Qt::WindowNoState, false, false}}) {
    widget->setWindowState(c.state);
    Pump();
    EXPECT_EQ(IsIconic(form->window), c.iconic) << c.state;
    EXPECT_EQ(IsZoomed(form->window), c.zoomed) << c.state;
  }
}

}  // namespace
}  // namespace controls::testing
