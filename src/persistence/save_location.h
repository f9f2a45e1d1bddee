#pragma once
#include <string>

namespace tw {

class Application;

// Where Save.ini goes: the program folder when the game may write there (a portable,
// unpacked game); for an installed game, whose program folder is shared data, or a program
// folder it may not write, the player's data folder, $XDG_DATA_HOME/tarmac-warden or
// ~/.local/share/tarmac-warden (made by the first save).
std::string savePath(const Application& app);

// Where Save.ini is read from: of the program folder's and the data folder's, the one
// written last, so a save that had to go to the data folder is the one loaded.
std::string loadPath(const Application& app);

}  // namespace tw
