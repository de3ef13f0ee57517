// Standard input and output as streams over their file descriptors, so
// that a failed read (standard input a directory, a broken device) shows
// as a bad stream instead of an early end of input, and a failed write
// (a full disk, /dev/full) as a failed stream.
#pragma once

#include <array>
#include <iosfwd>
#include <span>
#include <streambuf>
#include <string>

#include "platform/number_symbols.h"

namespace cli {

class FdInBuffer : public std::streambuf {
 public:
  explicit FdInBuffer(int fd) : fd_(fd) {}

  // Flushes output before waiting for more input: a program that writes a
  // line and waits for its answer gets it, while answers to input already
  // read stay buffered.
  void FlushBeforeWaiting(std::streambuf* output) { output_ = output; }

 protected:
  // A read error is thrown here, where the stream catches it and marks
  // itself bad; it never leaves the stream.
  int_type underflow() override;

 private:
  int fd_;
  std::streambuf* output_ = nullptr;
  std::array<char, 1 << 16> buffer_{};
};

class FdOutBuffer : public std::streambuf {
 public:
  explicit FdOutBuffer(int fd) : fd_(fd) { setp(buffer_.data(), buffer_.data() + buffer_.size()); }
  ~FdOutBuffer() override { sync(); }

 protected:
  int_type overflow(int_type c) override;
  int sync() override;

 private:
  bool Drain();

  int fd_;
  std::array<char, 1 << 16> buffer_{};
};

// zurmet-convert on file descriptors: what main() runs, with standard
// input's buffer flushing the answers before it waits.
int RunOnDescriptors(std::span<const std::string> args, int in, int out, std::ostream& err,
                     const platform::NumberSymbols& regional, bool interactive);

}  // namespace cli
