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

void SendClick(native::Point screen) {
  SetCursorPos(screen.x, screen.y);
  std::vector<INPUT> inputs{Button(MOUSEEVENTF_LEFTDOWN), Button(MOUSEEVENTF_LEFTUP)};
  Send(inputs);
}

}  // namespace ui::testing
