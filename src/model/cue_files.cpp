#include "model/cue_files.h"

#include "model/host.h"

namespace tw {

std::optional<Pcm> readCue(Host& files, const std::string& path) {
  const FileContent file = files.readProgramFile(path, kCueFileBytes);
  if (!file.read()) return std::nullopt;
  return decodeWav(file.bytes);
}

std::shared_ptr<const Pcm> CueFiles::cue(Host& files, const std::string& path) {
  if (const auto found = decoded_.find(path); found != decoded_.end()) return found->second;
  auto cue = readCue(files, path);
  if (!cue) return nullptr;
  return decoded_[path] = std::make_shared<const Pcm>(std::move(*cue));
}

}  // namespace tw
