#pragma once
// Where the desktop keeps Save.ini.
#include <string>

#include "system/program_dir.h"

namespace tw {

// The program folder when the game may write there (a portable, unpacked game); for an
// installed game, whose program folder is shared data, or a program folder it may not write,
// the player's data folder, $XDG_DATA_HOME/tarmac-warden or ~/.local/share/tarmac-warden
// (made by the first save).
std::string savePath(const ProgramDir& program);

// Of the program folder's and the data folder's, the one written last, so a save that had to
// go to the data folder is the one loaded.
std::string loadPath(const ProgramDir& program);

}  // namespace tw
