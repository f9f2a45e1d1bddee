#include "midend/pixel_geometry.h"

#include <algorithm>
#include <cmath>

#include "model/host.h"

namespace tw {

namespace {

// The columns from `a` to `b` as the toolkits count a rectangle given by two corners: a
// reversed pair loses its end columns.
std::pair<int, int> span(int a, int b) {
  if (b >= a - 1) return {a, b - a + 1};
  return {b + 1, a - b - 1};
}

}  // namespace

PixelRect intersected(const PixelRect& a, const PixelRect& b) {
  const int left = std::max(a.left, b.left), top = std::max(a.top, b.top);
  const int right = std::min(a.right(), b.right()), bottom = std::min(a.bottom(), b.bottom());
  if (right <= left || bottom <= top || a.empty() || b.empty()) return {};
  return {left, top, right - left, bottom - top};
}

PixelRect united(const PixelRect& a, const PixelRect& b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  const int left = std::min(a.left, b.left), top = std::min(a.top, b.top);
  return {left, top, std::max(a.right(), b.right()) - left, std::max(a.bottom(), b.bottom()) - top};
}

int toPixels(float twips) {
  const float pixels = twips / 15.0f;
  // Half away from zero, as lround does, without its call: every element's four edges are
  // rounded at every frame. In double, adding the half is exact.
  if (std::abs(pixels) < 1e9f) return static_cast<int>(static_cast<double>(pixels) + (pixels < 0 ? -0.5 : 0.5));
  return static_cast<int>(std::lround(pixels));
}

PixelRect pixelsOf(const Element& e) {
  return {toPixels(e.screenLeft()), toPixels(e.screenTop()), toPixels(e.width), toPixels(e.height)};
}

std::pair<PixelPoint, PixelPoint> lineEnds(const Element& e) {
  const float dx = e.parent ? e.parent->screenLeft() : 0;
  const float dy = e.parent ? e.parent->screenTop() : 0;
  return {{toPixels(e.left + dx), toPixels(e.top + dy)}, {toPixels(e.x2 + dx), toPixels(e.y2 + dy)}};
}

PixelRect drawnArea(const Element& e, Host& host) {
  if (e.kind == ElementKind::Line) {
    const auto [a, b] = lineEnds(e);
    const int pen = std::max(1, e.lineWidthPx);
    const auto [left, width] = span(a.x, b.x);
    const auto [top, height] = span(a.y, b.y);
    return PixelRect{left, top, width, height}.grown(pen, pen, pen, pen);
  }
  PixelRect r = pixelsOf(e);
  if (e.kind == ElementKind::Label && e.autoSize && !e.text.empty()) {
    r.width = std::max(r.width, host.measureText(e.font, e.text).width);
  }
  return r;
}

PixelRect insideContainers(const Element& e, PixelRect area) {
  for (const Element* p = e.parent; p != nullptr; p = p->parent) area = intersected(area, pixelsOf(*p));
  return area;
}

}  // namespace tw
