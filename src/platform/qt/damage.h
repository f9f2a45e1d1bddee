#pragma once
// What each element of a window looked like when it was last drawn, so that a frame
// repaints only the parts of the window that changed.
#include <QRect>
#include <QRegion>
#include <string>
#include <unordered_map>

#include "platform/element.h"

namespace tw {

class Window;

class Damage {
 public:
  // The part of the window, in logical pixels, whose look differs from the last call's.
  QRegion since(const Window& window);

 private:
  struct Look {
    QRect area;  // where it draws, with room for the focus frame
    bool shown = false;
    bool framed = false;
    std::string text;
    std::string picture;
    Rgb fore = 0, back = 0;
    bool opaque = false;
    Font font;
    Align align = Align::Left;
    std::uint64_t order = 0;
    std::uint64_t seen = 0;  // the last call that found the element in its window
  };
  // Whether the element still looks as `look` records, without copying anything.
  static bool unchanged(const Window& window, const Element& e, const Look& look);
  static Look lookOf(const Window& window, const Element& e);

  std::unordered_map<const Element*, Look> drawn_;
  std::uint64_t calls_ = 0;
};

}  // namespace tw
