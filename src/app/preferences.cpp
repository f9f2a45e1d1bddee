#include "app/preferences.h"

#include <iostream>
#include <sstream>

#include "model/application.h"
#include "model/host.h"

namespace tw {

namespace {
constexpr std::string_view kMutedLine = "muted=";

// Whole or not at all. Empty when kept; otherwise why not ("the disk is full").
std::string saveMute(Host& host, bool muted) {
  return host.keepPreferences("[General]\n" + std::string(kMutedLine) + (muted ? "true" : "false") + "\n");
}

}  // namespace

bool savedMute(Host& host) {
  std::istringstream in(host.readPreferences().bytes);
  std::string line;
  bool muted = false;
  while (std::getline(in, line)) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.starts_with(kMutedLine)) muted = line.substr(kMutedLine.size()) == "true";
  }
  return muted;
}

void keepMuteChoice(Application& app, std::ostream& err) {
  app.setMuteListener([&app, &err, told = false](bool muted) mutable {
    const std::string failure = saveMute(app.host(), muted);
    // Once a run: the game goes on, and the player need not hear it at every press.
    if (failure.empty() || told) return;
    told = true;
    const std::string place = app.host().preferencesPlace();
    err << "tarmac-warden: the sound choice cannot be kept" << (place.empty() ? "" : " in " + place) << ": " << failure
        << '\n';
  });
}

}  // namespace tw
