// Checks the committed pictures and sounds by reading their bytes directly.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

const fs::path kAssets = fs::path(TW_SOURCE_DIR) / "assets";

Bytes readAll(const fs::path& p)
{
  std::ifstream f(p, std::ios::binary);
  return Bytes(std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>());
}

std::uint32_t be16(const Bytes& b, std::size_t at) { return (b[at] << 8) | b[at + 1]; }
std::uint32_t be32(const Bytes& b, std::size_t at) { return (be16(b, at) << 16) | be16(b, at + 2); }
std::uint32_t le16(const Bytes& b, std::size_t at) { return b[at] | (b[at + 1] << 8); }
std::uint32_t le32(const Bytes& b, std::size_t at) { return le16(b, at) | (le16(b, at + 2) << 16); }

struct Size {
  std::uint32_t width, height;
};

// Walks the marker segments up to the frame header; nothing if it is missing or cut short.
std::optional<Size> jpegSize(const Bytes& b)
{
  if (b.size() < 4 || b[0] != 0xFF || b[1] != 0xD8 || b[2] != 0xFF) return std::nullopt;
  std::size_t at = 2;
  while (at + 1 < b.size()) {
    if (b[at] != 0xFF) return std::nullopt;
    const std::uint8_t marker = b[at + 1];
    if (marker == 0xFF) { // fill byte
      ++at;
      continue;
    }
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) { // no length field
      at += 2;
      continue;
    }
    if (marker == 0xDA || marker == 0xD9) return std::nullopt; // image data before any frame header
    if (at + 4 > b.size()) return std::nullopt;
    const std::uint32_t length = be16(b, at + 2);
    if (marker == 0xC0 || marker == 0xC1 || marker == 0xC2) {
      if (at + 9 > b.size() || length < 7) return std::nullopt;
      return Size{be16(b, at + 7), be16(b, at + 5)};
    }
    at += 2 + length;
  }
  return std::nullopt;
}

std::optional<Size> pngSize(const Bytes& b, int* colourType = nullptr)
{
  static const std::uint8_t sig[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
  if (b.size() < 33 || !std::equal(std::begin(sig), std::end(sig), b.begin())) return std::nullopt;
  if (std::string(b.begin() + 12, b.begin() + 16) != "IHDR") return std::nullopt;
  if (colourType) *colourType = b[25];
  return Size{be32(b, 16), be32(b, 20)};
}

struct Wav {
  std::uint32_t format = 0, channels = 0, rate = 0, bits = 0;
  std::vector<std::int16_t> samples;
};

// RIFF chunks may come in any order and odd sizes are padded; only fmt and data matter.
std::optional<Wav> parseWav(const Bytes& b)
{
  if (b.size() < 12 || std::string(b.begin(), b.begin() + 4) != "RIFF" ||
      std::string(b.begin() + 8, b.begin() + 12) != "WAVE")
    return std::nullopt;
  if (le32(b, 4) + 8 != b.size()) return std::nullopt;
  Wav w;
  bool haveFmt = false, haveData = false;
  std::size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::string id(b.begin() + at, b.begin() + at + 4);
    const std::size_t size = le32(b, at + 4);
    const std::size_t body = at + 8;
    if (body + size > b.size()) return std::nullopt;
    if (id == "fmt " && size >= 16) {
      w.format = le16(b, body);
      w.channels = le16(b, body + 2);
      w.rate = le32(b, body + 4);
      w.bits = le16(b, body + 14);
      haveFmt = true;
    } else if (id == "data") {
      for (std::size_t i = 0; i + 1 < size; i += 2)
        w.samples.push_back(static_cast<std::int16_t>(le16(b, body + i)));
      haveData = true;
    }
    at = body + size + (size & 1);
  }
  if (!haveFmt || !haveData) return std::nullopt;
  return w;
}

const std::vector<std::string> kPlaneFiles = {"n.jpg", "s.jpg", "e.jpg", "o.jpg", "1.wav", "2.wav",
                                              "3.wav", "4.wav", "5.wav", "6.wav", "7.wav", "8.wav"};
const std::vector<std::string> kDesignFiles = {
    "north.png",    "south.png",    "east.png",      "west.png",      "white_plane.png", "icon-32.png",
    "icon-64.png",  "icon-128.png", "icon-256.png",  "icon.svg",      "hand.png",        "design.qrc"};

TEST(AssetsTest, PlaneJpegsAre40By40)
{
  for (const char* f : {"n.jpg", "s.jpg", "e.jpg", "o.jpg"}) {
    const Bytes b = readAll(kAssets / "Plane" / f);
    ASSERT_GE(b.size(), 3u) << f;
    EXPECT_EQ(b[0], 0xFF) << f;
    EXPECT_EQ(b[1], 0xD8) << f;
    EXPECT_EQ(b[2], 0xFF) << f;
    const auto size = jpegSize(b);
    ASSERT_TRUE(size.has_value()) << f;
    EXPECT_EQ(size->width, 40u) << f;
    EXPECT_EQ(size->height, 40u) << f;
  }
}

TEST(AssetsTest, DesignPicturesHaveTheirSizes)
{
  const std::pair<const char*, std::uint32_t> sizes[] = {
      {"north.png", 40},    {"south.png", 40},    {"east.png", 40},     {"west.png", 40},   {"white_plane.png", 40},
      {"icon-32.png", 32}, {"icon-64.png", 64}, {"icon-128.png", 128}, {"icon-256.png", 256}, {"hand.png", 32}};
  for (const auto& [name, side] : sizes) {
    const auto size = pngSize(readAll(kAssets / "design" / name));
    ASSERT_TRUE(size.has_value()) << name;
    EXPECT_EQ(size->width, side) << name;
    EXPECT_EQ(size->height, side) << name;
  }
}

TEST(AssetsTest, PointerAndIconsKeepTheirTransparency)
{
  // Colour types 4 and 6 carry alpha; without it the hand and icon get a black box.
  for (const char* name : {"hand.png", "icon-32.png", "icon-64.png", "icon-128.png", "icon-256.png"}) {
    int colourType = -1;
    ASSERT_TRUE(pngSize(readAll(kAssets / "design" / name), &colourType).has_value()) << name;
    EXPECT_TRUE(colourType == 4 || colourType == 6) << name << " colour type " << colourType;
  }
}

TEST(AssetsTest, ResourceFileListsEveryDesignPictureOnceUnderItsName)
{
  const Bytes b = readAll(kAssets / "design" / "design.qrc");
  const std::string qrc(b.begin(), b.end());
  EXPECT_NE(qrc.find("<qresource prefix=\"/design\">"), std::string::npos);
  std::set<std::string> onDisk;
  for (const auto& e : fs::directory_iterator(kAssets / "design"))
    if (e.path().filename() != "design.qrc") onDisk.insert(e.path().filename().string());
  for (const auto& name : onDisk) {
    const std::string entry = "<file alias=\"" + name + "\">" + name + "</file>";
    const auto first = qrc.find(entry);
    EXPECT_NE(first, std::string::npos) << name << " missing from design.qrc";
    if (first != std::string::npos) {
      EXPECT_EQ(qrc.find(entry, first + 1), std::string::npos) << name;
    }
  }
  std::size_t entries = 0;
  for (auto at = qrc.find("<file"); at != std::string::npos; at = qrc.find("<file", at + 1)) ++entries;
  EXPECT_EQ(entries, onDisk.size()) << "design.qrc names a file that is not there";
}

TEST(AssetsTest, CuesAre16BitMonoPcm)
{
  for (int n = 1; n <= 8; ++n) {
    const std::string name = std::to_string(n) + ".wav";
    const auto w = parseWav(readAll(kAssets / "Plane" / name));
    ASSERT_TRUE(w.has_value()) << name;
    EXPECT_EQ(w->format, 1u) << name;
    EXPECT_EQ(w->channels, 1u) << name;
    EXPECT_EQ(w->bits, 16u) << name;
    EXPECT_EQ(w->rate, 22050u) << name;
    EXPECT_FALSE(w->samples.empty()) << name;
  }
}

using Pcm = std::vector<std::int16_t>;

// RMS in dBFS over samples [from, to), as `sox FILE -n stats` gives "RMS lev dB" for a whole file.
double rmsDb(const Pcm& s, std::size_t from, std::size_t to)
{
  double sum = 0.0;
  for (std::size_t i = from; i < to; ++i) sum += static_cast<double>(s[i]) * s[i];
  return 10.0 * std::log10(sum / static_cast<double>(to - from) / (32768.0 * 32768.0));
}

int peakOf(const Pcm& s)
{
  int peak = 0;
  for (std::int16_t v : s) peak = std::max(peak, std::abs(static_cast<int>(v)));
  return peak;
}

// No sample of the first or last `ramp` rises above a straight line from 0 to the peak:
// an abrupt start or stop is heard as a click.
bool fadesAtBothEnds(const Pcm& s, std::size_t ramp)
{
  const long peak = peakOf(s);
  for (std::size_t i = 0; i < ramp && i < s.size(); ++i) {
    const auto allowed = peak * static_cast<long>(i) + static_cast<long>(ramp); // one step of slack
    if (std::abs(s[i]) * static_cast<long>(ramp) > allowed) return false;
    if (std::abs(s[s.size() - 1 - i]) * static_cast<long>(ramp) > allowed) return false;
  }
  return true;
}

TEST(AssetsTest, CuesAreShortBalancedAndFaded)
{
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
    const auto w = parseWav(readAll(kAssets / "Plane" / (std::to_string(n) + ".wav")));
    ASSERT_TRUE(w.has_value() && w->rate == rate && !w->samples.empty()) << cue.event;
    cue.samples = w->samples;
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

TEST(AssetsTest, CuesAreDistinct)
{
  std::set<std::vector<std::int16_t>> seen;
  for (int n = 1; n <= 8; ++n) {
    const auto w = parseWav(readAll(kAssets / "Plane" / (std::to_string(n) + ".wav")));
    ASSERT_TRUE(w.has_value()) << n;
    EXPECT_TRUE(seen.insert(w->samples).second) << n << ".wav repeats another cue";
  }
}

} // namespace
