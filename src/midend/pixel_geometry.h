#pragma once
// Where elements stand on the screen, in logical pixels of the window's client area: what
// they fill, where they may draw, and what their containers let show.
#include <utility>

#include "model/element.h"

namespace tw {

class Host;

struct PixelPoint {
  int x = 0, y = 0;
  bool operator==(const PixelPoint&) const = default;
};

struct PixelRect {
  int left = 0, top = 0, width = 0, height = 0;
  // One past the last column and row.
  int right() const { return left + width; }
  int bottom() const { return top + height; }
  bool empty() const { return width <= 0 || height <= 0; }
  // Wider by `l` on the left, `t` at the top, and so on.
  PixelRect grown(int l, int t, int r, int b) const { return {left - l, top - t, width + l + r, height + t + b}; }
  bool operator==(const PixelRect&) const = default;
};

// What both cover; empty when they do not meet.
PixelRect intersected(const PixelRect& a, const PixelRect& b);
// The smallest rectangle holding both; an empty one adds nothing.
PixelRect united(const PixelRect& a, const PixelRect& b);

int toPixels(float twips);
// The element's rectangle.
PixelRect pixelsOf(const Element& e);
// A line's two ends.
std::pair<PixelPoint, PixelPoint> lineEnds(const Element& line);
// Where an element may draw: a line reaches past its ends by its pen, an auto-sized label as
// far as its text, as `host` measures it.
PixelRect drawnArea(const Element& e, Host& host);
// The part of `area` inside every container above the element, which clips it.
PixelRect insideContainers(const Element& e, PixelRect area);

}  // namespace tw
