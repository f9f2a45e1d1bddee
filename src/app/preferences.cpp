#include "app/preferences.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "platform/application.h"

namespace tw {

namespace {
constexpr std::string_view kMutedLine = "muted=";
}  // namespace

std::string preferencesPath() {
  std::filesystem::path base;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config == '/') {
    base = config;
  } else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0') {
    base = std::filesystem::path(home) / ".config";
  } else {
    return {};
  }
  return (base / "tarmac-warden" / "tarmac-warden.conf").string();
}

bool savedMute(const std::string& path) {
  std::ifstream in(path);
  std::string line;
  bool muted = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with(kMutedLine)) muted = line.substr(kMutedLine.size()) == "true";
  }
  return muted;
}

bool saveMute(const std::string& path, bool muted) {
  if (path.empty()) return false;
  std::error_code error;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), error);
  // Written beside it and renamed over it, so a crash never leaves half a file.
  const std::string temporary = path + ".new";
  {
    std::ofstream out(temporary, std::ios::trunc);
    out << "[General]\n" << kMutedLine << (muted ? "true" : "false") << '\n';
    out.flush();
    if (!out) {
      std::filesystem::remove(temporary, error);
      return false;
    }
  }
  std::filesystem::rename(temporary, path, error);
  if (error) std::filesystem::remove(temporary, error);
  return !error;
}

void keepMuteChoice(Application& app) {
  app.setMuteListener([](bool muted) { saveMute(preferencesPath(), muted); });
}

}  // namespace tw
