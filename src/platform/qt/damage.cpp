#include "platform/qt/damage.h"

#include <QFontMetrics>
#include <algorithm>

#include "platform/qt/element_painter.h"
#include "platform/window.h"

namespace tw {

namespace {

// Room around a button for the focus frame, drawn just outside its edge.
constexpr int kFrameRoom = 4;

QRect withFrameRoom(const Element& e, QRect area) {
  return e.handPointer ? area.adjusted(-kFrameRoom, -kFrameRoom, kFrameRoom, kFrameRoom) : area;
}

QRect areaOf(const Element& e) {
  if (e.kind != ElementKind::Line) return pixelRect(e);
  const auto [a, b] = lineEnds(e);
  const int pen = std::max(1, e.lineWidthPx);
  return QRect(a, b).normalized().adjusted(-pen, -pen, pen, pen);
}

}  // namespace

bool Damage::unchanged(const Window& window, const Element& e, const Look& look) {
  // Cheapest first: most elements stand still with the same text frame after frame.
  if (e.stackOrder != look.order || e.shown() != look.shown || e.text != look.text ||
      (window.framed() == &e) != look.framed || e.foreColor != look.fore || e.backColor != look.back ||
      e.opaque != look.opaque || e.align != look.align || e.font.points != look.font.points ||
      e.font.weight != look.font.weight || e.font.family != look.font.family) {
    return false;
  }
  if ((e.picturePath.empty() ? e.designPicture : e.picturePath) != look.picture) return false;
  const QRect area = withFrameRoom(e, areaOf(e));
  // An auto-sized label is as wide as its text, which is unchanged here.
  return e.autoSize ? area.topLeft() == look.area.topLeft() && area.height() == look.area.height()
                    : area == look.area;
}

Damage::Look Damage::lookOf(const Window& window, const Element& e) {
  Look look;
  look.shown = e.shown();
  look.area = areaOf(e);
  if (e.autoSize && !e.text.empty()) {
    const int width = QFontMetrics(gameFont(e.font)).horizontalAdvance(QString::fromStdString(e.text));
    look.area.setWidth(std::max(look.area.width(), width));
  }
  look.area = withFrameRoom(e, look.area);
  look.framed = window.framed() == &e;
  look.text = e.text;
  look.picture = e.picturePath.empty() ? e.designPicture : e.picturePath;
  look.fore = e.foreColor;
  look.back = e.backColor;
  look.opaque = e.opaque;
  look.font = e.font;
  look.align = e.align;
  look.order = e.stackOrder;
  return look;
}

QRegion Damage::since(const Window& window) {
  QRegion changed;
  ++calls_;
  for (const auto& e : window.elements()) {
    if (e->kind == ElementKind::TextBox) continue;  // a widget of its own
    auto [at, added] = drawn_.try_emplace(e.get());
    Look& look = at->second;
    if (added || !unchanged(window, *e, look)) {
      if (!added && look.shown) changed += look.area;
      look = lookOf(window, *e);
      if (look.shown) changed += look.area;
    }
    look.seen = calls_;
  }
  // Elements gone since: what they covered is drawn again.
  for (auto it = drawn_.begin(); it != drawn_.end();) {
    if (it->second.seen == calls_) {
      ++it;
      continue;
    }
    if (it->second.shown) changed += it->second.area;
    it = drawn_.erase(it);
  }
  return changed;
}

}  // namespace tw
