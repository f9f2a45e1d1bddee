#include "model/decimal_text.h"

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace tw {

namespace {

// The significant digits (no trailing zeros) and the power of ten of the first one.
struct Digits {
  std::string digits;
  int exponent = 0;
};

template <typename Float>
Float readBack(const char* text) {
  if constexpr (sizeof(Float) == sizeof(float)) {
    return std::strtof(text, nullptr);
  } else {
    return std::strtod(text, nullptr);
  }
}

// The fewest digits that read back to `value` (positive and finite), each count rounded
// correctly by printf.
template <typename Float>
Digits shortestDigits(Float value) {
  constexpr int kMost = sizeof(Float) == sizeof(float) ? 9 : 17;
  char text[64];
  for (int count = 1;; ++count) {
    std::snprintf(text, sizeof text, "%.*e", count - 1, static_cast<double>(value));
    if (count == kMost || readBack<Float>(text) == value) break;
  }
  Digits d;
  const char* p = text;
  for (; *p != 'e'; ++p) {
    if (*p != '.') d.digits += *p;
  }
  d.exponent = std::atoi(p + 1);
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

// A whole number is written with all its digits, as printf("%.0f") does: past 2^53 the
// shortest digits padded with zeros would name another number.
std::string positional(const Digits& d, double value) {
  const int count = static_cast<int>(d.digits.size());
  if (d.exponent < 0) return "0." + std::string(static_cast<std::size_t>(-d.exponent - 1), '0') + d.digits;
  if (count <= d.exponent + 1) {
    std::string whole(static_cast<std::size_t>(std::snprintf(nullptr, 0, "%.0f", value)), '\0');
    std::snprintf(whole.data(), whole.size() + 1, "%.0f", value);
    return whole;
  }
  const auto point = static_cast<std::size_t>(d.exponent + 1);
  return d.digits.substr(0, point) + "." + d.digits.substr(point);
}

std::string exponential(const Digits& d) {
  std::string text = d.digits.substr(0, 1);
  if (d.digits.size() > 1) text += "." + d.digits.substr(1);
  char power[16];
  std::snprintf(power, sizeof power, "e%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
  return text + power;
}

// Below 2^53 (2^24 for float) every whole number is exact and its neighbours lie at most 1
// away, so its own digits are its shortest: no rounding search, no printf. The game's fields
// are nearly all whole numbers, and printf's long doubles are slow where emulated.
template <typename Float>
bool isSmallWhole(Float magnitude) {
  constexpr Float kExact = sizeof(Float) == sizeof(float) ? Float(1 << 24) : Float(std::uint64_t{1} << 53);
  return magnitude < kExact && magnitude == std::floor(magnitude);
}

Digits wholeDigits(const std::string& whole) {
  Digits d{whole, static_cast<int>(whole.size()) - 1};
  while (d.digits.size() > 1 && d.digits.back() == '0') d.digits.pop_back();
  return d;
}

template <typename Float>
std::string shortest(Float value, bool plain) {
  const std::string sign = std::signbit(value) ? "-" : "";
  if (std::isnan(value)) return sign + "nan";
  if (std::isinf(value)) return sign + "inf";
  if (value == 0) return sign + "0";
  const Float magnitude = std::fabs(value);
  const bool whole = isSmallWhole(magnitude);
  std::string text = whole ? std::to_string(static_cast<std::uint64_t>(magnitude)) : std::string();
  const Digits d = whole ? wholeDigits(text) : shortestDigits(magnitude);
  if (!whole) text = positional(d, static_cast<double>(magnitude));
  if (!plain) {
    std::string other = exponential(d);
    if (other.size() < text.size()) text = std::move(other);
  }
  return sign + text;
}

}  // namespace

std::string shortestDecimal(double value, bool plain) { return shortest(value, plain); }
std::string shortestDecimal(float value, bool plain) { return shortest(value, plain); }

std::optional<double> parseDecimal(std::string_view text) {
  const std::string copy(text);
  const double value = std::strtod(copy.c_str(), nullptr);
  // Too large, or too small to be anything but zero: out of range, as std::from_chars says.
  const std::string_view mantissa = text.substr(0, text.find_first_of("eE"));
  const bool zeroWritten = mantissa.find_first_of("123456789") == std::string_view::npos;
  if (std::isinf(value) || (value == 0 && !zeroWritten)) return std::nullopt;
  return value;
}

}  // namespace tw
