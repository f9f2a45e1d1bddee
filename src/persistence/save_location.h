#pragma once
#include <string>

namespace tw {

class Application;

// Where Save.ini lives, for saving and loading alike: a Save.ini in the program folder is
// always the one; otherwise the program folder when the game may write there; for an
// installed game, whose program folder is shared data, and otherwise
// the player's data folder, $XDG_DATA_HOME/tarmac-warden or ~/.local/share/tarmac-warden
// (made by the first save).
std::string savedGamePath(const Application& app);

}  // namespace tw
