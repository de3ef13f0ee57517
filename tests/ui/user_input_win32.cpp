#include "user_input.h"

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

#include <vector>

namespace ui::testing {

namespace {

void Send(std::vector<INPUT>& inputs) {
  SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
}

INPUT Key(WORD virtualKey, WORD unit, DWORD flags) {
  INPUT input{};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = virtualKey;
  input.ki.wScan = unit;
  input.ki.dwFlags = flags;
  return input;
}

INPUT Button(DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dwFlags = flags;
  return input;
}

}  // namespace

void SendText(const std::string& text) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  std::vector<INPUT> inputs;
  for (wchar_t unit : wide) {
    inputs.push_back(Key(0, unit, KEYEVENTF_UNICODE));
    inputs.push_back(Key(0, unit, KEYEVENTF_UNICODE | KEYEVENTF_KEYUP));
  }
  Send(inputs);
}

void SendKey(int virtualKey) {
  const auto vk = static_cast<WORD>(virtualKey);
  std::vector<INPUT> inputs{Key(vk, 0, 0), Key(vk, 0, KEYEVENTF_KEYUP)};
  Send(inputs);
}

void SendKeyDown(int virtualKey) {
  std::vector<INPUT> inputs{Key(static_cast<WORD>(virtualKey), 0, 0)};
  Send(inputs);
}

void SendKeyUp(int virtualKey) {
  std::vector<INPUT> inputs{Key(static_cast<WORD>(virtualKey), 0, KEYEVENTF_KEYUP)};
  Send(inputs);
}

void SendClick(native::Point screen) {
  SetCursorPos(screen.x, screen.y);
  std::vector<INPUT> inputs{Button(MOUSEEVENTF_LEFTDOWN), Button(MOUSEEVENTF_LEFTUP)};
  Send(inputs);
}

void SendWheel(native::Point screen, int notches) {
  SetCursorPos(screen.x, screen.y);
  INPUT wheel = Button(MOUSEEVENTF_WHEEL);
  wheel.mi.mouseData = static_cast<DWORD>(WHEEL_DELTA * notches);
  std::vector<INPUT> inputs{wheel};
  Send(inputs);
}

void SetClipboardText(const std::string& text) {
  const int length =
      MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, (static_cast<SIZE_T>(length) + 1) * sizeof(wchar_t));
  if (!memory) return;
  auto* wide = static_cast<wchar_t*>(GlobalLock(memory));
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide, length);
  wide[length] = L'\0';
  GlobalUnlock(memory);
  if (!OpenClipboard(nullptr)) {
    GlobalFree(memory);
    return;
  }
  EmptyClipboard();
  if (!SetClipboardData(CF_UNICODETEXT, memory)) GlobalFree(memory);
  CloseClipboard();
}

}  // namespace ui::testing
