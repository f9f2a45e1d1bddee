#include "system/desktop_host.h"

#include <sys/stat.h>

#include <ctime>

#include "system/file_reader.h"
#include "system/file_writer.h"
#include "system/save_location.h"
#include "system/user_folder.h"

namespace tw {

namespace {
constexpr std::int64_t kDayMs = 86'400'000;
}  // namespace

DesktopHost::DesktopHost(const std::optional<std::string>& programDir, std::optional<int> virtualDaySeconds)
    : program_(programDirFor(programDir, TW_INSTALLED_DATA)) {
  if (virtualDaySeconds) virtualDayStartMs_ = *virtualDaySeconds * 1000LL;
}

std::int64_t DesktopHost::timeOfDayMs(std::int64_t now) {
  if (virtualDayStartMs_) return (*virtualDayStartMs_ + now) % kDayMs;
  timespec wall{};
  ::clock_gettime(CLOCK_REALTIME, &wall);
  tm local{};
  ::localtime_r(&wall.tv_sec, &local);
  return ((local.tm_hour * 60LL + local.tm_min) * 60 + local.tm_sec) * 1000 + wall.tv_nsec / 1'000'000;
}

FileContent DesktopHost::readProgramFile(const std::string& path, std::size_t cap) {
  return readFileCapped(path, cap);
}

std::optional<FileVersion> DesktopHost::programFileVersion(const std::string& path) {
  struct stat now {};
  if (::stat(path.c_str(), &now) != 0) return std::nullopt;
  // Any write, rename over it or change of permissions moves the status-change time.
  return FileVersion{now.st_dev, now.st_ino, now.st_ctim.tv_sec, now.st_ctim.tv_nsec, now.st_size};
}

FileContent DesktopHost::readSavedGame() { return readFileCapped(loadPath(program_), kSmallFileBytes); }

std::string DesktopHost::keepSavedGame(const std::string& content) {
  return failureReason(writeFileWhole(savePath(program_), content), "Save.ini");
}

FileContent DesktopHost::readPreferences() {
  const std::string path = preferencesPath();
  return path.empty() ? FileContent{} : readFileCapped(path, kSmallFileBytes);
}

std::string DesktopHost::keepPreferences(const std::string& content) {
  const std::string path = preferencesPath();
  if (path.empty()) return "there is no home folder";
  return failureReason(writeFileWhole(path, content), kPreferencesFileName);
}

std::string DesktopHost::preferencesPlace() { return preferencesPath(); }

}  // namespace tw
