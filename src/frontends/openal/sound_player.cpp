#include "frontends/openal/sound_player.h"

namespace tw {

std::optional<Pcm> readCue(Host& files, const std::string& path) {
  const FileContent file = files.readProgramFile(path, kCueFileBytes);
  if (!file.read()) return std::nullopt;
  return decodeWav(file.bytes);
}

void SoundPlayer::play(const std::string& path) { output_.play(cueFor(path)); }

std::shared_ptr<const Pcm> SoundPlayer::cueFor(const std::string& path) {
  if (const auto found = cues_.find(path); found != cues_.end()) return found->second;
  auto cue = readCue(files_, path);
  if (!cue) return nullptr;
  return cues_[path] = std::make_shared<const Pcm>(std::move(*cue));
}

}  // namespace tw
