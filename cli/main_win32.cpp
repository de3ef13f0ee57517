// Windows hands main() its arguments in the ANSI code page, which cannot
// hold "µm" everywhere; read the wide command line and pass UTF-8 on.
// windows.h must come before the headers that build on it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <fcntl.h>
#include <io.h>

#include <cstdio>
#include <iostream>
#include <string>
#include <vector>

#include "cli/command.h"
#include "cli/fd_streams.h"

namespace {

std::string ToUtf8(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text, -1, nullptr, 0, nullptr, nullptr);
  if (size <= 1) return {};
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out.data(), size, nullptr, nullptr);
  out.pop_back();  // the terminating null
  return out;
}

}  // namespace

int main() {
  // Results are UTF-8 ("g/m²"); a console shows them right in code page 65001.
  SetConsoleOutputCP(CP_UTF8);
  // No newline translation: answers are the same bytes as on other systems.
  _setmode(_fileno(stdout), _O_BINARY);
  int count = 0;
  wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::string> args;
  for (int i = 1; wide && i < count; ++i) args.push_back(ToUtf8(wide[i]));
  if (wide) LocalFree(wide);
  return cli::RunOnDescriptors(args, _fileno(stdin), _fileno(stdout), std::cerr,
                               platform::RegionalSymbols(), _isatty(_fileno(stdin)) != 0);
}
