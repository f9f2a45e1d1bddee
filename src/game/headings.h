#pragma once
// The four heading codes: their names, their pictures and the move each makes on the board.
#include <array>
#include <string_view>

namespace tw {

struct Heading {
  std::string_view code;
  std::string_view name;
  std::string_view picture;  // file in the Plane folder
  float dLeft;
  float dTop;
};

// In button order: north, south, east, west. East moves toward column A, west toward I.
inline constexpr std::array<Heading, 4> kHeadings{{
    {"n", "Nord", "n.jpg", 0, -600},
    {"s", "Sud", "s.jpg", 0, 600},
    {"e", "Est", "e.jpg", -600, 0},
    {"o", "Ovest", "o.jpg", 600, 0},
}};

// Exact, case-sensitive; null for anything that is no heading code.
inline const Heading* headingOf(std::string_view code) {
  for (const Heading& h : kHeadings) {
    if (h.code == code) return &h;
  }
  return nullptr;
}

// The heading's place in kHeadings (its button), or -1 for anything that is no heading code.
inline int headingIndex(std::string_view code) {
  const Heading* h = headingOf(code);
  return h ? static_cast<int>(h - kHeadings.data()) : -1;
}

}  // namespace tw
