// GDI and USER objects and private bytes of the process, as Windows counts
// them (GetGuiResources, GetProcessMemoryInfo). Wine does not count the
// objects, so under Wine they are counted where Wine keeps them.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>
// After <windows.h>, which they need.
#include <psapi.h>
#include <winternl.h>

#include <cstring>

#include "resources.h"

namespace soak {

namespace {

// One entry of the process's GDI handle table (PEB GdiSharedHandleTable),
// which Wine keeps with the layout Windows gives it.
struct GdiHandleEntry {
  std::uint64_t object;
  std::uint16_t processId, count, upper, type;
  std::uint64_t user;
};

constexpr int kGdiHandles = 0x10000;
constexpr std::size_t kPebGdiTable = 0xF8;  // x64

std::int64_t GdiTableCount() {
  PROCESS_BASIC_INFORMATION process{};
  if (NtQueryInformationProcess(GetCurrentProcess(), ProcessBasicInformation, &process,
                                sizeof process, nullptr) != 0)
    return -1;
  const auto* peb = reinterpret_cast<const unsigned char*>(process.PebBaseAddress);
  const GdiHandleEntry* table = nullptr;
  std::memcpy(&table, peb + kPebGdiTable, sizeof table);
  if (!table) return -1;
  std::int64_t count = 0;
  for (int i = 0; i < kGdiHandles; ++i) count += table[i].type != 0;
  return count;
}

bool IsIconHandle(HANDLE handle) {
  ICONINFO info{};
  if (!GetIconInfo(static_cast<HICON>(handle), &info)) return false;
  if (info.hbmMask) DeleteObject(info.hbmMask);
  if (info.hbmColor) DeleteObject(info.hbmColor);
  return true;
}

// Wine's USER handles are the even numbers from 0x20 up, and a handle with a
// generation of 0 names whichever object holds its index.
std::int64_t UserHandleCount() {
  std::int64_t count = 0;
  for (ULONG_PTR index = 0x20; index < 0x10000; index += 2) {
    const auto handle = reinterpret_cast<HANDLE>(index);
    count += IsWindow(static_cast<HWND>(handle)) || IsIconHandle(handle);
  }
  return count;
}

std::int64_t GuiObjects(DWORD which) {
  const DWORD counted = GetGuiResources(GetCurrentProcess(), which);
  if (counted != 0) return counted;
  return which == GR_GDIOBJECTS ? GdiTableCount() : UserHandleCount();
}

std::int64_t PrivateKilobytes() {
  PROCESS_MEMORY_COUNTERS_EX counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(),
                            reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&counters), sizeof counters))
    return -1;
  // The commit charge, which Windows gives twice; Wine only as PagefileUsage.
  const SIZE_T privateBytes =
      counters.PrivateUsage ? counters.PrivateUsage : counters.PagefileUsage;
  return static_cast<std::int64_t>(privateBytes / 1024);
}

}  // namespace

void StartCounting() {}

std::vector<Counter> SampleResources() {
  return {
      {"GDI objects", GuiObjects(GR_GDIOBJECTS)},
      {"USER objects", GuiObjects(GR_USEROBJECTS)},
      {"private KB", PrivateKilobytes(), -1},
  };
}

}  // namespace soak
