// The Qt back end's window records, Qt's widgets and objects, and the
// resident memory of the process.
#include <unistd.h>

#include <QApplication>
#include <QObject>
#include <QWidget>
#include <fstream>

#include "controls/native/qt/window_qt.h"
#include "resources.h"

// Qt's hooks for tools that follow every QObject (qhooks_p.h): slot 0 is the
// version of the table, slot 1 its size, 3 and 4 are called as each QObject
// is made and destroyed.
extern quintptr Q_CORE_EXPORT qtHookData[];

namespace soak {

namespace {

constexpr int kHookVersion = 0, kHookCount = 1, kAddObject = 3, kRemoveObject = 4;

std::int64_t liveObjects = 0;

void ObjectAdded(QObject*) { ++liveObjects; }
void ObjectRemoved(QObject*) { --liveObjects; }

std::int64_t ResidentKilobytes() {
  std::ifstream statm("/proc/self/statm");
  std::int64_t size = 0, resident = 0;
  statm >> size >> resident;
  return resident * sysconf(_SC_PAGESIZE) / 1024;
}

}  // namespace

void StartCounting() {
  if (qtHookData[kHookVersion] < 1 || qtHookData[kHookCount] <= kRemoveObject) return;
  qtHookData[kAddObject] = reinterpret_cast<quintptr>(&ObjectAdded);
  qtHookData[kRemoveObject] = reinterpret_cast<quintptr>(&ObjectRemoved);
}

std::vector<Counter> SampleResources() {
  return {
      {"window records", static_cast<std::int64_t>(native::qt::WindowRecordCount())},
      {"widgets", QApplication::allWidgets().size()},
      // Qt keeps a helper object or two for a while (the clipboard's data).
      {"QObjects", liveObjects, 2},
      {"resident KB", ResidentKilobytes(), -1},
  };
}

}  // namespace soak
