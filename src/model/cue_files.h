#pragma once
// The cues as every host plays them: each file read through the host and decoded once.
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "model/wav.h"

namespace tw {

class Host;

// A cue file's samples; nothing when it cannot be read or decoded.
std::optional<Pcm> readCue(Host& files, const std::string& path);

class CueFiles {
 public:
  // The decoded cue; null when the file is missing or no cue, asked again next time, so a
  // file put in place later is heard.
  std::shared_ptr<const Pcm> cue(Host& files, const std::string& path);

 private:
  std::map<std::string, std::shared_ptr<const Pcm>, std::less<>> decoded_;
};

}  // namespace tw
