#include "sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <numbers>

namespace assets {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRate = kSampleRate;
// Headroom so playback through a mixer or resampler never clips.
constexpr double kPeakLimitDb = -1.0;

// Our own generator so the noise, and so the files, never change between runs.
class Noise {
public:
  explicit Noise(std::uint64_t seed) : state_(seed ? seed : 1) {}
  double next() // uniform in [-1, 1)
  {
    state_ ^= state_ >> 12;
    state_ ^= state_ << 25;
    state_ ^= state_ >> 27;
    const std::uint64_t r = state_ * 0x2545F4914F6CDD1DULL;
    return static_cast<double>(r >> 11) / static_cast<double>(1ULL << 52) - 1.0;
  }

private:
  std::uint64_t state_;
};

// Trapezoid-integrated state-variable filter: stays stable while its cutoff sweeps.
class Filter {
public:
  struct Out {
    double low, band, high;
  };
  Out step(double in, double cutoff, double q)
  {
    const double g = std::tan(kPi * std::min(cutoff, kRate * 0.45) / kRate);
    const double k = 1.0 / q;
    const double a1 = 1.0 / (1.0 + g * (g + k));
    const double a2 = g * a1;
    const double a3 = g * a2;
    const double v3 = in - ic2_;
    const double v1 = a1 * ic1_ + a2 * v3;
    const double v2 = ic2_ + a2 * ic1_ + a3 * v3;
    ic1_ = 2.0 * v1 - ic1_;
    ic2_ = 2.0 * v2 - ic2_;
    return {v2, v1, in - k * v1 - v2};
  }

private:
  double ic1_ = 0.0, ic2_ = 0.0;
};

Samples silence(double seconds)
{
  return Samples(static_cast<std::size_t>(seconds * kRate), 0.0);
}

double timeOf(std::size_t i) { return static_cast<double>(i) / kRate; }

// Adds a tone built from harmonics (ratio, weight) with a phase accumulator.
struct Partial {
  double ratio, weight, decay; // decay in seconds; 0 means none
};

void addTone(Samples& s, double start, double length, double freq, const std::vector<Partial>& partials,
             double attack, double release, double gain, double vibrato = 0.0)
{
  const auto first = static_cast<std::size_t>(start * kRate);
  const auto count = static_cast<std::size_t>(length * kRate);
  std::vector<double> phase(partials.size(), 0.0);
  for (std::size_t n = 0; n < count && first + n < s.size(); ++n) {
    const double t = timeOf(n);
    double env = 1.0;
    if (t < attack) env = t / attack;
    if (t > length - release) env *= std::max(0.0, (length - t) / release);
    // Vibrato fades in so short notes stay steady.
    const double wobble = 1.0 + vibrato * std::min(1.0, t / 0.3) * std::sin(2.0 * kPi * 5.5 * t);
    double v = 0.0;
    for (std::size_t p = 0; p < partials.size(); ++p) {
      const double f = freq * partials[p].ratio * wobble;
      if (f >= kRate * 0.45) continue; // above Nyquist it would fold back as noise
      phase[p] += 2.0 * kPi * f / kRate;
      const double d = partials[p].decay > 0.0 ? std::exp(-t / partials[p].decay) : 1.0;
      v += partials[p].weight * d * std::sin(phase[p]);
    }
    s[first + n] += gain * env * v;
  }
}

double noteHz(int semitonesFromA4) { return 440.0 * std::pow(2.0, semitonesFromA4 / 12.0); }

Samples radarBlip()
{
  Samples s = silence(0.32);
  // A ping and a fainter echo, like a return off the scope.
  for (const auto& [start, gain] : {std::pair{0.0, 1.0}, std::pair{0.13, 0.3}}) {
    double phase = 0.0;
    for (std::size_t i = static_cast<std::size_t>(start * kRate); i < s.size(); ++i) {
      const double t = timeOf(i) - start;
      const double f = 1150.0 + 250.0 * std::exp(-t / 0.02);
      phase += 2.0 * kPi * f / kRate;
      const double env = std::min(1.0, t / 0.003) * std::exp(-t / 0.045);
      s[i] += gain * env * (std::sin(phase) + 0.25 * std::sin(2.0 * phase));
    }
  }
  return s;
}

// The next-level animation restarts this every 100 ms, so its first 100 ms must be a
// steady bed of the same colour and level throughout: restarts then join into one sound.
// Only after that does it swell and sweep, heard when the restarts stop.
Samples whoosh()
{
  Samples s = silence(0.7);
  constexpr double bedEnd = 0.12, bedHz = 700.0;
  Noise noise(0x5157);
  Filter filter;
  for (int i = 0; i < 1000; ++i) filter.step(noise.next(), bedHz, 1.2); // settle: full from the first sample
  const double length = timeOf(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const double x = std::max(0.0, (t - bedEnd) / (length - bedEnd));
    // Cutoff rises and falls back, as something passes close by.
    const double cutoff = bedHz * std::pow(3.5, std::sin(kPi * std::pow(x, 0.7)));
    const auto out = filter.step(noise.next(), cutoff, 1.2);
    // A band-pass passes more noise the higher it sits: even that out.
    const double colour = std::sqrt(bedHz / cutoff);
    const double swell = 1.0 + 0.4 * std::sin(kPi * std::min(1.0, x / 0.6));
    const double tail = x < 0.4 ? 1.0 : std::pow(std::cos(0.5 * kPi * (x - 0.4) / 0.6), 1.5);
    s[i] = colour * swell * tail * (out.band + 0.3 * out.low);
  }
  return s;
}

Samples crash()
{
  Samples s = silence(0.9);
  Noise noise(0xC4A5);
  Filter burst, crackle;
  double rumblePhase = 0.0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const double cutoff = 300.0 + 5700.0 * std::exp(-t / 0.12);
    const double hit = burst.step(noise.next(), cutoff, 0.7).low * std::exp(-t / 0.3);
    // Sparse pops make it sound like debris rather than plain hiss.
    const double pop = noise.next() > 1.0 - 0.04 * std::exp(-t / 0.2) ? noise.next() : 0.0;
    const double debris = crackle.step(pop, 2500.0, 0.9).band;
    rumblePhase += 2.0 * kPi * (38.0 + 22.0 * std::exp(-t / 0.25)) / kRate;
    const double rumble = (std::sin(rumblePhase) + 0.4 * std::sin(1.5 * rumblePhase)) * std::exp(-t / 0.4);
    // Overdriven: crunchier, and dense enough to be the loudest cue without clipping.
    s[i] = std::tanh(1.4 * (1.2 * hit + 0.8 * debris + 0.6 * rumble));
  }
  return s;
}

Samples click()
{
  Samples s = silence(0.06);
  // A small tick: two inharmonic partials dying within a few milliseconds.
  addTone(s, 0.0, 0.06, 1900.0, {{1.0, 1.0, 0.008}, {2.3, 0.4, 0.004}}, 0.004, 0.0, 1.0);
  return s;
}

Samples fanfare()
{
  Samples s = silence(2.3);
  // Brass-like: many harmonics, falling gently in weight.
  std::vector<Partial> brass;
  for (int h = 1; h <= 10; ++h) brass.push_back({static_cast<double>(h), 1.0 / (h * 0.8 + 0.2), 0.0});
  struct Note {
    double start, length;
    int pitch;
  };
  const Note melody[] = {{0.00, 0.17, -2}, {0.18, 0.17, 3}, {0.36, 0.17, 7},
                         {0.54, 0.32, 10}, {0.90, 0.15, 7}, {1.06, 1.20, 15}};
  for (const Note& n : melody) addTone(s, n.start, n.length, noteHz(n.pitch), brass, 0.02, 0.06, 0.5, 0.006);
  // The last note turns into a chord for the finish.
  addTone(s, 1.06, 1.20, noteHz(10), brass, 0.04, 0.3, 0.3, 0.006);
  addTone(s, 1.06, 1.20, noteHz(3), brass, 0.04, 0.3, 0.3, 0.006);
  return s;
}

Samples landingChime()
{
  Samples s = silence(0.95);
  // Inharmonic partials, faster decay up high: a struck bell.
  const std::vector<Partial> bell = {{1.0, 1.0, 0.35}, {2.0, 0.45, 0.2}, {2.76, 0.35, 0.12}, {5.4, 0.15, 0.06}};
  const double starts[] = {0.0, 0.17, 0.34};
  const int pitches[] = {7, 10, 15}; // E5, G5, C6
  for (int k = 0; k < 3; ++k)
    addTone(s, starts[k], 0.95 - starts[k], noteHz(pitches[k]), bell, 0.002, 0.05, 1.0);
  return s;
}

Samples turnBeep()
{
  Samples s = silence(0.09);
  // A sine with a touch of octave: soft, and steady in pitch unlike the sweeping blip.
  addTone(s, 0.0, 0.09, 880.0, {{1.0, 1.0, 0.0}, {2.0, 0.15, 0.0}}, 0.008, 0.05, 1.0);
  return s;
}

Samples menuJingle()
{
  Samples s = silence(0.8);
  // Triangle wave: odd harmonics falling by the square, alternating sign.
  std::vector<Partial> triangle;
  for (int h = 1; h <= 9; h += 2) triangle.push_back({static_cast<double>(h), ((h / 2) % 2 ? -1.0 : 1.0) / (h * h), 0.0});
  const double starts[] = {0.0, 0.1, 0.2, 0.3};
  const int pitches[] = {3, 7, 10, 15}; // C5 E5 G5 C6
  for (int k = 0; k < 4; ++k) {
    const double length = k == 3 ? 0.48 : 0.11;
    addTone(s, starts[k], length, noteHz(pitches[k]), triangle, 0.005, k == 3 ? 0.3 : 0.03, 1.0);
  }
  return s;
}

} // namespace

Samples makeCue(int number)
{
  // RMS levels in dBFS. Within 8 dB of one another so none drowns the rest; the blip,
  // heard all game long, sits lowest and the crash, the biggest event, highest.
  struct Cue {
    Samples (*make)();
    double fadeOut, rmsDb;
  };
  static const Cue cues[] = {
      {radarBlip, 0.015, -24.0}, {whoosh, 0.015, -20.0},       {crash, 0.015, -17.0},    {click, 0.005, -21.0},
      {fanfare, 0.015, -18.0},   {landingChime, 0.015, -20.0}, {turnBeep, 0.015, -20.0}, {menuJingle, 0.015, -19.0}};
  if (number < 1 || number > 8) return {};
  const Cue& cue = cues[number - 1];
  Samples s = cue.make();
  fade(s, 0.004, cue.fadeOut); // from and to silence: no click at either end
  setRmsDb(s, cue.rmsDb);
  return s;
}

bool writeSounds(const std::string& dir)
{
  for (int n = 1; n <= 8; ++n) {
    const Samples s = makeCue(n);
    if (peakDb(s) > kPeakLimitDb) {
      std::fprintf(stderr, "make_assets: cue %d peaks at %.1f dBFS, over %.1f\n", n, peakDb(s), kPeakLimitDb);
      return false;
    }
    if (!writeFile(dir + "/" + std::to_string(n) + ".wav", encodeWav(s))) return false;
  }
  return true;
}

} // namespace assets
