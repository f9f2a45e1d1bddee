#pragma once
// The cues' one decoder: a WAV file's 16-bit PCM, mixed down to mono at the file's own rate.
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace tw {

struct Pcm {
  int rate = 0;  // samples a second
  std::vector<std::int16_t> samples;
};

// Nothing when the bytes are no RIFF/WAVE file of 16-bit PCM at 8 to 192 kHz.
std::optional<Pcm> decodeWav(std::string_view bytes);

}  // namespace tw
