#include "wav.h"

#include <algorithm>
#include <cmath>
#include <fstream>

namespace assets {

double rmsDb(const Samples& s)
{
  double sum = 0.0;
  for (double v : s) sum += v * v;
  return s.empty() ? -HUGE_VAL : 10.0 * std::log10(sum / static_cast<double>(s.size()));
}

double peakDb(const Samples& s)
{
  double top = 0.0;
  for (double v : s) top = std::max(top, std::abs(v));
  return 20.0 * std::log10(top);
}

void setRmsDb(Samples& s, double db)
{
  const double now = rmsDb(s);
  if (!std::isfinite(now)) return;
  const double k = std::pow(10.0, (db - now) / 20.0);
  for (double& v : s) v *= k;
}

void fade(Samples& s, double inSeconds, double outSeconds)
{
  const auto n = s.size();
  const auto in = std::min<std::size_t>(n, static_cast<std::size_t>(inSeconds * kSampleRate));
  const auto out = std::min<std::size_t>(n, static_cast<std::size_t>(outSeconds * kSampleRate));
  for (std::size_t i = 0; i < in; ++i) s[i] *= static_cast<double>(i) / static_cast<double>(in);
  for (std::size_t i = 0; i < out; ++i) s[n - 1 - i] *= static_cast<double>(i) / static_cast<double>(out);
}

namespace {

void put16(std::vector<std::uint8_t>& b, std::uint16_t v)
{
  b.push_back(static_cast<std::uint8_t>(v & 0xff));
  b.push_back(static_cast<std::uint8_t>(v >> 8));
}

void put32(std::vector<std::uint8_t>& b, std::uint32_t v)
{
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>((v >> (8 * i)) & 0xff));
}

void putTag(std::vector<std::uint8_t>& b, const char* tag)
{
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<std::uint8_t>(tag[i]));
}

} // namespace

std::vector<std::uint8_t> encodeWav(const Samples& s)
{
  const std::uint32_t dataBytes = static_cast<std::uint32_t>(s.size() * 2);
  std::vector<std::uint8_t> b;
  b.reserve(44 + dataBytes + 1);
  putTag(b, "RIFF");
  // A data chunk of odd length would need a pad byte; 16-bit samples never give one.
  put32(b, 36 + dataBytes);
  putTag(b, "WAVE");
  putTag(b, "fmt ");
  put32(b, 16);
  put16(b, 1); // PCM
  put16(b, 1); // mono
  put32(b, kSampleRate);
  put32(b, kSampleRate * 2); // bytes per second
  put16(b, 2);               // block align
  put16(b, 16);              // bits per sample
  putTag(b, "data");
  put32(b, dataBytes);
  for (double v : s) {
    const double c = std::clamp(v, -1.0, 1.0);
    const long q = std::lround(c * 32767.0);
    put16(b, static_cast<std::uint16_t>(static_cast<std::int16_t>(q)));
  }
  return b;
}

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes)
{
  std::ofstream f(path, std::ios::binary | std::ios::trunc);
  if (!f) return false;
  f.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(f);
}

} // namespace assets
