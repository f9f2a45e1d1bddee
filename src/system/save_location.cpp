#include "system/save_location.h"

#include <sys/stat.h>
#include <unistd.h>

#include "system/user_folder.h"

namespace tw {

namespace {

constexpr const char* kFileName = "/Save.ini";

std::string besideTheProgram(const ProgramDir& program) { return program.path + kFileName; }

// Empty when there is no per-user folder to be had.
std::string inTheDataFolder() {
  const std::string folder = userFolder("XDG_DATA_HOME", ".local/share");
  return folder.empty() ? "" : folder + kFileName;
}

bool writtenAfter(const std::string& path, const std::string& other) {
  struct stat mine {
  }, theirs{};
  if (::stat(path.c_str(), &mine) != 0) return false;
  if (::stat(other.c_str(), &theirs) != 0) return true;
  return mine.st_mtim.tv_sec != theirs.st_mtim.tv_sec ? mine.st_mtim.tv_sec > theirs.st_mtim.tv_sec
                                                      : mine.st_mtim.tv_nsec > theirs.st_mtim.tv_nsec;
}

}  // namespace

std::string savePath(const ProgramDir& program) {
  const std::string beside = besideTheProgram(program);
  if (!program.installed && ::access(program.path.c_str(), W_OK) == 0) return beside;
  const std::string data = inTheDataFolder();
  return data.empty() ? beside : data;
}

std::string loadPath(const ProgramDir& program) {
  const std::string data = inTheDataFolder();
  if (program.installed && !data.empty()) return data;
  const std::string beside = besideTheProgram(program);
  return !data.empty() && writtenAfter(data, beside) ? data : beside;
}

}  // namespace tw
