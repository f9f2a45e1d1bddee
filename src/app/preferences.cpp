#include "app/preferences.h"

#include <iostream>
#include <sstream>

#include "system/user_folder.h"
#include "model/application.h"
#include "system/file_reader.h"
#include "system/file_writer.h"

namespace tw {

namespace {
constexpr std::string_view kMutedLine = "muted=";
constexpr const char* kFileName = "tarmac-warden.conf";
}  // namespace

std::string preferencesPath() {
  const std::string folder = userFolder("XDG_CONFIG_HOME", ".config");
  return folder.empty() ? "" : folder + "/" + kFileName;
}

bool savedMute(const std::string& path) {
  std::istringstream in(readFileCapped(path, kSmallFileBytes).bytes);
  std::string line;
  bool muted = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with(kMutedLine)) muted = line.substr(kMutedLine.size()) == "true";
  }
  return muted;
}

std::string saveMute(const std::string& path, bool muted) {
  if (path.empty()) return "there is no home folder";
  const std::string content = "[General]\n" + std::string(kMutedLine) + (muted ? "true" : "false") + "\n";
  return failureReason(writeFileWhole(path, content), kFileName);
}

void keepMuteChoice(Application& app, std::ostream& err) {
  app.setMuteListener([&err, told = false](bool muted) mutable {
    const std::string path = preferencesPath();
    const std::string failure = saveMute(path, muted);
    // Once a run: the game goes on, and the player need not hear it at every press.
    if (failure.empty() || told) return;
    told = true;
    err << "tarmac-warden: the sound choice cannot be kept" << (path.empty() ? "" : " in " + path) << ": " << failure
        << '\n';
  });
}

}  // namespace tw
