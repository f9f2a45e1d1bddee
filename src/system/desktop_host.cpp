#include "system/desktop_host.h"

#include <sys/stat.h>

#include "system/file_reader.h"
#include "system/file_writer.h"
#include "system/save_location.h"
#include "system/user_folder.h"

namespace tw {

DesktopHost::DesktopHost(const std::optional<std::string>& programDir)
    : program_(programDirFor(programDir, TW_INSTALLED_DATA)) {}

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
