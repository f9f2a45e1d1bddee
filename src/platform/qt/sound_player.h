#pragma once
// Cues in the background: the latest request wins; a missing file or no audio device is silent.
#include <memory>
#include <string>

class QSoundEffect;

namespace tw {

class SoundPlayer {
 public:
  SoundPlayer();
  ~SoundPlayer();
  void play(const std::string& path);

 private:
  std::unique_ptr<QSoundEffect> effect_;  // made at the first cue
};

}  // namespace tw
