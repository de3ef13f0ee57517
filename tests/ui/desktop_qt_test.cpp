// What the desktop learns of the native program: the desktop entry its
// windows belong to, the icon the taskbar and window switcher show, and that
// the help and About windows are modal dialogs of the main window.
#include <QGuiApplication>
#include <QIcon>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <utility>

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

QWidget* WidgetOf(Control* form) {
  native::qt::Window* window = native::qt::AsWindow(form->window);
  return window ? window->widget.data() : nullptr;
}

// What the platform is told of a modal window while its loop runs.
struct ModalSeen {
  int visits = 0;
  Qt::WindowModality modality = Qt::NonModal;
  bool ownedByTheMainWindow = false;
} seen;

void LookAtModal(Control* modal) {
  if (!AppWindow || AppWindow->formPart->modalForm != modal || seen.visits++ > 0) return;
  const QWidget* widget = WidgetOf(modal);
  seen.modality = widget->windowModality();
  seen.ownedByTheMainWindow =
      widget->windowHandle()->transientParent() == WidgetOf(AppWindow)->windowHandle();
  modal->formPart->modalCode = 1;
}

TEST_F(DesktopTest, TheHelpAndAboutWindowsAreModalDialogsOfTheMainWindow) {
  const std::pair<Ref, Ref> openers[] = {{&MainWindow::LengthSelector, &MainWindow::AboutLink},
                                         {&MainWindow::WeightSelector, &MainWindow::WeightHelpLink},
                                         {&MainWindow::PaperSelector, &MainWindow::PaperHelpLink}};
  for (const auto& [selector, link] : openers) {
    ClickOn(w->*selector);
    seen = {};
    void (*saved)(Control*) = std::exchange(IdleHook, LookAtModal);
    ClickOn(w->*link);
    IdleHook = saved;
    ASSERT_EQ(seen.visits, 1) << GetText(w->*link) << ": no modal window opened";
    EXPECT_EQ(seen.modality, Qt::WindowModal) << GetText(w->*link);
    EXPECT_TRUE(seen.ownedByTheMainWindow) << GetText(w->*link);
  }
}

// A window shown over an owner that takes input is no modal dialog.
TEST_F(DesktopTest, AWindowShownBesideAnEnabledOwnerIsNotModal) {
  AboutWindow* about = nullptr;
  BuildAboutWindow(about, AppWindow);
  Show(about->AboutForm);
  Settle();
  EXPECT_EQ(WidgetOf(about->AboutForm)->windowModality(), Qt::NonModal);
  Free(about->AboutForm);
}

}  // namespace
}  // namespace ui::testing
