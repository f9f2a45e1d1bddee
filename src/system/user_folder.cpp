#include "system/user_folder.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>

namespace tw {

namespace {

std::string homeFolder() {
  const char* home = std::getenv("HOME");
  if (home != nullptr && *home != '\0') return home;
  const passwd* user = ::getpwuid(::getuid());
  return user != nullptr && user->pw_dir != nullptr ? user->pw_dir : "";
}

}  // namespace

std::string userFolder(const char* variable, const char* underHome) {
  // Only an absolute path counts; a relative one is to be ignored.
  const char* set = std::getenv(variable);
  if (set != nullptr && set[0] == '/') return std::string(set) + "/tarmac-warden";
  const std::string home = homeFolder();
  return home.empty() ? "" : home + "/" + underHome + "/tarmac-warden";
}

std::string preferencesPath() {
  const std::string folder = userFolder("XDG_CONFIG_HOME", ".config");
  return folder.empty() ? "" : folder + "/" + kPreferencesFileName;
}

}  // namespace tw
