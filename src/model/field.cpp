#include "model/field.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/decimal_text.h"

namespace tw {

namespace {

bool isDecimalSyntax(std::string_view t) {
  std::size_t i = 0;
  if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
  std::size_t digits = 0;
  while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  if (i < t.size() && t[i] == '.') {
    ++i;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
    ++i;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) ++i;
    std::size_t expDigits = 0;
    while (i < t.size() && t[i] >= '0' && t[i] <= '9') ++i, ++expDigits;
    if (expDigits == 0) return false;
  }
  return i == t.size();
}

// The counters are read every millisecond: a plain whole number of up to 15 digits, exact
// in a double, is read without the general parser.
struct Whole {
  std::int64_t magnitude;
  bool negative;
};

std::optional<Whole> plainWhole(std::string_view t) {
  const bool negative = !t.empty() && t.front() == '-';
  if (negative) t.remove_prefix(1);
  if (t.empty() || t.size() > 15) return std::nullopt;
  std::int64_t value = 0;
  for (char c : t) {
    const auto digit = static_cast<unsigned char>(c - '0');
    if (digit > 9) return std::nullopt;
    value = value * 10 + digit;
  }
  return Whole{value, negative};
}

template <typename Int>
std::optional<Int> toWhole(std::string_view text) {
  // Whole already: no rounding to do.
  if (const auto whole = plainWhole(trimSpaces(text))) {
    const std::int64_t value = whole->negative ? -whole->magnitude : whole->magnitude;
    if (value < std::numeric_limits<Int>::min() || value > std::numeric_limits<Int>::max()) return std::nullopt;
    return static_cast<Int>(value);
  }
  const auto number = toNumber(text);
  if (!number) return std::nullopt;
  const double rounded = std::nearbyint(*number);
  if (rounded < std::numeric_limits<Int>::min() || rounded > std::numeric_limits<Int>::max()) {
    return std::nullopt;
  }
  return static_cast<Int>(rounded);
}

template <typename Float>
std::string shortestText(Float value) {
  if (value == 0) value = 0;  // no "-0"
  // Plain decimals for everyday magnitudes: 100000 reads "100000", not "1e+05".
  const Float magnitude = value < 0 ? -value : value;
  const bool plain = magnitude == 0 || (magnitude >= Float(1e-4) && magnitude < Float(1e15));
#ifdef __cpp_lib_to_chars
  char buffer[400];
  const auto result = plain ? std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed)
                            : std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
#else
  return shortestDecimal(value, plain);
#endif
}

}  // namespace

std::optional<double> toNumber(std::string_view text) {
  text = trimSpaces(text);
  if (const auto whole = plainWhole(text)) {
    const auto magnitude = static_cast<double>(whole->magnitude);
    return whole->negative ? -magnitude : magnitude;
  }
  if (!isDecimalSyntax(text)) return std::nullopt;
  if (text.front() == '+') text.remove_prefix(1);
#ifdef __cpp_lib_to_chars
  double value = 0;
  const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
  if (result.ec != std::errc() || !std::isfinite(value)) return std::nullopt;
  return value;
#else
  return parseDecimal(text);
#endif
}

std::string numberText(double value) { return shortestText(value); }
std::string numberText(float value) { return shortestText(value); }

std::string_view trimSpaces(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) text.remove_suffix(1);
  return text;
}

bool allDigits(std::string_view text) {
  return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

std::optional<std::int16_t> toInt16(std::string_view text) { return toWhole<std::int16_t>(text); }
std::optional<std::int32_t> toInt32(std::string_view text) { return toWhole<std::int32_t>(text); }

namespace {
// Continuation bytes, 10xxxxxx, belong to the character before them.
bool continues(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }
}  // namespace

int characterCount(std::string_view text) {
  int count = 0;
  for (std::size_t i = 0; i < text.size(); ++i) count += continues(text[i]) && i > 0 ? 0 : 1;
  return count;
}

std::size_t byteOffset(std::string_view text, int characters) {
  std::size_t i = 0;
  for (int n = 0; n < characters && i < text.size(); ++n) {
    ++i;
    while (i < text.size() && continues(text[i])) ++i;
  }
  return i;
}

std::string toLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string escapeLine(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    switch (c) {
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\\': out += "\\\\"; break;
      default: out += c;
    }
  }
  return out;
}

}  // namespace tw
