#include "frontends/qt/damage.h"

#include "frontends/qt/element_painter.h"
#include "model/window.h"

namespace tw {

namespace {

// Room around a button for the focus frame, drawn just outside its edge.
constexpr int kFrameRoom = 4;

QRect withFrameRoom(const Element& e, QRect area) {
  return e.handPointer ? area.adjusted(-kFrameRoom, -kFrameRoom, kFrameRoom, kFrameRoom) : area;
}

}  // namespace

Damage::Place Damage::placeOf(const Element& e) {
  const Element* p = e.parent;
  return Place{p ? p->screenLeft() : 0, p ? p->screenTop() : 0, e.left, e.top, e.width, e.height, e.x2, e.y2,
               e.lineWidthPx, e.handPointer};
}

bool Damage::unchanged(const Window& window, const Element& e, Look& look) {
  // Cheapest first: most elements stand still with the same text frame after frame.
  if (e.stackOrder != look.order || e.shown() != look.shown || e.text != look.text ||
      (window.framed() == &e) != look.framed || e.foreColor != look.fore || e.backColor != look.back ||
      e.opaque != look.opaque || e.align != look.align || e.font.points != look.font.points ||
      e.font.weight != look.font.weight || e.font.family != look.font.family) {
    return false;
  }
  if ((e.picturePath.empty() ? e.designPicture : e.picturePath) != look.picture) return false;
  // Most stand where they stood: spare working out their pixels.
  const Place place = placeOf(e);
  if (place == look.place) return true;
  if (withFrameRoom(e, drawnArea(e)) != look.area) return false;
  look.place = place;
  return true;
}

Damage::Look Damage::lookOf(const Window& window, const Element& e) {
  Look look;
  look.element = &e;
  look.place = placeOf(e);
  look.shown = e.shown();
  look.area = withFrameRoom(e, drawnArea(e));
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
  const auto& elements = window.elements();
  // A window adds elements only at the end and drops them all when it closes: what lies
  // past its elements was drawn for elements now gone.
  for (std::size_t k = elements.size(); k < drawn_.size(); ++k) {
    if (drawn_[k].shown) changed += drawn_[k].area;
  }
  drawn_.resize(elements.size());
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const Element& e = *elements[k];
    if (e.kind == ElementKind::TextBox) continue;  // a widget of its own
    Look& look = drawn_[k];
    if (look.element == &e && unchanged(window, e, look)) continue;
    if (look.shown) changed += look.area;
    look = lookOf(window, e);
    if (look.shown) changed += look.area;
  }
  return changed;
}

}  // namespace tw
