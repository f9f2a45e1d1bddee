#pragma once
// The player's own choices, kept between runs: the per-user config folder's
// tarmac-warden/tarmac-warden.conf, in the INI form Qt's settings read too.
#include <iosfwd>
#include <string>

namespace tw {

class Application;

// $XDG_CONFIG_HOME/tarmac-warden/tarmac-warden.conf, or ~/.config/... without it (found
// as the saves' data folder is); empty when there is no home folder.
std::string preferencesPath();

// False when the file is missing, is no regular file, is too long, or says nothing of it.
bool savedMute(const std::string& path);
// Whole or not at all. Empty when kept; otherwise why not ("the disk is full").
std::string saveMute(const std::string& path, bool muted);

// From now on, every mute the player toggles is kept for the next run; the first failure
// to keep it is said on `err`.
void keepMuteChoice(Application& app, std::ostream& err);

}  // namespace tw
