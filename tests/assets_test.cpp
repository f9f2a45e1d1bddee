// Checks the committed sound cues by reading their bytes directly.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <tuple>

#include "test_support.h"

namespace tw::test {
namespace {

using AssetsTest = GameTest;

std::uint32_t le16(const std::string& b, std::size_t at) {
  return static_cast<std::uint8_t>(b[at]) | (static_cast<std::uint8_t>(b[at + 1]) << 8);
}
std::uint32_t le32(const std::string& b, std::size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }

struct Wav {
  std::uint32_t format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<std::int16_t> samples;
};

// RIFF chunks may come in any order and odd sizes are padded; only fmt and data matter (a file
// with neither reads as format 0 with no samples).
std::optional<Wav> parseWav(const std::string& b) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE" || le32(b, 4) + 8 != b.size()) {
    return std::nullopt;
  }
  Wav w;
  for (std::size_t at = 12, size = 0; at + 8 <= b.size(); at += 8 + size + (size & 1)) {
    size = le32(b, at + 4);
    const std::size_t body = at + 8;
    if (body + size > b.size()) return std::nullopt;
    if (b.substr(at, 4) == "fmt " && size >= 16) {
      std::tie(w.format, w.channels, w.rate, w.bits) =
          std::tuple{le16(b, body), le16(b, body + 2), le32(b, body + 4), le16(b, body + 14)};
    } else if (b.substr(at, 4) == "data") {
      for (std::size_t i = 0; i + 1 < size; i += 2) w.samples.push_back(static_cast<std::int16_t>(le16(b, body + i)));
    }
  }
  return w;
}

using Pcm = std::vector<std::int16_t>;

// RMS in dBFS over samples [from, to), as `sox FILE -n stats` gives "RMS lev dB" for a whole file.
double rmsDb(const Pcm& s, std::size_t from, std::size_t to) {
  double sum = 0.0;
  for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(s[i]) * s[i];
  return 10.0 * std::log10(sum / static_cast<double>(to - from) / (32768.0 * 32768.0));
}

int peakOf(const Pcm& s) {
  int peak = 0;
  for (std::int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
  return peak;
}

// No sample of the first or last `ramp` rises above a straight line from 0 to the peak:
// an abrupt start or stop is heard as a click.
bool fadesAtBothEnds(const Pcm& s, std::size_t ramp) {
  const long peak = peakOf(s);
  for (std::size_t i = 0; i < ramp && i < s.size(); ++i) {
    const auto allowed = peak * static_cast<long>(i) + static_cast<long>(ramp); // one step of slack
    if (std::max(std::abs(s[i]), std::abs(s[s.size() - 1 - i])) * static_cast<long>(ramp) > allowed) return false;
  }
  return true;
}

TEST_F(AssetsTest, CuesAreDistinctShortBalancedAndFaded) {
  struct Cue {
    const char* event;
    double maxSeconds;
    Pcm samples = {};
    double rms = 0.0;
  };
  Cue cues[] = {{"radar blip", 1.0}, {"whoosh", 1.0},         {"crash", 1.0},     {"click", 1.0},
                {"fanfare", 2.5},    {"landing chime", 1.0}, {"turn beep", 1.0}, {"menu jingle", 1.0}};
  constexpr double rate = 22050.0;
  const auto at = [](double ms) { return static_cast<std::size_t>(ms * rate / 1000.0); };
  for (int n = 1; n <= 8; ++n) {
    Cue& cue = cues[n - 1];
    const auto w = parseWav(readFile(TW_ASSETS_DIR "/Plane/" + std::to_string(n) + ".wav"));
    ASSERT_TRUE(w.has_value() && w->rate == rate && !w->samples.empty()) << cue.event;
    EXPECT_TRUE(w->format == 1 && w->channels == 1 && w->bits == 16) << cue.event << " is not 16-bit mono PCM";
    cue.samples = w->samples;
    for (int other = 0; other < n - 1; ++other) EXPECT_NE(cues[other].samples, cue.samples) << cue.event << " repeats";
    cue.rms = rmsDb(cue.samples, 0, cue.samples.size());
    EXPECT_LT(cue.samples.size() / rate, cue.maxSeconds) << cue.event;
    EXPECT_LE(20.0 * std::log10(peakOf(cue.samples) / 32768.0), -1.0) << cue.event << " leaves no headroom";
    EXPECT_TRUE(fadesAtBothEnds(cue.samples, at(3.0))) << cue.event << " starts or stops within 3 ms";
  }
  const auto [quietest, loudest] =
      std::minmax_element(std::begin(cues), std::end(cues), [](const Cue& a, const Cue& b) { return a.rms < b.rms; });
  EXPECT_LE(loudest->rms - quietest->rms, 8.0) << loudest->event << " drowns " << quietest->event;

  // The blip is heard all game long; the crash is the biggest event.
  const Cue &blip = cues[0], &crash = cues[2];
  EXPECT_STREQ(quietest->event, blip.event);
  EXPECT_GE(crash.rms - blip.rms, 6.0);
  EXPECT_LE(std::count_if(std::begin(cues), std::end(cues), [&](const Cue& c) { return c.rms > crash.rms; }), 1);

  // The next-level animation restarts the whoosh every 100 ms, so that much of it must
  // carry its full level and end as loud as it starts, or the restarts are heard as bursts.
  const Cue& whoosh = cues[1];
  EXPECT_NEAR(rmsDb(whoosh.samples, at(5), at(100)), whoosh.rms, 3.0);
  EXPECT_NEAR(rmsDb(whoosh.samples, at(5), at(25)), rmsDb(whoosh.samples, at(80), at(100)), 3.0);
}

}  // namespace
}  // namespace tw::test
