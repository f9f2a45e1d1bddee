// The conversions every field goes through, on any text and on any double or float.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>

#include "model/field.h"
#include "require.h"

namespace {

using tw::fuzz::require;

// "12", "0.5", "-3", "1e+20": never "12.0", "0.50", "1." or "-0".
bool isShortestForm(std::string_view text) {
  if (text == "-0") return false;
  if (text.find('.') == std::string_view::npos || text.find('e') != std::string_view::npos) return true;
  return text.back() != '0' && text.back() != '.';
}

void checkNumberTextOf(double value) {
  const std::string text = tw::numberText(value);
  require(isShortestForm(text), "numberText writes the shortest form");
  const auto back = tw::toNumber(text);
  require(back && *back == value, "numberText of a double reads back as that double");
}

void checkNumberTextOf(float value) {
  const std::string text = tw::numberText(value);
  require(isShortestForm(text), "numberText writes the shortest form");
  const auto back = tw::toNumber(text);
  require(back && static_cast<float>(*back) == value, "numberText of a float reads back as that float");
}

void checkNumber(std::string_view text) {
  const auto number = tw::toNumber(text);
  if (!number) return;
  require(std::isfinite(*number), "toNumber gives finite numbers only");
  checkNumberTextOf(*number);
  const auto single = static_cast<float>(*number);
  if (std::isfinite(single)) checkNumberTextOf(single);
}

void checkWholeNumbers(std::string_view text) {
  const auto number = tw::toNumber(text);
  const auto small = tw::toInt16(text);
  const auto whole = tw::toInt32(text);
  if (small) require(whole && *whole == *small, "a 16-bit number is the same 32-bit number");
  if (whole) require(number && std::fabs(*number - *whole) <= 0.5, "a whole number is its text rounded to the nearest");
}

std::optional<std::string> unescaped(std::string_view line) {
  std::string text;
  for (std::size_t i = 0; i < line.size(); ++i) {
    if (line[i] != '\\') {
      text += line[i];
      continue;
    }
    if (++i == line.size()) return std::nullopt;
    switch (line[i]) {
      case 'r': text += '\r'; break;
      case 'n': text += '\n'; break;
      case '\\': text += '\\'; break;
      default: return std::nullopt;
    }
  }
  return text;
}

void checkEscapeLine(std::string_view text) {
  const std::string line = tw::escapeLine(text);
  require(line.find_first_of("\r\n") == std::string::npos, "an escaped value stays on one line");
  require(unescaped(line) == text, "escaping loses nothing");
}

// The input's first bytes read as a double and as a float, so every bit pattern gets tried.
void checkBitPatterns(const std::uint8_t* data, std::size_t size) {
  if (size >= sizeof(double)) {
    double value;
    std::memcpy(&value, data, sizeof value);
    if (std::isfinite(value)) checkNumberTextOf(value);
  }
  if (size >= sizeof(float)) {
    float value;
    std::memcpy(&value, data, sizeof value);
    if (std::isfinite(value)) checkNumberTextOf(value);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  checkNumber(text);
  checkWholeNumbers(text);
  checkEscapeLine(text);
  checkBitPatterns(data, size);
  return 0;
}
