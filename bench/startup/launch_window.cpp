// launch_window: starts a window program, times it from CreateProcessW until
// its window is shown and answering messages, closes that window the way a
// user does (WM_CLOSE) and checks that the program then ends with exit code 0.
//
//   launch_window [--title TEXT] [--timeout SECONDS] [--runs N] [--warmup N]
//                 PROGRAM [ARGUMENT...] [--next PROGRAM [ARGUMENT...]]...
//
// --title     the window must have this caption (default: any visible window)
// --timeout   how long to wait for the window, and then for the end (default 30)
// --runs      timed starts of each program (default 1)
// --warmup    untimed starts of each program first, so no program pays alone
//             for reading its file from disk (default 0)
//
// Several programs start in turn, round after round, so a slow spell of the
// machine falls on all of them alike. With more than one run the median and
// mean of each program are printed, and with two programs their ratio.
// Exit status: 0 when every start went as described, 1 when one did not
// (the reason is printed and the program is ended), 2 for a usage error.

// windows.h must come before the headers that build on it.
// clang-format off
#include <windows.h>
#include <shellapi.h>
// clang-format on

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cwchar>
#include <numeric>
#include <string>
#include <vector>

namespace {

struct Program {
  std::wstring path;  // absolute, as CreateProcessW is given it
  std::vector<std::wstring> arguments;
  std::vector<double> milliseconds;
};

struct Options {
  std::wstring title;
  bool anyTitle = true;
  DWORD timeoutMs = 30000;
  int runs = 1;
  int warmup = 0;
};

std::string Utf8(const std::wstring& text) {
  if (text.empty()) return {};
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string out(static_cast<std::size_t>(size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), size,
                      nullptr, nullptr);
  return out;
}

std::string NameOf(const Program& program) {
  std::size_t slash = program.path.find_last_of(L"\\/");
  return Utf8(slash == std::wstring::npos ? program.path : program.path.substr(slash + 1));
}

// One argument quoted so that the started program's CommandLineToArgvW (or
// its C runtime) reads it back unchanged.
void AppendQuoted(std::wstring& line, const std::wstring& argument) {
  line += L'"';
  std::size_t backslashes = 0;
  for (wchar_t c : argument) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    // Backslashes are literal unless a quote follows them.
    line.append(c == L'"' ? 2 * backslashes + 1 : backslashes, L'\\');
    backslashes = 0;
    line += c;
  }
  line.append(2 * backslashes, L'\\');
  line += L'"';
}

double Elapsed(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

struct Search {
  DWORD processId = 0;
  const Options* options = nullptr;
  HWND found = nullptr;
  std::vector<std::wstring> titlesSeen;
};

BOOL CALLBACK InspectWindow(HWND window, LPARAM context) {
  auto* search = reinterpret_cast<Search*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || !IsWindowVisible(window)) return TRUE;
  wchar_t text[256] = L"";
  GetWindowTextW(window, text, 256);
  if (search->options->anyTitle || search->options->title == text) {
    search->found = window;
    return FALSE;
  }
  search->titlesSeen.emplace_back(text);
  return TRUE;
}

std::string Quoted(const std::wstring& text) { return "\"" + Utf8(text) + "\""; }

// Starts the program once; the time from start to its answering window, or
// a negative number after printing why the start failed.
double RunOnce(const Program& program, const Options& options) {
  const std::string name = NameOf(program);
  std::wstring commandLine;
  AppendQuoted(commandLine, program.path);
  for (const std::wstring& argument : program.arguments) {
    commandLine += L' ';
    AppendQuoted(commandLine, argument);
  }

  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(program.path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      nullptr, &startup, &process)) {
    std::fprintf(stderr, "%s: cannot start (error %lu)\n", name.c_str(), GetLastError());
    return -1;
  }
  CloseHandle(process.hThread);

  auto fail = [&](const std::string& why) {
    std::fprintf(stderr, "%s: %s\n", name.c_str(), why.c_str());
    TerminateProcess(process.hProcess, 1);
    WaitForSingleObject(process.hProcess, 5000);
    CloseHandle(process.hProcess);
    return -1.0;
  };
  const std::string seconds = std::to_string(options.timeoutMs / 1000) + " s";

  // Returns at once for a program that never reads input; the search for
  // the window below then does the waiting.
  WaitForInputIdle(process.hProcess, options.timeoutMs);
  const ULONGLONG deadline = GetTickCount64() + options.timeoutMs;
  Search search;
  search.processId = process.dwProcessId;
  search.options = &options;
  for (;;) {
    search.titlesSeen.clear();
    EnumWindows(InspectWindow, reinterpret_cast<LPARAM>(&search));
    if (search.found) break;
    // Doubles as the pause between searches.
    if (WaitForSingleObject(process.hProcess, 1) == WAIT_OBJECT_0) {
      DWORD code = 0;
      GetExitCodeProcess(process.hProcess, &code);
      return fail("ended with exit code " + std::to_string(code) + " before showing its window");
    }
    if (GetTickCount64() > deadline) {
      std::string why = options.anyTitle ? "no visible window"
                                         : "no visible window titled " + Quoted(options.title);
      why += " within " + seconds;
      if (!search.titlesSeen.empty()) {
        why += " (visible:";
        for (const std::wstring& title : search.titlesSeen) why += " " + Quoted(title);
        why += ")";
      }
      return fail(why);
    }
  }
  // Shown is not yet ready: the window counts once its thread has come back
  // to its message loop and answers.
  DWORD_PTR answer = 0;
  if (!SendMessageTimeoutW(search.found, WM_NULL, 0, 0, SMTO_NORMAL, options.timeoutMs, &answer))
    return fail("its window does not answer messages within " + seconds);
  LARGE_INTEGER ready;
  QueryPerformanceCounter(&ready);

  PostMessageW(search.found, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(process.hProcess, options.timeoutMs) != WAIT_OBJECT_0)
    return fail("still running " + seconds + " after its window was sent WM_CLOSE");
  DWORD code = 1;
  GetExitCodeProcess(process.hProcess, &code);
  CloseHandle(process.hProcess);
  if (code != 0) {
    std::fprintf(stderr, "%s: ended with exit code %lu after WM_CLOSE\n", name.c_str(), code);
    return -1;
  }
  return Elapsed(start, ready);
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  const std::size_t middle = values.size() / 2;
  return values.size() % 2 ? values[middle] : (values[middle - 1] + values[middle]) / 2;
}

double Mean(const std::vector<double>& values) {
  return std::accumulate(values.begin(), values.end(), 0.0) / static_cast<double>(values.size());
}

int Usage(const char* why) {
  std::fprintf(stderr,
               "launch_window: %s\n"
               "usage: launch_window [--title TEXT] [--timeout SECONDS] [--runs N] [--warmup N]\n"
               "                     PROGRAM [ARGUMENT...] [--next PROGRAM [ARGUMENT...]]...\n",
               why);
  return 2;
}

bool ReadCount(const wchar_t* text, int least, int& out) {
  wchar_t* end = nullptr;
  long value = std::wcstol(text, &end, 10);
  if (end == text || *end != L'\0' || value < least || value > 100000) return false;
  out = static_cast<int>(value);
  return true;
}

std::wstring FullPath(const std::wstring& path) {
  wchar_t buffer[MAX_PATH * 4];
  DWORD length = GetFullPathNameW(path.c_str(), MAX_PATH * 4, buffer, nullptr);
  return length > 0 && length < MAX_PATH * 4 ? std::wstring(buffer, length) : path;
}

}  // namespace

int main() {
  int argc = 0;
  wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  if (!argv) return Usage("cannot read the command line");

  Options options;
  std::vector<Program> programs;
  int i = 1;
  for (; i < argc && argv[i][0] == L'-' && argv[i][1] == L'-'; ++i) {
    const std::wstring option = argv[i];
    if (i + 1 >= argc) return Usage("an option lacks its value");
    const wchar_t* value = argv[++i];
    int seconds = 0;
    if (option == L"--title") {
      options.title = value;
      options.anyTitle = false;
    } else if (option == L"--timeout") {
      if (!ReadCount(value, 1, seconds)) return Usage("--timeout takes whole seconds, 1 or more");
      options.timeoutMs = static_cast<DWORD>(seconds) * 1000;
    } else if (option == L"--runs") {
      if (!ReadCount(value, 1, options.runs)) return Usage("--runs takes a count, 1 or more");
    } else if (option == L"--warmup") {
      if (!ReadCount(value, 0, options.warmup)) return Usage("--warmup takes a count");
    } else {
      return Usage("unknown option");
    }
  }
  for (; i < argc; ++i) {
    if (std::wstring(argv[i]) == L"--next") {
      if (programs.empty() || i + 1 >= argc) return Usage("--next comes between two programs");
      programs.push_back({FullPath(argv[++i]), {}, {}});
    } else if (programs.empty()) {
      programs.push_back({FullPath(argv[i]), {}, {}});
    } else {
      programs.back().arguments.emplace_back(argv[i]);
    }
  }
  LocalFree(argv);
  if (programs.empty()) return Usage("no program given");

  // Each round starts the programs in the opposite order of the last, so
  // none is always the one that follows another.
  std::vector<Program*> order;
  for (Program& program : programs) order.push_back(&program);
  for (int round = 0; round < options.warmup + options.runs; ++round) {
    const bool timed = round >= options.warmup;
    for (Program* each : order) {
      Program& program = *each;
      const double ms = RunOnce(program, options);
      if (ms < 0) return 1;
      if (!timed) continue;
      program.milliseconds.push_back(ms);
      std::printf("%-24s run %3d  %9.1f ms\n", NameOf(program).c_str(), round - options.warmup + 1,
                  ms);
      std::fflush(stdout);
    }
    std::reverse(order.begin(), order.end());
  }

  if (options.runs > 1) {
    for (const Program& program : programs)
      std::printf("%-24s median %9.1f ms  mean %9.1f ms  (%d runs)\n", NameOf(program).c_str(),
                  Median(program.milliseconds), Mean(program.milliseconds), options.runs);
  }
  if (programs.size() == 2) {
    const Program &first = programs[0], &second = programs[1];
    std::printf("ratio %s / %s: median %.3f  mean %.3f\n", NameOf(first).c_str(),
                NameOf(second).c_str(), Median(first.milliseconds) / Median(second.milliseconds),
                Mean(first.milliseconds) / Mean(second.milliseconds));
  }
  return 0;
}
