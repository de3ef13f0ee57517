// --batch as a co-process: a program writes one line, waits for its
// answer, then writes the next. Through pipes, as main() runs it.
#ifndef _WIN32
#include <gtest/gtest.h>
#include <poll.h>
#include <unistd.h>

#include <sstream>
#include <string>
#include <thread>

#include "cli/fd_streams.h"

namespace {

// What the pipe holds within the time given (generous: this checks that
// an answer comes at all before more input, not how fast).
std::string ReadAnswer(int fd) {
  std::string answer;
  while (!answer.ends_with('\n')) {
    pollfd ready{fd, POLLIN, 0};
    if (poll(&ready, 1, 20000) != 1) break;
    char buffer[256];
    const ssize_t count = read(fd, buffer, sizeof buffer);
    if (count <= 0) break;
    answer.append(buffer, static_cast<std::size_t>(count));
  }
  return answer;
}

TEST(Coprocess, AnswersEachLineBeforeTheNextIsWritten) {
  int input[2], output[2];
  ASSERT_EQ(pipe(input), 0);
  ASSERT_EQ(pipe(output), 0);
  std::ostringstream err;
  int status = -1;
  std::thread converter([&] {
    const std::vector<std::string> args = {"--batch"};
    status = cli::RunOnDescriptors(args, input[0], output[1], err, {".", ","}, false);
    close(output[1]);
  });
  const std::string lines[] = {
      R"({"values":["1"],"from":["mi"],"to":["km"]})",
      R"({"values":["100"],"from":["in"],"to":["ft","in"]})",
  };
  const std::string answers[] = {R"({"result":"1.609 km"})", R"({"result":"8 ft  4 in"})"};
  for (int i = 0; i < 2; ++i) {
    const std::string line = lines[i] + "\n";
    ASSERT_EQ(write(input[1], line.data(), line.size()), static_cast<ssize_t>(line.size()));
    EXPECT_EQ(ReadAnswer(output[0]), answers[i] + "\n");
  }
  close(input[1]);
  converter.join();
  EXPECT_EQ(status, 0);
  EXPECT_EQ(ReadAnswer(output[0]), "");
  close(input[0]);
  close(output[0]);
}

}  // namespace
#endif
