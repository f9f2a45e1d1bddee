#include "platform/openal/sound_player.h"

#include <fstream>

namespace tw {

namespace {
constexpr std::size_t kLargestCue = 16 << 20;
}

std::optional<Pcm> decodeCueFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::string bytes;
  char chunk[1 << 16];
  while (file.read(chunk, sizeof chunk) || file.gcount() > 0) {
    bytes.append(chunk, std::size_t(file.gcount()));
    if (bytes.size() > kLargestCue) return std::nullopt;
  }
  return decodeWav(bytes);
}

void SoundPlayer::play(const std::string& path) { output_.play(cueFor(path)); }

std::shared_ptr<const Pcm> SoundPlayer::cueFor(const std::string& path) {
  if (const auto found = cues_.find(path); found != cues_.end()) return found->second;
  auto cue = decodeCueFile(path);
  if (!cue) return nullptr;
  return cues_[path] = std::make_shared<const Pcm>(std::move(*cue));
}

}  // namespace tw
