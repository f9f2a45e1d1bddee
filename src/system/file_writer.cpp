#include "system/file_writer.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>

namespace tw {

namespace {

namespace fs = std::filesystem;

WriteFailure failureOf(int error) {
  switch (error) {
    case ENOSPC:
    case EDQUOT:
      return WriteFailure::DiskFull;
    case EROFS:
      return WriteFailure::ReadOnlyDisk;
    case EACCES:
    case EPERM:
      return WriteFailure::FolderWriteProtected;
    case EISDIR:
      return WriteFailure::NotRegular;
    case ENOENT:
    case ENOTDIR:
      return WriteFailure::NoFolder;
    default:
      return WriteFailure::Other;
  }
}

// The termination signals wait while the file is written, so none leaves half a job behind.
class TerminationDeferred {
 public:
  TerminationDeferred() {
    caught_ = 0;
    struct sigaction hold {};
    hold.sa_handler = [](int signal) { caught_ = signal; };
    hold.sa_flags = SA_RESTART;
    sigemptyset(&hold.sa_mask);
    for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &hold, &previous_[i]);
  }
  ~TerminationDeferred() {
    for (std::size_t i = 0; i < kSignals.size(); ++i) ::sigaction(kSignals[i], &previous_[i], nullptr);
    if (caught_ != 0) std::raise(caught_);
  }
  TerminationDeferred(const TerminationDeferred&) = delete;
  TerminationDeferred& operator=(const TerminationDeferred&) = delete;

 private:
  static constexpr std::array<int, 3> kSignals{SIGTERM, SIGINT, SIGHUP};
  static inline volatile std::sig_atomic_t caught_ = 0;
  std::array<struct sigaction, kSignals.size()> previous_{};
};

bool writeAll(int fd, std::string_view data) {
  while (!data.empty()) {
    const ssize_t n = ::write(fd, data.data(), data.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return false;
    data.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// Missing folders are made private to the player, as per-user folders are.
void makeFolder(const fs::path& folder) {
  std::error_code error;
  if (folder.empty() || fs::exists(folder, error)) return;
  makeFolder(folder.parent_path());
  ::mkdir(folder.c_str(), 0700);
}

// A replaced file keeps the permissions of the old one.
mode_t fileMode(const fs::path& path) {
  struct stat old {};
  if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) return old.st_mode & 07777;
  return 0644;
}

// Where a write really goes: the file a symbolic link names, so the link stays a link.
fs::path writeTarget(fs::path path) {
  // A few links deep at most, so a loop of links cannot hold the game.
  for (int depth = 0; depth < 8; ++depth) {
    std::error_code error;
    if (!fs::is_symlink(path, error)) break;
    const fs::path named = fs::read_symlink(path, error);
    if (error) break;
    path = named.is_absolute() ? named : path.parent_path() / named;
  }
  return path;
}

// What is at the target and may not be replaced.
WriteFailure targetRefuses(const fs::path& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) return WriteFailure::None;
  if (!S_ISREG(info.st_mode)) return WriteFailure::NotRegular;
  return (info.st_mode & 0222) == 0 ? WriteFailure::WriteProtected : WriteFailure::None;
}

// Temporary files of writes that were cut short, by a kill or a power cut, and are long done.
void removeLeftovers(const fs::path& folder, const std::string& name) {
  const std::string prefix = "." + name + ".";
  const auto old = fs::file_time_type::clock::now() - std::chrono::minutes(1);
  std::error_code error;
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    const std::string file = entry.path().filename().string();
    if (file.size() != prefix.size() + 6 || !file.starts_with(prefix)) continue;
    std::error_code ignored;
    if (entry.is_regular_file(ignored) && entry.last_write_time(ignored) < old) fs::remove(entry.path(), ignored);
  }
}

void syncFolder(const fs::path& folder) {
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

WriteFailure writeFileWhole(const std::string& path, std::string_view content) {
  const fs::path target = writeTarget(path);
  if (const WriteFailure refused = targetRefuses(target); refused != WriteFailure::None) return refused;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : ".";
  makeFolder(folder);
  removeLeftovers(folder, target.filename().string());
  const TerminationDeferred deferred;
  std::string temp = (folder / ("." + target.filename().string() + ".XXXXXX")).string();
  const int fd = ::mkstemp(temp.data());
  if (fd < 0) return failureOf(errno);
  int error = 0;
  if (!writeAll(fd, content) || ::fchmod(fd, fileMode(target)) != 0 || ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && std::rename(temp.c_str(), target.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temp.c_str());
    return failureOf(error);
  }
  syncFolder(folder);
  return WriteFailure::None;
}

std::string failureReason(WriteFailure failure, const std::string& fileName) {
  switch (failure) {
    case WriteFailure::None:
      return {};
    case WriteFailure::WriteProtected:
      return fileName + " is write-protected";
    case WriteFailure::NotRegular:
      return fileName + " is not a regular file";
    case WriteFailure::NoFolder:
      return "its folder cannot be made";
    case WriteFailure::FolderWriteProtected:
      return "its folder is write-protected";
    case WriteFailure::DiskFull:
      return "the disk is full";
    case WriteFailure::ReadOnlyDisk:
      return "the disk is read-only";
    case WriteFailure::Other:
      break;
  }
  return "the system refused it";
}

}  // namespace tw
