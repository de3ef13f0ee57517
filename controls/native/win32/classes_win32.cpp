#include "controls/native/win32/classes_win32.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

namespace native::win32 {

namespace {

std::vector<ATOM>& LayerClasses() {
  static std::vector<ATOM> atoms;
  return atoms;
}

struct KnownClass {
  const wchar_t* name;
  SystemClass systemClass;
};
constexpr KnownClass kSystemClasses[] = {
    {L"BUTTON", SystemClass::Button},
    {L"STATIC", SystemClass::Static},
    {L"EDIT", SystemClass::Edit},
    {L"COMBOBOX", SystemClass::ComboBox},
};

SystemClass ClassOfProcedure(WNDPROC procedure) {
  static const std::vector<WNDPROC> procedures = [] {
    std::vector<WNDPROC> found;
    for (const KnownClass& known : kSystemClasses) {
      WNDCLASSW info{};
      found.push_back(GetClassInfoW(nullptr, known.name, &info) ? info.lpfnWndProc : nullptr);
    }
    return found;
  }();
  for (std::size_t i = 0; i < procedures.size(); ++i)
    if (procedures[i] && procedures[i] == procedure) return kSystemClasses[i].systemClass;
  return SystemClass::None;
}

// Window handles carry a generation, so the entry of a window that is gone
// names no later window; such entries are dropped now and then.
std::unordered_map<HWND, SystemClass>& Kinds() {
  static std::unordered_map<HWND, SystemClass> kinds;
  return kinds;
}

void DropGoneWindows() {
  static std::size_t checkedAt = 64;
  if (Kinds().size() < checkedAt) return;
  std::erase_if(Kinds(), [](const auto& entry) { return !IsWindow(entry.first); });
  checkedAt = std::max<std::size_t>(64, 2 * Kinds().size());
}

}  // namespace

void NoteLayerClass(ATOM atom) {
  if (atom && std::ranges::find(LayerClasses(), atom) == LayerClasses().end())
    LayerClasses().push_back(atom);
}

bool IsLayerWindow(HWND window) {
  if (!window) return false;
  const auto atom = static_cast<ATOM>(GetClassLongW(window, GCW_ATOM));
  return std::ranges::find(LayerClasses(), atom) != LayerClasses().end();
}

void NoteProcedure(HWND window, UINT message, WNDPROC procedure) {
  if (message != WM_NCCREATE) return;
  const SystemClass systemClass = ClassOfProcedure(procedure);
  if (systemClass == SystemClass::None) return;
  DropGoneWindows();
  Kinds()[window] = systemClass;
}

SystemClass SystemClassOf(HWND window) {
  const auto found = Kinds().find(window);
  return found != Kinds().end() && IsWindow(window) ? found->second : SystemClass::None;
}

}  // namespace native::win32
