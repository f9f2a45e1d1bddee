#include "midend/text_positions.h"

#include <utility>

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

// Stored characters and shown units up to where `reached` first holds, or the text's end.
template <typename Reached>
std::pair<int, int> walk(const std::string& text, Reached reached) {
  int stored = 0;
  int shown = 0;
  for (std::size_t i = 0; i < text.size() && !reached(stored, shown);) {
    const Step s = stepAt(text, i);
    i += static_cast<std::size_t>(s.bytes);
    stored += s.characters;
    shown += s.units;
  }
  return {stored, shown};
}

}  // namespace

int shownPosition(const std::string& text, int characters) {
  return walk(text, [characters](int stored, int) { return stored >= characters; }).second;
}

int storedPosition(const std::string& text, int shown) {
  return walk(text, [shown](int, int units) { return units >= shown; }).first;
}

}  // namespace tw
