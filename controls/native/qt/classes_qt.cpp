// Window classes: the system classes, whose procedures drive Qt widgets,
// and the classes the program registers.
#include <algorithm>
#include <cctype>
#include <string>
#include <utility>
#include <vector>

#include "controls/native/qt/system_classes_qt.h"

namespace native {

using namespace qt;

namespace {

struct SystemClassEntry {
  const char* name;
  SystemClass systemClass;
  U32 style;
  int cursorId;
};

// The class styles as the system registers them.
constexpr U32 kSystemClassStyle = CS_GLOBALCLASS | CS_PARENTDC | CS_DBLCLKS;
constexpr SystemClassEntry kSystemClasses[] = {
    {"BUTTON", SystemClass::Button, kSystemClassStyle, IDC_ARROW},
    {"STATIC", SystemClass::Static, kSystemClassStyle, IDC_ARROW},
    {"EDIT", SystemClass::Edit, kSystemClassStyle, IDC_IBEAM},
    {"COMBOBOX", SystemClass::ComboBox, kSystemClassStyle, IDC_ARROW},
};

bool SameName(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

const SystemClassEntry* FindSystemClass(const std::string& name) {
  for (const SystemClassEntry& entry : kSystemClasses)
    if (SameName(entry.name, name)) return &entry;
  return nullptr;
}

std::vector<std::pair<std::string, ClassInfo>>& Registered() {
  static std::vector<std::pair<std::string, ClassInfo>> classes;
  return classes;
}

const ClassInfo* FindRegistered(const std::string& name) {
  for (const auto& [known, info] : Registered())
    if (SameName(known, name)) return &info;
  return nullptr;
}

}  // namespace

bool GetClassInfo(const std::string& className, ClassInfo& info) {
  if (const SystemClassEntry* system = FindSystemClass(className)) {
    info = {system->style, SystemProcedureOf(system->systemClass), 0, 8,
            nullptr,       LoadSystemCursor(system->cursorId)};
    return true;
  }
  if (const ClassInfo* registered = FindRegistered(className)) {
    info = *registered;
    return true;
  }
  return false;
}

bool RegisterClass(const std::string& className, const ClassInfo& info) {
  if (className.empty() || !info.procedure || FindRegistered(className) ||
      FindSystemClass(className))
    return false;
  Registered().emplace_back(className, info);
  return true;
}

}  // namespace native
