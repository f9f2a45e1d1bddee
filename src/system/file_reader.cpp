#include "system/file_reader.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

namespace tw {

namespace {

FileContent::State failureOf(int error) {
  return error == ENOENT || error == ENOTDIR || error == ELOOP || error == ENAMETOOLONG || error == ENXIO
             ? FileContent::State::Missing
             : FileContent::State::Unreadable;
}

// Up to `most` bytes; false on an error of the system.
bool readUpTo(int fd, std::string& bytes, std::size_t most) {
  bytes.resize(most);
  std::size_t got = 0;
  while (got < most) {
    const ssize_t n = ::read(fd, bytes.data() + got, most - got);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    got += static_cast<std::size_t>(n);
  }
  bytes.resize(got);
  return true;
}

}  // namespace

FileContent readFileCapped(const std::string& path, std::size_t cap) {
  // Non-blocking: opening a fifo for reading would otherwise wait for a writer for ever.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) return {failureOf(errno), {}};
  FileContent result;
  struct stat info {};
  if (::fstat(fd, &info) != 0) {
    result.state = FileContent::State::Unreadable;
  } else if (S_ISREG(info.st_mode) && static_cast<std::size_t>(info.st_size) <= cap) {
    // One byte more than it holds, so a file that grew past its cap meanwhile is known.
    const std::size_t most = std::min(static_cast<std::size_t>(info.st_size), cap) + 1;
    if (!readUpTo(fd, result.bytes, most)) {
      result.state = FileContent::State::Unreadable;
    } else if (result.bytes.size() <= cap) {
      result.state = FileContent::State::Read;
    }
  }
  ::close(fd);
  if (!result.read()) result.bytes.clear();
  return result;
}

}  // namespace tw
