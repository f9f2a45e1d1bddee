// The browser build writes and reads numbers without std::to_chars: its bytes must be the
// standard library's, or its transcripts would differ from the desktop's.
#include <gtest/gtest.h>

#include <bit>
#include <charconv>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "model/decimal_text.h"
#include "test_support.h"

namespace tw::test {
namespace {

using DecimalText = GameTest;

template <typename Float>
std::string standardText(Float value, bool plain) {
  char buffer[400];
  const auto result = plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                            : std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

template <typename Float, typename Bits>
std::vector<Float> samples() {
  std::vector<Float> values = {Float(0.1), Float(0.3), Float(1e-4), Float(9.9999e-5), Float(1e15), Float(123456.75),
                               Float(1e21), Float(-2.5), Float(1e-30), Float(1) / 3,
                               std::numeric_limits<Float>::max(), std::numeric_limits<Float>::denorm_min(),
                               std::numeric_limits<Float>::min(), std::numeric_limits<Float>::infinity(),
                               -std::numeric_limits<Float>::quiet_NaN()};
  std::mt19937_64 random(20261207);
  for (int i = 0; i < 20000; ++i) {
    const auto value = std::bit_cast<Float>(static_cast<Bits>(random()));
    values.push_back(value);
  }
  for (int i = -40; i <= 40; ++i) values.push_back(static_cast<Float>(std::pow(10.0, i)) * Float(1.5));
  for (int i = 0; i < 5000; ++i) values.push_back(static_cast<Float>(static_cast<int>(random() % 2000000) - 1000000) / 100);
  // Whole numbers, the game's usual values, up to and past where every one is exact.
  const int exactBits = std::numeric_limits<Float>::digits;
  for (int bits = 1; bits <= exactBits + 2; ++bits) {
    const auto top = std::uint64_t{1} << bits;
    for (const std::uint64_t n : {top - 1, top, top + 1, top / 3, random() % top}) values.push_back(static_cast<Float>(n));
  }
  for (int i = 0; i <= 18; ++i) values.push_back(static_cast<Float>(std::pow(10.0, i)) * Float(-7));
  return values;
}

TEST_F(DecimalText, WritesTheStandardLibrarysShortestBytes) {
  for (const bool plain : {true, false}) {
    for (const double value : samples<double, std::uint64_t>()) {
      ASSERT_EQ(shortestDecimal(value, plain), standardText(value, plain)) << plain;
    }
    for (const float value : samples<float, std::uint32_t>()) {
      ASSERT_EQ(shortestDecimal(value, plain), standardText(value, plain)) << plain;
    }
  }
}

TEST_F(DecimalText, ReadsAsTheStandardLibraryAndRefusesWhatIsOutOfRange) {
  for (const std::string text : {"0", "-0.5", "12.25", "1e-400", "1e400", "4.9e-324", "2e-324", "0e500", "0.000e-999",
                                 "1e-320", "17976931348623157e292", "18e307", "3.14159265358979323846264338"}) {
    double expected = 0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), expected);
    const auto read = parseDecimal(text);
    if (result.ec != std::errc() || !std::isfinite(expected)) {
      EXPECT_FALSE(read.has_value()) << text;
    } else {
      ASSERT_TRUE(read.has_value()) << text;
      EXPECT_EQ(std::bit_cast<std::uint64_t>(*read), std::bit_cast<std::uint64_t>(expected)) << text;
    }
  }
}

}  // namespace
}  // namespace tw::test
