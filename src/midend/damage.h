#pragma once
// What each element of a window looked like when it was last drawn, so that a frame
// repaints only the parts of the window that changed.
#include <cstdint>
#include <string>
#include <vector>

#include "midend/pixel_geometry.h"
#include "model/element.h"

namespace tw {

class Host;
class Window;

class Damage {
 public:
  // The parts of the window, in logical pixels, whose look differs from the last call's;
  // valid until the next call.
  const std::vector<PixelRect>& since(const Window& window, Host& host);
  // Whether a text box changed in that call: text boxes draw themselves over the window, so
  // they add no part to repaint.
  bool textBoxesChanged() const { return textBoxesChanged_; }

 private:
  // Where an element stands, in twips: what its area in pixels follows from.
  struct Place {
    float originLeft = 0, originTop = 0;  // its container's, in the client area
    float left = 0, top = 0, width = 0, height = 0, x2 = 0, y2 = 0;
    int lineWidthPx = 0;
    bool handPointer = false;
    bool operator==(const Place&) const = default;
  };
  struct Look {
    const Element* element = nullptr;
    Place place;
    PixelRect area;  // where it draws, with room for the focus frame
    bool shown = false;
    bool textBox = false;
    bool framed = false;  // for a text box: holds the window's focus
    std::string text;
    std::string picture;
    Rgb fore = 0, back = 0;
    bool opaque = false;
    Font font;
    Align align = Align::Left;
    std::uint64_t order = 0;
    int selStart = 0, caretWidth = 0, caretHeight = 0;
  };
  // Whether the element still looks as `look` records, without copying anything; a move
  // within the same pixels is taken over into `look`.
  static bool unchanged(const Window& window, const Element& e, Look& look, Host& host);
  static Look lookOf(const Window& window, const Element& e, Host& host);
  static Place placeOf(const Element& e);

  // In the order of the window's elements.
  std::vector<Look> drawn_;
  std::vector<PixelRect> changed_;
  bool textBoxesChanged_ = false;
};

}  // namespace tw
