// The classic frames at a whole device pixel ratio above 1 (QT_SCALE_FACTOR):
// each of their two lines as wide as a layout pixel, as at 100%, rather than
// one device pixel with the window's colour showing between frame and field.
#include <QCheckBox>
#include <QGuiApplication>
#include <QImage>
#include <QStyle>
#include <QStyleOption>
#include <QWidget>
#include <cmath>
#include <string>
#include <vector>

#include "controls/native/qt/window_qt.h"
#include "main_window_harness.h"

namespace ui::testing {
namespace {

using M = MainWindow;
using ScaledFramesTest = MainWindowTest;

QWidget* WidgetOf(Control* control) {
  native::qt::Window* window = native::qt::AsWindow(control->window);
  return window ? window->widget.data() : nullptr;
}

// Where a widget's frame starts, in its own coordinates: a check box's is
// that of its box.
QRect FramedRect(QWidget* widget) {
  auto* check = qobject_cast<QCheckBox*>(widget);
  if (!check) return widget->rect();
  QStyleOptionButton option;
  option.initFrom(check);
  return check->style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, check);
}

// The colours across the frame's left side at half its height, one per
// device pixel, as the widget is drawn.
std::vector<QRgb> LeftSide(QWidget* widget, int devicePixels) {
  const QImage image = widget->grab().toImage();
  const QRect frame = FramedRect(widget);
  const qreal ratio = image.devicePixelRatio();
  const int x = qRound(frame.left() * ratio), y = qRound(frame.center().y() * ratio);
  std::vector<QRgb> colours;
  for (int i = 0; i < devicePixels; ++i) colours.push_back(image.pixel(x + i, y));
  return colours;
}

TEST_F(ScaledFramesTest, EachLineIsALayoutPixelWide) {
  const qreal ratio = qApp->devicePixelRatio();
  if (ratio <= 1 || ratio != std::floor(ratio)) GTEST_SKIP() << "run with QT_SCALE_FACTOR=2";
  const int r = static_cast<int>(ratio);
  const struct {
    const char* name;
    Ref control;
  } cases[] = {
      {"value field", &M::FromValue1},  {"unit list", &M::FromUnit1},    {"Result", &M::ResultBox},
      {"push button", &M::ResetButton}, {"check box", &M::RoundUpCheck},
  };
  for (const auto& c : cases) {
    const std::vector<QRgb> side = LeftSide(WidgetOf(w->*c.control), 2 * r);
    for (int line = 0; line < 2; ++line)
      for (int i = 1; i < r; ++i)
        EXPECT_EQ(side[line * r + i], side[line * r])
            << c.name << ": line " << line << ", pixel " << i;
  }
}

}  // namespace
}  // namespace ui::testing
