#pragma once

#include "wav.h"

#include <string>

namespace assets {

// The eight game cues, by file number (1..8). Each is faded and peaks at half scale.
Samples makeCue(int number);

// Writes 1.wav .. 8.wav into `dir`; false on the first failed write.
bool writeSounds(const std::string& dir);

} // namespace assets
