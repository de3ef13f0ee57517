// time_run [--timeout SECONDS] PROGRAM [ARGS...]
// Starts the program, waits for it to end and prints one line: the wall
// time from start to exit in seconds and the peak resident memory in
// kilobytes (the kernel's maximum resident set of the process). The
// program's own output goes to standard error, so standard output holds
// only the measurement. The exit status is the program's; a program still
// running after the timeout (default 60 s) is killed and the status is 124.
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

volatile sig_atomic_t TimedOut = 0;

void OnAlarm(int) { TimedOut = 1; }

}  // namespace

int main(int argc, char** argv) {
  int first = 1;
  unsigned timeout = 60;
  if (argc > 2 && std::strcmp(argv[1], "--timeout") == 0) {
    timeout = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    first = 3;
  }
  if (first >= argc || timeout == 0) {
    std::fprintf(stderr, "usage: time_run [--timeout SECONDS] PROGRAM [ARGS...]\n");
    return 2;
  }
  // No SA_RESTART: the alarm has to interrupt the wait.
  struct sigaction action {};
  action.sa_handler = OnAlarm;
  sigaction(SIGALRM, &action, nullptr);

  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child < 0) {
    std::perror("time_run: fork");
    return 127;
  }
  if (child == 0) {
    dup2(STDERR_FILENO, STDOUT_FILENO);
    execvp(argv[first], argv + first);
    std::perror("time_run: exec");
    _exit(127);
  }
  alarm(timeout);
  int status = 0;
  rusage usage{};
  while (wait4(child, &status, 0, &usage) < 0) {
    if (errno != EINTR) {
      std::perror("time_run: wait4");
      return 127;
    }
    if (TimedOut) kill(child, SIGKILL);
  }
  const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
  alarm(0);
  if (TimedOut) {
    std::fprintf(stderr, "time_run: %s still running after %u s: killed\n", argv[first], timeout);
    return 124;
  }
  std::printf("%.4f %ld\n", wall.count(), usage.ru_maxrss);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return WEXITSTATUS(status);
}
