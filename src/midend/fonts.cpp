#include "midend/fonts.h"

#include <algorithm>
#include <cmath>

namespace tw {

std::vector<std::string> fontFamilies(const Font& font) {
  if (font.family == "Courier New") return {font.family, "Liberation Mono", "DejaVu Sans Mono"};
  // Inter Black: as heavy as Arial Black and nearly as wide.
  return {font.family, "Inter", "Liberation Sans", "DejaVu Sans"};
}

int fontPixelSize(const Font& font) {
  return std::max(1, static_cast<int>(std::lround(font.points * 96.0f / 72.0f)));
}

TextSize evenFaceSize(const Font& font, const std::string& text) {
  // Characters, not bytes: continuation bytes of UTF-8 start no character.
  const auto characters = std::count_if(text.begin(), text.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  });
  const int size = fontPixelSize(font);
  return {static_cast<int>(characters) * size * 2 / 3, size * 6 / 5};
}

}  // namespace tw
