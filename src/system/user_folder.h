#pragma once
#include <string>

namespace tw {

// The game's own folder of a per-user kind: $VARIABLE/tarmac-warden when VARIABLE holds an
// absolute path, otherwise HOME/underHome/tarmac-warden, HOME taken from the password
// database when it is not set. Empty when there is no home to be had.
// userFolder("XDG_DATA_HOME", ".local/share"), userFolder("XDG_CONFIG_HOME", ".config").
std::string userFolder(const char* variable, const char* underHome);

// The player's own choices: the config folder's tarmac-warden.conf, in the INI form Qt's
// settings read too. Empty when there is no home folder.
inline constexpr const char* kPreferencesFileName = "tarmac-warden.conf";
std::string preferencesPath();

}  // namespace tw
