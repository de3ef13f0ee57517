// What the desktop learns of the native program: the desktop entry its
// windows belong to, and the icon the taskbar and window switcher show.
#include <QGuiApplication>
#include <QIcon>
#include <QWidget>
#include <algorithm>

#include "controls/native/qt/window_qt.h"
#include "main_window_harness.h"
#include "ui/about_window.h"

namespace ui::testing {
namespace {

using namespace controls;

using DesktopTest = MainWindowTest;

// The icon the widget hands its platform window, which a null icon of the
// widget's own would leave without one.
QIcon ShownIcon(Control* form) {
  native::qt::Window* window = native::qt::AsWindow(form->window);
  return window && window->widget ? window->widget->windowIcon() : QIcon();
}

// The desktop entry org.zurmet.Zurmet.desktop names its windows by class
// (StartupWMClass=Zurmet); Wayland takes the entry's name itself.
TEST_F(DesktopTest, TheWindowsBelongToTheDesktopEntry) {
  EXPECT_EQ(QGuiApplication::desktopFileName().toStdString(), "org.zurmet.Zurmet");
  EXPECT_EQ(QGuiApplication::applicationName().toStdString(), "Zurmet");
}

// The main window has no icon of its own, yet the platform shows the
// program's: every size up to 64 pixels at a ratio of 1, none above.
TEST_F(DesktopTest, WindowsWithoutAnIconOfTheirOwnShowTheProgramsIcon) {
  EXPECT_EQ(native::SendMessage(form->window, native::WM_GETICON, native::ICON_BIG, 0), 0);
  AboutWindow* about = nullptr;
  BuildAboutWindow(about, AppWindow);
  about->AboutForm->CreateWindow();
  for (Control* shown : {form, about->AboutForm}) {
    const QIcon icon = ShownIcon(shown);
    QList<QSize> sizes = icon.availableSizes();
    std::sort(sizes.begin(), sizes.end(),
              [](const QSize& a, const QSize& b) { return a.width() < b.width(); });
    const QList<QSize> expected = {{16, 16}, {32, 32}, {48, 48}, {64, 64}};
    if (qApp->devicePixelRatio() == 1) {
      EXPECT_EQ(sizes, expected) << GetText(shown);
    }
    EXPECT_FALSE(icon.isNull()) << GetText(shown);
  }
  Free(about->AboutForm);
}

}  // namespace
}  // namespace ui::testing
