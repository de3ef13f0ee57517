// The message queue over Qt's event loop: input and posted messages wait in
// a queue of ours until the program's message loop takes them, and waiting
// for a message runs Qt's loop, which paints and turns input into messages.
#include "controls/native/qt/messages_qt.h"

#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QDateTime>
#include <deque>
#include <utility>

#include "controls/native/qt/accessibility_qt.h"
#include "controls/native/qt/focus_qt.h"
#include "controls/native/qt/fonts_qt.h"
#include "controls/native/qt/gdi_qt.h"
#include "controls/native/qt/input_qt.h"
#include "controls/native/qt/system_classes_qt.h"
#include "controls/native/qt/window_qt.h"

namespace native {

using namespace qt;

namespace {

std::deque<QueuedMessage>& Queue() {
  static std::deque<QueuedMessage> queue;
  return queue;
}

// PostQuitMessage's exit code; WM_QUIT comes once the queue is empty.
std::pair<bool, int>& QuitPosted() {
  static std::pair<bool, int> posted{false, 0};
  return posted;
}

std::uint32_t Now() { return static_cast<std::uint32_t>(QDateTime::currentMSecsSinceEpoch()); }

// How many window procedures are running, one inside another.
int running = 0;

}  // namespace

namespace qt {

void Enqueue(const QueuedMessage& message) {
  Queue().push_back(message);
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void EnqueueFront(const QueuedMessage& message) { Queue().push_front(message); }

void EnsureApplication() {
  if (QApplication::instance()) return;
  static int argc = 1;
  static char name[] = "zurmet";
  static char* argv[] = {name, nullptr};
  // One style draws the same on every desktop, and colours set through the
  // palette reach every part of its controls.
  QApplication::setStyle(MakeApplicationStyle());
  // The desktop entry (org.zurmet.Zurmet.desktop) claims the windows of
  // class "Zurmet"; the instance name is argv[0]'s, "zurmet".
  QApplication::setApplicationName(QStringLiteral("Zurmet"));
  QGuiApplication::setDesktopFileName(QStringLiteral("org.zurmet.Zurmet"));
  auto* app = new QApplication(argc, argv);
  app->setQuitOnLastWindowClosed(false);
  QApplication::setFont(SystemFont());
  // Shown by the taskbar and the window switcher for every window, none of
  // which has an icon of its own.
  QApplication::setWindowIcon(ProgramIcon());
  InstallInputFilter();
  InstallAccessibility();
}

}  // namespace qt

LResult SendMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
  Window* w = AsWindow(window);
  if (!w || !w->procedure) return 0;
  ++running;
  const LResult result = w->procedure(window, message, wParam, lParam);
  --running;
  return result;
}

bool PostMessage(Hwnd window, std::uint32_t message, WParam wParam, LParam lParam) {
  if (window && !AsWindow(window)) return false;
  Enqueue({window, message, wParam, lParam, Now(), GetCursorPos()});
  return true;
}

LResult CallWindowProc(WndProc procedure, Hwnd window, std::uint32_t message, WParam wParam,
                       LParam lParam) {
  return procedure ? procedure(window, message, wParam, lParam) : 0;
}

bool PeekMessage(QueuedMessage& message) {
  EnsureApplication();
  if (running == 0) FreeDestroyedWindows();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  if (Queue().empty()) {
    if (!QuitPosted().first) return false;
    message = {nullptr, WM_QUIT, static_cast<WParam>(QuitPosted().second),
               0,       Now(),   GetCursorPos()};
    QuitPosted() = {false, 0};
    return true;
  }
  message = Queue().front();
  Queue().pop_front();
  return true;
}

void TranslateAndDispatch(const QueuedMessage& message) {
  TranslateKey(message);
  if (message.window) SendMessage(message.window, message.message, message.wParam, message.lParam);
}

// Returns once Qt has handled a batch of events, which may have queued
// messages or only painted: as on Win32, where painting comes through the
// queue too, the loop's idle step then sees the window as it now is.
void WaitMessage() {
  EnsureApplication();
  if (!Queue().empty() || QuitPosted().first) return;
  QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents | QEventLoop::AllEvents);
}

void PostQuitMessage(int exitCode) {
  QuitPosted() = {true, exitCode};
  if (auto* dispatcher = QAbstractEventDispatcher::instance()) dispatcher->wakeUp();
}

void InitCommonControls() { EnsureApplication(); }

}  // namespace native
