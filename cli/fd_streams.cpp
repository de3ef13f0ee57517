#include "cli/fd_streams.h"

#include <cerrno>
#include <ios>
#include <istream>
#include <ostream>

#include "cli/command.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

namespace cli {
namespace {

long ReadSome(int fd, char* data, std::size_t size) {
#ifdef _WIN32
  return _read(fd, data, static_cast<unsigned>(size));
#else
  return static_cast<long>(read(fd, data, size));
#endif
}

long WriteSome(int fd, const char* data, std::size_t size) {
#ifdef _WIN32
  return _write(fd, data, static_cast<unsigned>(size));
#else
  return static_cast<long>(write(fd, data, size));
#endif
}

}  // namespace

FdInBuffer::int_type FdInBuffer::underflow() {
  if (gptr() < egptr()) return traits_type::to_int_type(*gptr());
  if (output_) output_->pubsync();
  long count = 0;
  do {
    count = ReadSome(fd_, buffer_.data(), buffer_.size());
  } while (count < 0 && errno == EINTR);
  if (count < 0) throw std::ios_base::failure("cannot read standard input");
  if (count == 0) return traits_type::eof();
  setg(buffer_.data(), buffer_.data(), buffer_.data() + count);
  return traits_type::to_int_type(*gptr());
}

bool FdOutBuffer::Drain() {
  const char* data = pbase();
  while (data < pptr()) {
    const long count = WriteSome(fd_, data, static_cast<std::size_t>(pptr() - data));
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return false;
    data += count;
  }
  setp(buffer_.data(), buffer_.data() + buffer_.size());
  return true;
}

FdOutBuffer::int_type FdOutBuffer::overflow(int_type c) {
  if (!Drain()) return traits_type::eof();
  if (traits_type::eq_int_type(c, traits_type::eof())) return traits_type::not_eof(c);
  *pptr() = traits_type::to_char_type(c);
  pbump(1);
  return c;
}

int FdOutBuffer::sync() { return Drain() ? 0 : -1; }

int RunOnDescriptors(std::span<const std::string> args, int in, int out, std::ostream& err,
                     const platform::NumberSymbols& regional, bool interactive) {
  FdInBuffer input(in);
  FdOutBuffer output(out);
  input.FlushBeforeWaiting(&output);
  std::istream inStream(&input);
  std::ostream outStream(&output);
  return RunCommand(args, inStream, outStream, err, regional, interactive);
}

}  // namespace cli
