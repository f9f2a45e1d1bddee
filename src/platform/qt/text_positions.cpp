#include "platform/qt/text_positions.h"

#include <algorithm>

namespace tw {

namespace {

// Bytes and shown units of the character starting at `i`; a CR LF pair is one shown break.
struct Step {
  int bytes;
  int units;
};

Step stepAt(const std::string& text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead == '\r' && i + 1 < text.size() && text[i + 1] == '\n') return {2, 1};
  if (lead >= 0xF0) return {4, 2};  // outside the basic plane: a surrogate pair
  if (lead >= 0xE0) return {3, 1};
  if (lead >= 0xC0) return {2, 1};
  return {1, 1};
}

}  // namespace

int shownPosition(const std::string& text, int bytes) {
  int shown = 0;
  std::size_t i = 0;
  while (i < text.size() && static_cast<int>(i) < bytes) {
    const Step s = stepAt(text, i);
    i += static_cast<std::size_t>(s.bytes);
    shown += s.units;
  }
  return shown;
}

int storedPosition(const std::string& text, int shown) {
  int units = 0;
  std::size_t i = 0;
  while (i < text.size() && units < shown) {
    const Step s = stepAt(text, i);
    i += static_cast<std::size_t>(s.bytes);
    units += s.units;
  }
  return static_cast<int>(std::min(i, text.size()));
}

}  // namespace tw
