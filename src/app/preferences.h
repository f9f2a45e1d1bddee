#pragma once
// The player's own choices, kept between runs: the per-user config folder's
// tarmac-warden/tarmac-warden.conf, in the INI form Qt's settings read too.
#include <string>

namespace tw {

class Application;

// $XDG_CONFIG_HOME/tarmac-warden/tarmac-warden.conf, or ~/.config/... without it; empty
// when neither is set.
std::string preferencesPath();

// False when the file is missing or says nothing of it.
bool savedMute(const std::string& path);
// Whole or not at all; false when it could not be written.
bool saveMute(const std::string& path, bool muted);

// From now on, every mute the player toggles is kept for the next run.
void keepMuteChoice(Application& app);

}  // namespace tw
