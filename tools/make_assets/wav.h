#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

inline constexpr int kSampleRate = 22050;

// Mono samples in [-1, 1] at kSampleRate.
using Samples = std::vector<double>;

// Scales so the loudest sample sits at `peak` (silence is left alone).
void normalise(Samples& s, double peak);

// Linear ramps at both ends so playback starts and stops without a click.
void fade(Samples& s, double inSeconds, double outSeconds);

// The file bytes: RIFF/WAVE, PCM 16-bit mono, kSampleRate.
std::vector<std::uint8_t> encodeWav(const Samples& s);

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace assets
