#include "midend/damage.h"

#include "midend/display_list.h"
#include "model/window.h"

namespace tw {

namespace {

// Room around a button for the focus frame, drawn just outside its edge.
PixelRect withFrameRoom(const Element& e, PixelRect area) {
  const int room = kFocusFrameRoom;
  return e.handPointer ? area.grown(room, room, room, room) : area;
}

// A text box's focus shows as its caret; any other element's as the frame around it.
bool framedIn(const Window& window, const Element& e) {
  return (e.kind == ElementKind::TextBox ? window.focus() : window.framed()) == &e;
}

}  // namespace

Damage::Place Damage::placeOf(const Element& e) {
  const Element* p = e.parent;
  return Place{p ? p->screenLeft() : 0, p ? p->screenTop() : 0, e.left, e.top, e.width, e.height, e.x2, e.y2,
               e.lineWidthPx, e.handPointer};
}

bool Damage::unchanged(const Window& window, const Element& e, Look& look, Host& host) {
  // Cheapest first: most elements stand still with the same text frame after frame.
  if (e.stackOrder != look.order || e.shown() != look.shown || e.text != look.text ||
      framedIn(window, e) != look.framed || e.foreColor != look.fore || e.backColor != look.back ||
      e.opaque != look.opaque || e.align != look.align || e.font != look.font || e.selStart != look.selStart ||
      e.caretWidth != look.caretWidth || e.caretHeight != look.caretHeight) {
    return false;
  }
  if ((e.picturePath.empty() ? e.designPicture : e.picturePath) != look.picture) return false;
  // Most stand where they stood: spare working out their pixels.
  const Place place = placeOf(e);
  if (place == look.place) return true;
  if (withFrameRoom(e, drawnArea(e, host)) != look.area) return false;
  look.place = place;
  return true;
}

Damage::Look Damage::lookOf(const Window& window, const Element& e, Host& host) {
  Look look;
  look.element = &e;
  look.place = placeOf(e);
  look.shown = e.shown();
  look.textBox = e.kind == ElementKind::TextBox;
  look.area = withFrameRoom(e, drawnArea(e, host));
  look.framed = framedIn(window, e);
  look.text = e.text;
  look.picture = e.picturePath.empty() ? e.designPicture : e.picturePath;
  look.fore = e.foreColor;
  look.back = e.backColor;
  look.opaque = e.opaque;
  look.font = e.font;
  look.align = e.align;
  look.order = e.stackOrder;
  look.selStart = e.selStart;
  look.caretWidth = e.caretWidth;
  look.caretHeight = e.caretHeight;
  return look;
}

const std::vector<PixelRect>& Damage::since(const Window& window, Host& host) {
  changed_.clear();
  textBoxesChanged_ = false;
  const auto& elements = window.elements();
  // A window adds elements only at the end and drops them all when it closes: what lies
  // past its elements was drawn for elements now gone.
  for (std::size_t k = elements.size(); k < drawn_.size(); ++k) {
    if (drawn_[k].textBox) {
      textBoxesChanged_ = true;
    } else if (drawn_[k].shown) {
      changed_.push_back(drawn_[k].area);
    }
  }
  drawn_.resize(elements.size());
  for (std::size_t k = 0; k < elements.size(); ++k) {
    const Element& e = *elements[k];
    Look& look = drawn_[k];
    if (look.element == &e && unchanged(window, e, look, host)) continue;
    const bool wasShown = look.shown;
    const PixelRect was = look.area;
    look = lookOf(window, e, host);
    if (look.textBox) {
      textBoxesChanged_ = true;
      continue;
    }
    if (wasShown && !(look.shown && look.area == was)) changed_.push_back(was);
    if (look.shown) changed_.push_back(look.area);
  }
  return changed_;
}

}  // namespace tw
