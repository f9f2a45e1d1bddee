#pragma once

#include "wav.h"

#include <string>

namespace assets {

// The eight game cues, by file number (1..8), each faded at both ends and set to its level.
Samples makeCue(int number);

// Writes 1.wav .. 8.wav into `dir`; false on the first failed write or a cue peaking
// above -1 dBFS.
bool writeSounds(const std::string& dir);

} // namespace assets
