#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace assets {

inline constexpr int kSampleRate = 22050;

// Mono samples in [-1, 1] at kSampleRate.
using Samples = std::vector<double>;

// Levels in dBFS, full scale being 1.0: the RMS over every sample of the cue (as
// `sox FILE -n stats` reports "RMS lev dB") and the largest magnitude.
double rmsDb(const Samples& s);
double peakDb(const Samples& s);

// Scales so rmsDb(s) == db (silence is left alone).
void setRmsDb(Samples& s, double db);

// Linear ramps at both ends so playback starts and stops without a click.
void fade(Samples& s, double inSeconds, double outSeconds);

// The file bytes: RIFF/WAVE, PCM 16-bit mono, kSampleRate.
std::vector<std::uint8_t> encodeWav(const Samples& s);

bool writeFile(const std::string& path, const std::vector<std::uint8_t>& bytes);

} // namespace assets
