#include "model/wav.h"

namespace tw {

namespace {

std::uint32_t le32(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return u[0] | u[1] << 8 | u[2] << 16 | std::uint32_t(u[3]) << 24;
}
std::int16_t le16(const char* p) {
  const auto* u = reinterpret_cast<const unsigned char*>(p);
  return std::int16_t(u[0] | u[1] << 8);
}

std::vector<std::int16_t> mixedToMono(const char* data, std::size_t frames, int channels) {
  std::vector<std::int16_t> mono(frames);
  for (std::size_t i = 0; i < frames; ++i) {
    int sum = 0;
    for (int c = 0; c < channels; ++c) sum += le16(data + 2 * (i * std::size_t(channels) + std::size_t(c)));
    mono[i] = std::int16_t(sum / channels);
  }
  return mono;
}

}  // namespace

// RIFF chunks may come in any order; odd sizes are padded.
std::optional<Pcm> decodeWav(std::string_view b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") return std::nullopt;
  int channels = 0;
  int rate = 0;
  for (std::size_t at = 12; at + 8 <= b.size();) {
    const std::string_view id = b.substr(at, 4);
    const std::size_t size = le32(b.data() + at + 4);
    const char* body = b.data() + at + 8;
    if (size > b.size() - at - 8) return std::nullopt;
    if (id == "fmt " && size >= 16 && le16(body) == 1 && le16(body + 14) == 16) {
      channels = le16(body + 2);
      rate = int(le32(body + 4));
    } else if (id == "data" && channels > 0 && rate >= 8000 && rate <= 192000) {
      return Pcm{rate, mixedToMono(body, size / (2 * std::size_t(channels)), channels)};
    }
    at += 8 + size + (size & 1);
  }
  return std::nullopt;
}

}  // namespace tw
