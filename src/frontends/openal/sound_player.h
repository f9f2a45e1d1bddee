#pragma once
// The desktop's cues: each file decoded once, played through OpenAL; the latest request wins,
// and a missing file or no sound server is silent.
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "frontends/openal/cue_output.h"
#include "model/wav.h"

namespace tw {

class SoundPlayer {
 public:
  // Cuts the cue playing, if any, and starts this one; a missing or unreadable file only cuts.
  void play(const std::string& path);

 private:
  std::shared_ptr<const Pcm> cueFor(const std::string& path);

  std::map<std::string, std::shared_ptr<const Pcm>> cues_;
  CueOutput output_;
};

// A cue file's samples as the player plays them; nothing when it cannot be read or decoded.
std::optional<Pcm> decodeCueFile(const std::string& path);

}  // namespace tw
