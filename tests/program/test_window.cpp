// A window program that misbehaves on request, to show that launch_window
// fails a program that does not do what zurmet.exe must:
//   --title TEXT     its caption (default "Test window")
//   --ignore-close   WM_CLOSE leaves the window open and the program running
//   --exit-code N    the exit code after the window closes (default 0)
//   --hidden         never shows the window
//   --busy-ms N      blocks its message loop for N ms after showing the window
// windows.h must come before the headers that build on it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <cwchar>
#include <string>

namespace {

bool ignoreClose = false;

LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_CLOSE && ignoreClose) return 0;
  if (message == WM_DESTROY) {
    PostQuitMessage(0);
    return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int main() {
  std::wstring title = L"Test window";
  int exitCode = 0;
  bool hidden = false;
  DWORD busyMs = 0;
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  for (int i = 1; argv && i < argc; ++i) {
    const std::wstring option = argv[i];
    const wchar_t* value = i + 1 < argc ? argv[i + 1] : L"";
    if (option == L"--ignore-close") {
      ignoreClose = true;
    } else if (option == L"--hidden") {
      hidden = true;
    } else if (option == L"--title") {
      title = value, ++i;
    } else if (option == L"--exit-code") {
      exitCode = static_cast<int>(std::wcstol(value, nullptr, 10)), ++i;
    } else if (option == L"--busy-ms") {
      busyMs = static_cast<DWORD>(std::wcstoul(value, nullptr, 10)), ++i;
    } else {
      return 64;
    }
  }
  LocalFree(argv);

  HINSTANCE instance = GetModuleHandleW(nullptr);
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = WindowProc;
  windowClass.hInstance = instance;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  windowClass.lpszClassName = L"ZurmetTestWindow";
  if (!RegisterClassW(&windowClass)) return 65;
  HWND window =
      CreateWindowExW(0, windowClass.lpszClassName, title.c_str(), WS_OVERLAPPEDWINDOW,
                      CW_USEDEFAULT, CW_USEDEFAULT, 300, 200, nullptr, nullptr, instance, nullptr);
  if (!window) return 65;
  if (!hidden) ShowWindow(window, SW_SHOWDEFAULT);
  if (busyMs) Sleep(busyMs);

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return exitCode;
}
