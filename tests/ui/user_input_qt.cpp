// Real keyboard and mouse input under the Qt back end: each press goes into
// Qt's window system queue as a platform's would, so it reaches the widgets
// through the application and the back end's input filter.
#include <QApplication>
#include <QClipboard>
#include <QCursor>
#include <QTest>
#include <QWheelEvent>
#include <QWidget>
#include <QWindow>
#include <optional>

#include "controls/native/qt/window_qt.h"
#include "user_input.h"

namespace ui::testing {

namespace {

struct KeyPress {
  Qt::Key key;
  QString text;
};

struct NamedKey {
  int virtualKey;
  Qt::Key key;
  const char* text;  // what an X11 keyboard gives with the key
};

constexpr NamedKey kNamedKeys[] = {
    {0x08, Qt::Key_Backspace, "\b"}, {0x09, Qt::Key_Tab, "\t"},   {0x0D, Qt::Key_Return, "\r"},
    {0x10, Qt::Key_Shift, ""},       {0x11, Qt::Key_Control, ""}, {0x12, Qt::Key_Alt, ""},
    {0x1B, Qt::Key_Escape, "\x1b"},  {0x20, Qt::Key_Space, " "},  {0x21, Qt::Key_PageUp, ""},
    {0x22, Qt::Key_PageDown, ""},    {0x23, Qt::Key_End, ""},     {0x24, Qt::Key_Home, ""},
    {0x25, Qt::Key_Left, ""},        {0x26, Qt::Key_Up, ""},      {0x27, Qt::Key_Right, ""},
    {0x28, Qt::Key_Down, ""},        {0x2D, Qt::Key_Insert, ""},  {0x2E, Qt::Key_Delete, "\x7f"},
    {0xBC, Qt::Key_Comma, ","},      {0xBD, Qt::Key_Minus, "-"},  {0xBE, Qt::Key_Period, "."},
};

constexpr int kF1 = 0x70, kF12 = 0x7B;

std::optional<KeyPress> PressOf(int virtualKey) {
  for (const NamedKey& named : kNamedKeys)
    if (named.virtualKey == virtualKey) return KeyPress{named.key, QString::fromLatin1(named.text)};
  // Digits and letters have their characters' codes; a letter types in lower case.
  if ((virtualKey >= '0' && virtualKey <= '9') || (virtualKey >= 'A' && virtualKey <= 'Z'))
    return KeyPress{static_cast<Qt::Key>(virtualKey), QString(QChar(virtualKey)).toLower()};
  if (virtualKey >= kF1 && virtualKey <= kF12)
    return KeyPress{static_cast<Qt::Key>(Qt::Key_F1 + virtualKey - kF1), {}};
  return std::nullopt;
}

// The key a keyboard would send for a typed character.
Qt::Key KeyOfCharacter(char32_t character) {
  switch (character) {
    case U'\r':
    case U'\n':
      return Qt::Key_Return;
    case U'\t':
      return Qt::Key_Tab;
    case U'\b':
      return Qt::Key_Backspace;
    default:
      break;
  }
  if (character > 0xFFFF) return Qt::Key_unknown;
  return static_cast<Qt::Key>(QChar(static_cast<char16_t>(character)).toUpper().unicode());
}

// Keys go where the platform would send them: an open popup, else the
// window that holds the focus.
QWindow* KeyboardWindow() {
  if (QWidget* popup = QApplication::activePopupWidget()) return popup->window()->windowHandle();
  if (QWidget* focus = QApplication::focusWidget()) return focus->window()->windowHandle();
  return QGuiApplication::focusWindow();
}

// The modifiers held down by SendKeyDown.
Qt::KeyboardModifiers& Held() {
  static Qt::KeyboardModifiers held;
  return held;
}

Qt::KeyboardModifier ModifierOf(Qt::Key key) {
  switch (key) {
    case Qt::Key_Shift:
      return Qt::ShiftModifier;
    case Qt::Key_Control:
      return Qt::ControlModifier;
    case Qt::Key_Alt:
      return Qt::AltModifier;
    default:
      return Qt::NoModifier;
  }
}

void Press(const KeyPress& press, QTest::KeyAction action = QTest::Click) {
  QWindow* window = KeyboardWindow();
  if (!window) return;
  const Qt::KeyboardModifier modifier = ModifierOf(press.key);
  if (action == QTest::Press) Held() |= modifier;
  if (action == QTest::Release) Held() &= ~modifier;
  // Text goes with a plain key only, as a keyboard types no character with Ctrl.
  const QString text = Held() & ~Qt::ShiftModifier ? QString() : press.text;
  QTest::sendKeyEvent(action, window, press.key, text, Held());
}

// The window the platform shows at a screen point: an open popup over
// everything, then the top-level windows from the top down.
QWindow* WindowAt(QPoint screen) {
  if (QWidget* popup = QApplication::activePopupWidget();
      popup && popup->geometry().contains(screen))
    return popup->windowHandle();
  for (native::qt::Window* window : native::qt::TopLevelOrder()) {
    const QWidget* widget = window->widget;
    if (widget && widget->isVisible() && widget->geometry().contains(screen))
      return widget->windowHandle();
  }
  QWidget* top = QApplication::topLevelAt(screen);
  return top ? top->windowHandle() : nullptr;
}

}  // namespace

void SendText(const std::string& text) {
  for (char32_t character : QString::fromUtf8(text).toUcs4()) {
    const QString typed = QString::fromUcs4(&character, 1);
    Press({KeyOfCharacter(character), typed});
  }
}

void SendKey(int virtualKey) {
  if (const std::optional<KeyPress> press = PressOf(virtualKey)) Press(*press);
}

void SendKeyDown(int virtualKey) {
  if (const std::optional<KeyPress> press = PressOf(virtualKey)) Press(*press, QTest::Press);
}

void SendKeyUp(int virtualKey) {
  if (const std::optional<KeyPress> press = PressOf(virtualKey)) Press(*press, QTest::Release);
}

void SendClick(native::Point screen) {
  const QPoint at(screen.x, screen.y);
  // The move comes first, as when a person points before clicking.
  QCursor::setPos(at);
  QCoreApplication::processEvents();
  // Qt's own hit test in the window picks the child under the pointer.
  if (QWindow* window = WindowAt(at))
    QTest::mouseClick(window, Qt::LeftButton, Qt::NoModifier, window->mapFromGlobal(at));
}

void SendWheel(native::Point screen, int notches) {
  const QPoint at(screen.x, screen.y);
  QCursor::setPos(at);
  QCoreApplication::processEvents();
  QWindow* window = WindowAt(at);
  if (!window) return;
  const QPointF local = window->mapFromGlobal(at);
  QWheelEvent wheel(local, QPointF(at), QPoint(), QPoint(0, 120 * notches), Qt::NoButton,
                    Qt::NoModifier, Qt::NoScrollPhase, false);
  QCoreApplication::sendEvent(window, &wheel);
}

void SetClipboardText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

}  // namespace ui::testing
