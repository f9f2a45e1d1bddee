#pragma once
// Cues in the background: the latest request wins; a missing file or no audio device is silent.
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace tw {

class CueOutput;

class SoundPlayer {
 public:
  // Decoded once, to the one format the output is opened in.
  using Cue = std::vector<std::int16_t>;

  SoundPlayer();
  ~SoundPlayer();
  // Cuts the cue playing, if any, and starts this one; a missing or unreadable file only cuts.
  void play(const std::string& path);

 private:
  std::shared_ptr<const Cue> cueFor(const std::string& path);

  std::map<std::string, std::shared_ptr<const Cue>> cues_;
  std::unique_ptr<CueOutput> output_;  // made at the first cue, once there is an audio device
};

// A WAV file's samples as the player plays them: 16-bit mono at the cues' own rate.
// Nothing when the file cannot be read or is no 16-bit PCM.
std::optional<SoundPlayer::Cue> decodeCueFile(const std::string& path);

}  // namespace tw
