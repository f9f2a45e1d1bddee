#include "persistence/save_location.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/application.h"

namespace tw {

namespace {

constexpr const char* kFileName = "/Save.ini";

std::string homeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  const passwd* user = ::getpwuid(::getuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

// Empty when there is no per-user folder to be had.
std::string userDataFolder() {
  // Only an absolute XDG_DATA_HOME counts; a relative one is to be ignored.
  const char* data = std::getenv("XDG_DATA_HOME");
  if (data != nullptr && data[0] == '/') return std::string(data) + "/tarmac-warden";
  const std::string home = homeFolder();
  return home.empty() ? "" : home + "/.local/share/tarmac-warden";
}

}  // namespace

std::string savedGamePath(const Application& app) {
  const std::string beside = app.programDir() + kFileName;
  const bool portable = !app.installedData();
  if (portable && (::access(beside.c_str(), F_OK) == 0 || ::access(app.programDir().c_str(), W_OK) == 0)) {
    return beside;
  }
  const std::string folder = userDataFolder();
  return folder.empty() ? beside : folder + kFileName;
}

}  // namespace tw
