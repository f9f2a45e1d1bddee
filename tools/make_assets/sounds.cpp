#include "sounds.h"

#include <cmath>
#include <cstdint>
#include <numbers>

namespace assets {

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kRate = kSampleRate;

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

Samples whoosh()
{
  Samples s = silence(0.75);
  Noise noise(0x5157);
  Filter filter;
  const double length = timeOf(s.size());
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double x = timeOf(i) / length;
    // Cutoff climbs then falls back, as something passes close by.
    const double cutoff = 250.0 * std::pow(10.0, 1.0 * std::sin(kPi * std::pow(x, 0.8)));
    const auto out = filter.step(noise.next(), cutoff, 1.4);
    const double env = std::pow(std::sin(kPi * x), 1.5);
    s[i] = env * (out.band + 0.3 * out.low);
  }
  return s;
}

Samples crash()
{
  Samples s = silence(0.95);
  Noise noise(0xC4A5);
  Filter burst, crackle;
  double rumblePhase = 0.0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const double attack = std::min(1.0, t / 0.002);
    const double cutoff = 300.0 + 5700.0 * std::exp(-t / 0.12);
    const double hit = burst.step(noise.next(), cutoff, 0.7).low * std::exp(-t / 0.2);
    // Sparse pops make it sound like debris rather than plain hiss.
    const double pop = noise.next() > 1.0 - 0.04 * std::exp(-t / 0.15) ? noise.next() : 0.0;
    const double debris = crackle.step(pop, 2500.0, 0.9).band;
    rumblePhase += 2.0 * kPi * (38.0 + 22.0 * std::exp(-t / 0.25)) / kRate;
    const double rumble = (std::sin(rumblePhase) + 0.4 * std::sin(1.5 * rumblePhase)) * std::exp(-t / 0.35);
    s[i] = attack * (1.2 * hit + 0.8 * debris + 0.6 * rumble);
  }
  return s;
}

Samples click()
{
  Samples s = silence(0.045);
  Noise noise(0xC11C);
  Filter filter;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const double t = timeOf(i);
    const double tick = filter.step(noise.next(), 3200.0, 2.0).band * std::exp(-t / 0.003);
    const double body = std::sin(2.0 * kPi * 1800.0 * t) * std::exp(-t / 0.006);
    s[i] = tick + 0.6 * body;
  }
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
  Samples s = silence(0.11);
  // Odd harmonics give a soft square: distinct from the pure blip.
  addTone(s, 0.0, 0.11, 990.0, {{1.0, 1.0, 0.0}, {3.0, 0.25, 0.0}, {5.0, 0.08, 0.0}}, 0.005, 0.02, 1.0);
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
  Samples s;
  double fadeIn = 0.003, fadeOut = 0.015;
  switch (number) {
  case 1: s = radarBlip(); break;
  case 2: s = whoosh(); break;
  case 3: s = crash(); break;
  case 4: s = click(); fadeIn = 0.0005; fadeOut = 0.005; break;
  case 5: s = fanfare(); break;
  case 6: s = landingChime(); break;
  case 7: s = turnBeep(); break;
  case 8: s = menuJingle(); break;
  default: return s;
  }
  fade(s, fadeIn, fadeOut);
  normalise(s, 0.5);
  return s;
}

bool writeSounds(const std::string& dir)
{
  for (int n = 1; n <= 8; ++n)
    if (!writeFile(dir + "/" + std::to_string(n) + ".wav", encodeWav(makeCue(n)))) return false;
  return true;
}

} // namespace assets
