#include "frontends/qt/text_positions.h"

namespace tw {

namespace {

// Bytes, stored characters and shown units of what starts at byte `i`: a CR LF pair is two
// characters but one shown break.
struct Step {
  int bytes;
  int characters;
  int units;
};

Step stepAt(const std::string& text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  if (lead == '\r' && i + 1 < text.size() && text[i + 1] == '\n') return {2, 2, 1};
  if (lead >= 0xF0) return {4, 1, 2};  // outside the basic plane: a surrogate pair
  if (lead >= 0xE0) return {3, 1, 1};
  if (lead >= 0xC0) return {2, 1, 1};
  return {1, 1, 1};
}

}  // namespace

int shownPosition(const std::string& text, int characters) {
  int shown = 0;
  int stored = 0;
  std::size_t i = 0;
  while (i < text.size() && stored < characters) {
    const Step s = stepAt(text, i);
    i += static_cast<std::size_t>(s.bytes);
    stored += s.characters;
    shown += s.units;
  }
  return shown;
}

int storedPosition(const std::string& text, int shown) {
  int units = 0;
  int stored = 0;
  std::size_t i = 0;
  while (i < text.size() && units < shown) {
    const Step s = stepAt(text, i);
    i += static_cast<std::size_t>(s.bytes);
    stored += s.characters;
    units += s.units;
  }
  return stored;
}

}  // namespace tw
