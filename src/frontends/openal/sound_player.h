#pragma once
// The desktop's cues: each file read through the host and decoded once, played through
// OpenAL; the latest request wins, and a missing file or no sound server is silent.
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "frontends/openal/cue_output.h"
#include "model/host.h"
#include "model/wav.h"

namespace tw {

class SoundPlayer {
 public:
  // The cue files come from `files`.
  explicit SoundPlayer(Host& files) : files_(files) {}
  // Cuts the cue playing, if any, and starts this one; a missing or unreadable file only cuts.
  void play(const std::string& path);

 private:
  std::shared_ptr<const Pcm> cueFor(const std::string& path);

  Host& files_;
  std::map<std::string, std::shared_ptr<const Pcm>> cues_;
  CueOutput output_;
};

// A cue file's samples as the player plays them; nothing when it cannot be read or decoded.
std::optional<Pcm> readCue(Host& files, const std::string& path);

}  // namespace tw
