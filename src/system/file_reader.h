#pragma once
// The one way the desktop reads a file the game did not make in this run: pictures, cues,
// Save.ini, the preferences. Only regular files count, opened without blocking, so a fifo, a
// device or a folder in a file's place cannot hang or flood the game.
#include <string>

#include "model/file_content.h"

namespace tw {

FileContent readFileCapped(const std::string& path, std::size_t cap);

}  // namespace tw
