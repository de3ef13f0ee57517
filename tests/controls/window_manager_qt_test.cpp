// What the window manager does to a Qt window and what the layer reads back:
// the sizes it may give a form, and minimising and maximising.
#include <QWidget>

#include "controls/native/qt/frame_qt.h"
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

class FixedWindowTest : public WindowTest {
 protected:
  void TearDown() override {
    WindowTest::TearDown();
    native::qt::SetOwnFrames(std::nullopt);
  }

  Control* FixedForm(bool ownFrame) {
    native::qt::SetOwnFrames(ownFrame);
    Control* form = NewForm();
    SetClientSize(form, 200, 100);
    ShowForm(form);
    SetResizable(form, false);
    Pump();
    return form;
  }
};

constexpr Qt::WindowStates kFilling = Qt::WindowMaximized | Qt::WindowFullScreen;

// A window that may not change its size keeps its size and its normal state
// when a window manager maximises it or fills the screen with it all the
// same; one that is its own frame (a Wayland surface) is made anew for it. A
// manager that insists at once has its way.
TEST_F(FixedWindowTest, AFixedWindowRefusesAStateItsManagerImposes) {
  struct Case {
    bool ownFrame;
    Qt::WindowState state;
  };
  for (const Case& c : {Case{false, Qt::WindowMaximized}, Case{false, Qt::WindowFullScreen},
                        Case{true, Qt::WindowMaximized}, Case{true, Qt::WindowFullScreen}}) {
    Control* form = FixedForm(c.ownFrame);
    QWidget* widget = WidgetOf(form);
    const QSize size = widget->size();
    widget->setWindowState(c.state);
    Pump();
    EXPECT_EQ(widget->windowState() & kFilling, Qt::WindowNoState) << c.ownFrame << c.state;
    EXPECT_FALSE(IsZoomed(form->window)) << c.ownFrame << c.state;
    EXPECT_EQ(widget->size(), size) << c.ownFrame << c.state;
    EXPECT_TRUE(widget->isVisible()) << c.ownFrame << c.state;
    widget->setWindowState(c.state);
    Pump();
    EXPECT_TRUE(widget->windowState() & c.state) << "insisting: " << c.ownFrame << c.state;
  }
}

TEST_F(FixedWindowTest, AFixedWindowTheProgramMaximisesStaysMaximised) {
  Control* form = FixedForm(false);
  native::ShowWindow(form->window, native::SW_SHOWMAXIMIZED);
  Pump();
  EXPECT_TRUE(IsZoomed(form->window));
  EXPECT_TRUE(WidgetOf(form)->windowState() & Qt::WindowMaximized);
}

}  // namespace
}  // namespace controls::testing
