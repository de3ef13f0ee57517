// The probe over the Qt back end: what a window painted, read back from its
// widget; the pointer as the offscreen platform moves it; icons, capture and
// the window order from the back end's own records.
#include <QAbstractEventDispatcher>
#include <QAbstractItemView>
#include <QComboBox>
#include <QCursor>
#include <QGuiApplication>
#include <QPixmap>
#include <QTimer>
#include <algorithm>

#include "controls/native/qt/focus_qt.h"
#include "controls/native/qt/gdi_qt.h"
#include "controls/native/qt/messages_qt.h"
#include "controls/native/qt/window_qt.h"
#include "probe.h"

namespace controls::testing {

namespace {

// The offscreen platform says so each time a popup raises itself or grabs
// the keyboard, which it has no need to; the tests' output stays readable.
QtMessageHandler previousHandler = nullptr;

void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QLatin1String("This plugin does not support"))) return;
  if (previousHandler) previousHandler(type, context, message);
}

[[maybe_unused]] const bool quietInstalled =
    (previousHandler = qInstallMessageHandler(QuietPlatform), true);

using native::qt::DeviceContext;
using native::qt::ToDc;

constexpr native::LParam kClientOnly = 0x4;  // PRF_CLIENT

Picture PictureOf(const QImage& image) {
  const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
  Picture picture{rgb.width(), rgb.height(), {}};
  picture.rgb.reserve(static_cast<std::size_t>(rgb.width()) *
                      static_cast<std::size_t>(rgb.height()));
  for (int y = 0; y < rgb.height(); ++y)
    for (int x = 0; x < rgb.width(); ++x)
      picture.rgb.push_back(native::qt::ColorRefOf(QColor(rgb.pixel(x, y))));
  return picture;
}

// Where the client area lies in the widget, should the back end give a
// window a frame of its own.
QRect ClientAreaIn(native::Hwnd window, const QWidget* widget) {
  const native::Rect client = native::GetClientRect(window);
  const native::Point origin = native::ClientToScreen(window, {0, 0});
  const QPoint offset = QPoint(origin.x, origin.y) - widget->mapToGlobal(QPoint(0, 0));
  return {offset, QSize(client.right - client.left, client.bottom - client.top)};
}

// Counts what reaches the application while the test waits, except the
// waiting's own deadline.
class Arrivals : public QObject {
 public:
  explicit Arrivals(const QObject* deadline) : deadline_(deadline) {
    qApp->installEventFilter(this);
  }
  ~Arrivals() override { qApp->removeEventFilter(this); }
  Arrivals(const Arrivals&) = delete;
  Arrivals& operator=(const Arrivals&) = delete;

  bool eventFilter(QObject* receiver, QEvent*) override {
    if (receiver != deadline_) ++count;
    return false;
  }

  int count = 0;

 private:
  const QObject* deadline_;
};

}  // namespace

Picture PaintAndCapture(native::Hwnd window) {
  const native::qt::Window* record = native::qt::AsWindow(window);
  if (!record || !record->widget) return {};
  QWidget* widget = record->widget;
  const QRect area = ClientAreaIn(window, widget);
  // Colours a control takes from its parent's answer during one paint show
  // from the next, as a palette set in a paint event does.
  widget->grab(area);
  return PictureOf(widget->grab(area).toImage());
}

Picture PrintClient(native::Hwnd window, std::uint32_t background) {
  const native::Rect client = native::GetClientRect(window);
  QImage image(client.right - client.left, client.bottom - client.top, QImage::Format_RGB32);
  image.fill(native::qt::ColorOf(background));
  {
    DeviceContext dc(&image);
    native::SendMessage(window, native::WM_PRINTCLIENT, reinterpret_cast<native::WParam>(ToDc(&dc)),
                        kClientOnly);
  }
  return PictureOf(image);
}

native::Point MeasureText(native::Font font, const std::string& text) {
  QImage image(1, 1, QImage::Format_RGB32);
  DeviceContext dc(&image);
  if (font) native::SelectObject(ToDc(&dc), font);
  return native::GetTextExtent(ToDc(&dc), text);
}

Spot TextInk(native::Font font, const std::string& text) {
  const native::Point size = MeasureText(font, text);
  QImage image(size.x + 8, size.y + 8, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    DeviceContext dc(&image);
    const native::Dc handle = ToDc(&dc);
    native::SelectObject(handle, font);
    native::SetBkMode(handle, native::TRANSPARENT);
    native::SetTextColor(handle, 0);
    native::ExtTextOut(handle, 0, 0, 0, {}, text);
  }
  return Find(PictureOf(image), 0);
}

// The offscreen platform turns a new pointer position into the enter, move
// and leave events of the window under it, queued like a person's moves.
void MovePointer(native::Point screen) { QCursor::setPos(screen.x, screen.y); }

native::Rect PointerRect(native::Hwnd window) { return native::GetWindowRect(window); }

namespace {

QComboBox* ComboBoxOf(native::Hwnd comboBox) {
  native::qt::Window* window = native::qt::AsWindow(comboBox);
  return window ? qobject_cast<QComboBox*>(window->widget.data()) : nullptr;
}

}  // namespace

int OpenListClientHeight(native::Hwnd comboBox) {
  QComboBox* combo = ComboBoxOf(comboBox);
  return combo ? combo->view()->viewport()->height() : -1;
}

int OpenListRowHeight(native::Hwnd comboBox) {
  QComboBox* combo = ComboBoxOf(comboBox);
  if (!combo || combo->count() == 0) return -1;
  return combo->view()->visualRect(combo->model()->index(0, 0)).height();
}

bool WaitForInput(int milliseconds) {
  QAbstractEventDispatcher* dispatcher = QAbstractEventDispatcher::instance();
  if (!dispatcher) return false;
  QTimer deadline;
  deadline.setSingleShot(true);
  deadline.start(milliseconds);
  Arrivals arrivals(&deadline);
  while (arrivals.count == 0 && deadline.isActive())
    dispatcher->processEvents(QEventLoop::WaitForMoreEvents);
  return arrivals.count > 0;
}

native::Cursor CurrentCursor() { return native::qt::ShownCursor(); }
void SetCapture(native::Hwnd window) { native::qt::SetCaptureWindow(native::qt::AsWindow(window)); }
void ReleaseCapture() { native::qt::SetCaptureWindow(nullptr); }

native::Icon MakeIcon() {
  if (!QGuiApplication::instance()) native::qt::EnsureApplication();
  QImage stripes(16, 16, QImage::Format_RGB32);
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 16; ++x) stripes.setPixel(x, y, x % 2 ? 0xFFFFFFFF : 0xFF000000);
  return native::qt::NewIcon(QIcon(QPixmap::fromImage(stripes)));
}

bool IconAlive(native::Icon icon) { return native::qt::AsIcon(icon) != nullptr; }

native::Icon BigIconOf(native::Hwnd window) {
  return reinterpret_cast<native::Icon>(native::SendMessage(window, native::WM_GETICON, native::ICON_BIG, 0));
}

bool IsAbove(native::Hwnd a, native::Hwnd b) {
  const std::vector<native::qt::Window*> order = native::qt::TopLevelOrder();
  const auto upper = std::ranges::find(order, native::qt::AsWindow(a));
  const auto lower = std::ranges::find(order, native::qt::AsWindow(b));
  return upper != order.end() && lower != order.end() && upper < lower;
}

native::Hwnd ForegroundWindow() { return native::qt::ToHwnd(native::qt::ForegroundWindow()); }

// A window manager's close request reaches the widget as a close event.
void PressCloseButton(native::Hwnd window) {
  if (native::qt::Window* w = native::qt::AsWindow(window); w && w->widget) w->widget->close();
}

}  // namespace controls::testing
