#pragma once
// The program's one uniform random source in [0, 1).
#include <cstdint>
#include <random>

namespace tw {

class UniformRandom {
 public:
  void seed(std::uint64_t value) { engine_.seed(value); }
  // 53 random bits, the same sequence on every machine.
  double next() { return static_cast<double>(engine_() >> 11) * 0x1.0p-53; }

 private:
  std::mt19937_64 engine_{0};
};

}  // namespace tw
