// The frame the Qt back end draws itself where the platform's would offer
// what a window does not allow (Wayland): placed as Win32 places a frame,
// over the children, with the buttons the window's styles ask for, pressed as
// Win32's default processing presses them. Run on the offscreen platform,
// with the drawn frame asked for.
#include <QTest>
#include <QWidget>
#include <QWindow>
#include <string>
#include <vector>

#include "controls/native/qt/frame_qt.h"
#include "harness.h"
#include "probe.h"

namespace controls::testing {
namespace {

using native::qt::FramePart;

QWidget* WidgetOf(Control* form) { return native::qt::AsWindow(form->window)->widget.data(); }

bool LogSysCommands(void*, Control*, Message& message, LResult&) {
  if (message.message == native::WM_SYSCOMMAND)
    Log().push_back("WM_SYSCOMMAND " + std::to_string(message.wParam & 0xFFF0));
  return false;
}

enum class Kind { Dialog, Tool, Overlapped, OverlappedFixed };

class OwnFrameTest : public WindowTest {
 protected:
  void SetUp() override {
    WindowTest::SetUp();
    native::qt::SetOwnFrames(true);
  }
  void TearDown() override {
    WindowTest::TearDown();
    native::qt::SetOwnFrames(std::nullopt);
  }

  // A shown form of that kind with a client area of 200 x 100.
  Control* Framed(Kind kind) {
    Control* form = NewForm("Framed");
    if (kind == Kind::Dialog) SetFormFrame(form, FormFrame::Dialog);
    if (kind == Kind::Tool) SetFormFrame(form, FormFrame::ToolWindow);
    SetClientSize(form, 200, 100);
    form->events.OnMessage = {LogSysCommands, nullptr};
    ShowForm(form);
    if (kind != Kind::Overlapped) SetResizable(form, false);
    Pump();
    return form;
  }

  // The caption's buttons from its right end leftwards.
  static std::vector<FramePart> CaptionButtons(Control* form) {
    const native::qt::Window* w = native::qt::AsWindow(form->window);
    std::vector<FramePart> buttons;
    for (int x = WidgetOf(form)->width() - 1; x >= 0; --x) {
      const FramePart part = native::qt::FramePartAt(w, {x, 12});
      if (part != FramePart::Border && part != FramePart::Caption &&
          (buttons.empty() || buttons.back() != part))
        buttons.push_back(part);
    }
    return buttons;
  }

  // The middle of a caption button in the widget, found as a pointer would.
  static QPoint CentreOf(Control* form, FramePart button) {
    const native::qt::Window* w = native::qt::AsWindow(form->window);
    std::vector<int> over;
    for (int x = 0; x < WidgetOf(form)->width(); ++x)
      if (native::qt::FramePartAt(w, {x, 12}) == button) over.push_back(x);
    return over.empty() ? QPoint(-1, -1) : QPoint((over.front() + over.back()) / 2, 12);
  }

  // The left button pressed at one point and released at another, as the
  // platform delivers them to the window; then what that queued is handled.
  static void Press(Control* form, QPoint from, QPoint to) {
    QWindow* window = WidgetOf(form)->windowHandle();
    QTest::mousePress(window, Qt::LeftButton, Qt::NoModifier, from);
    QTest::mouseMove(window, to);
    QTest::mouseRelease(window, Qt::LeftButton, Qt::NoModifier, to);
  }
  static void Drag(Control* form, QPoint from, QPoint to) {
    Press(form, from, to);
    Pump();
  }
};

struct FrameCase {
  Kind kind;
  int outerWidth, outerHeight;  // the Win32 window of a 200 x 100 client area
  QPoint clientOrigin;          // where the client area starts in the window
};

TEST_F(OwnFrameTest, TheWindowHoldsItsWin32FrameAndOffersOnlyThatSize) {
  const FrameCase cases[] = {
      {Kind::Dialog, 206, 129, {3, 26}},
      {Kind::Tool, 206, 123, {3, 20}},
      {Kind::OverlappedFixed, 206, 129, {3, 26}},
  };
  for (const FrameCase& c : cases) {
    Control* form = Framed(c.kind);
    const native::Rect client = native::GetClientRect(form->window);
    const native::Rect outer = native::GetWindowRect(form->window);
    EXPECT_EQ(client.right - client.left, 200);
    EXPECT_EQ(client.bottom - client.top, 100);
    EXPECT_EQ(outer.right - outer.left, c.outerWidth);
    EXPECT_EQ(outer.bottom - outer.top, c.outerHeight);
    // The platform is told the whole window's size, and no other.
    const QWidget* widget = WidgetOf(form);
    EXPECT_EQ(widget->size(), QSize(c.outerWidth, c.outerHeight));
    EXPECT_EQ(widget->minimumSize(), widget->size());
    EXPECT_EQ(widget->maximumSize(), widget->size());
    const native::Point origin = native::ClientToScreen(form->window, {0, 0});
    EXPECT_EQ(QPoint(origin.x, origin.y) - widget->mapToGlobal(QPoint(0, 0)), c.clientOrigin);
    EXPECT_EQ(origin.x - outer.left, c.clientOrigin.x());
    EXPECT_EQ(origin.y - outer.top, c.clientOrigin.y());
  }
}

TEST_F(OwnFrameTest, AChildSitsInTheClientAreaAndUnderTheFrame) {
  constexpr Color kRed = 0x0000FF;
  Control* form = Framed(Kind::Dialog);
  Control* panel = CreatePanel(form, PanelEdge::None);
  SetColor(panel, kRed);
  SetPosition(panel, -10, -10);
  SetSize(panel, 50, 50);
  Show(panel);
  // Brought to the top of its siblings, as Win32 lets a program do.
  native::SetWindowPos(panel->window, nullptr, 0, 0, 0, 0, native::SWP_NOMOVE | native::SWP_NOSIZE);
  Pump();
  const native::Point client = native::ClientToScreen(form->window, {0, 0});
  const native::Rect placed = native::GetWindowRect(panel->window);
  EXPECT_EQ(placed.left - client.x, -10);
  EXPECT_EQ(placed.top - client.y, -10);
  // Win32 clips a child to its parent's client area: the frame stays on top.
  const QImage shown = WidgetOf(form)->grab().toImage();
  EXPECT_EQ(QColor(shown.pixel(3 + 5, 26 + 5)), QColor(Qt::red)) << "inside the client area";
  for (const QPoint frame : {QPoint(1, 30), QPoint(10, 24), QPoint(10, 10)})
    EXPECT_NE(QColor(shown.pixel(frame)), QColor(Qt::red)) << frame.x() << "," << frame.y();
}

TEST_F(OwnFrameTest, TheCaptionOffersTheButtonsTheStylesAllow) {
  struct ButtonsCase {
    Kind kind;
    std::vector<FramePart> buttons;
  };
  const ButtonsCase cases[] = {
      {Kind::Dialog, {FramePart::Close}},
      {Kind::Tool, {FramePart::Close}},
      // A window that may not change its size is never maximised.
      {Kind::OverlappedFixed, {FramePart::Close, FramePart::Minimize}},
      {Kind::Overlapped, {FramePart::Close, FramePart::Maximize, FramePart::Minimize}},
  };
  for (const ButtonsCase& c : cases) {
    Control* form = Framed(c.kind);
    EXPECT_EQ(CaptionButtons(form), c.buttons) << static_cast<int>(c.kind);
    EXPECT_EQ(native::qt::FramePartAt(native::qt::AsWindow(form->window), {40, 12}),
              FramePart::Caption);
  }
}

TEST_F(OwnFrameTest, ACaptionButtonActsWhenReleasedOverItself) {
  struct PressCase {
    FramePart pressed;
    bool releasedOver;
    const char* logged;  // empty: nothing
  };
  const PressCase cases[] = {
      {FramePart::Close, true, "WM_SYSCOMMAND 61536"},
      {FramePart::Close, false, ""},
      {FramePart::Minimize, true, "WM_SYSCOMMAND 61472"},
  };
  for (const PressCase& c : cases) {
    Control* form = Framed(Kind::OverlappedFixed);
    Log().clear();
    const QPoint at = CentreOf(form, c.pressed);
    Drag(form, at, c.releasedOver ? at : QPoint(at.x() - 60, at.y()));
    const std::vector<std::string> expected =
        *c.logged ? std::vector<std::string>{c.logged} : std::vector<std::string>{};
    EXPECT_EQ(Log(), expected) << static_cast<int>(c.pressed) << " " << c.releasedOver;
  }
}

void LogDestroy(void* context, BaseObject*) { Log().push_back(static_cast<const char*>(context)); }

bool LogCloses(void*, Control*, Message& message, LResult&) {
  if (message.message == native::WM_CLOSE) Log().push_back("WM_CLOSE");
  return false;
}

TEST_F(OwnFrameTest, TheCloseButtonEndsTheApplication) {
  Control* main = CreateForm(nullptr, "main");
  SetPosition(main, 40, 40);
  SetSize(main, 200, 120);
  main->events.OnMessage = {LogCloses, nullptr};
  main->OnDestroy = {LogDestroy, const_cast<char*>("freed")};
  IdleHook = [](Control* form) {
    if (!AppWindow || !native::IsWindowVisible(form->window)) return;
    IdleHook = nullptr;
    const QPoint close = CentreOf(form, FramePart::Close);
    Press(form, close, close);
  };
  Control* variable = main;
  RunApplication(variable);
  EXPECT_EQ(variable, nullptr);
  EXPECT_EQ(Log(), (std::vector<std::string>{"WM_CLOSE", "freed"}));
}

TEST_F(OwnFrameTest, ADisabledWindowsButtonsDoNothing) {
  Control* form = Framed(Kind::OverlappedFixed);
  native::EnableWindow(form->window, false);
  Log().clear();
  Drag(form, CentreOf(form, FramePart::Close), CentreOf(form, FramePart::Close));
  EXPECT_TRUE(Log().empty());
  EXPECT_TRUE(native::IsWindow(form->window));
}

bool Near(QColor shown, std::uint32_t colorRef) {
  const QColor wanted(colorRef & 0xFF, (colorRef >> 8) & 0xFF, (colorRef >> 16) & 0xFF);
  return std::abs(shown.red() - wanted.red()) + std::abs(shown.green() - wanted.green()) +
             std::abs(shown.blue() - wanted.blue()) <
         60;
}

TEST_F(OwnFrameTest, TheCaptionShowsTheTitleInTheSystemsCaptionColours) {
  using native::GetSysColor;
  Control* form = Framed(Kind::Dialog);
  const QImage shown = WidgetOf(form)->grab().toImage();
  // Beyond the icon and the title, where the bar runs between its two colours.
  const QColor bar(shown.pixel(150, 5));
  const bool active = Near(bar, GetSysColor(native::COLOR_ACTIVECAPTION)) ||
                      Near(bar, GetSysColor(native::COLOR_GRADIENTACTIVECAPTION));
  const bool inactive = Near(bar, GetSysColor(native::COLOR_INACTIVECAPTION)) ||
                        Near(bar, GetSysColor(native::COLOR_GRADIENTINACTIVECAPTION));
  EXPECT_TRUE(active || inactive) << bar.name().toStdString();
  int ink = 0;
  for (int x = 24; x < 80; ++x)
    for (int y = 5; y < 22; ++y) ink += QColor(shown.pixel(x, y)).lightness() < 60 ? 1 : 0;
  EXPECT_GT(ink, 20) << "the title is written in the caption";
}

}  // namespace
}  // namespace controls::testing
