// The smallest honest Qt Widgets program: one empty window of the
// converter's client size. bench/startup_qt_timing.sh runs it beside
// zurmet_until_idle, so what it reports is Zurmet's own start-up and memory
// beyond what any Qt Widgets window costs. It ends as zurmet_until_idle
// does: closed the first time the event loop is about to wait with the
// window exposed, which for a widget means painted.
#include <QAbstractEventDispatcher>
#include <QApplication>
#include <QWidget>
#include <QWindow>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Minimal window");
  window.resize(394, 235);
  window.show();

  bool closed = false;
  QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                   &window, [&] {
                     if (closed || !window.windowHandle() || !window.windowHandle()->isExposed())
                       return;
                     closed = true;
                     // Closing the last window ends the loop, as WM_CLOSE ends Zurmet's.
                     window.close();
                   });
  const int status = QApplication::exec();
  return closed ? status : 1;
}
