#include "midend/display_list.h"

#include <algorithm>

#include "midend/text_positions.h"
#include "model/hit_test.h"
#include "model/window.h"

namespace tw {

DrawItem& DisplayList::add(DrawKind kind, Element& e, const PixelRect& area, const PixelRect& clip) {
  if (used_ == items_.size()) items_.emplace_back();
  // Only the fields of its kind are set: a fresh item would look its font's face up again.
  DrawItem& item = items_[used_++];
  item.kind = kind;
  item.element = &e;
  item.area = area;
  item.clip = clip;
  return item;
}

namespace {

// Copies only what differs: most items show the same face and picture frame after frame, and
// copying an interned text is a call.
void take(Interned& to, const Interned& from) {
  if (!(to == from)) to = from;
}

void takeFont(Font& to, const Font& from) {
  take(to.family, from.family);
  to.points = from.points;
  to.weight = from.weight;
}

}  // namespace

void DisplayList::addTextBox(const Window& window, Element& box) {
  const PixelRect area = pixelsOf(box);
  // The same box in the same slot as last frame: the log's long text need not be walked again.
  const bool same = used_ < items_.size() && items_[used_].kind == DrawKind::TextBox &&
                    items_[used_].element == &box && items_[used_].caret.selStart == box.selStart &&
                    items_[used_].text == box.text;
  DrawItem& item = add(DrawKind::TextBox, box, area, area);
  if (!same) {
    item.text = box.text;
    item.caret.selStart = box.selStart;
    item.caret.at = shownPosition(box.text, box.selStart);
  }
  takeFont(item.font, box.font);
  item.colour = box.foreColor;
  item.back = box.backColor;
  // A width of 0 is the thinnest caret; a height of 0 is the line's.
  item.caret.width = std::max(1, box.caretWidth);
  item.caret.height = std::max(0, box.caretHeight);
  item.caret.shown = window.focus() == &box;
  item.multiLine = box.multiLine;
  item.scrollBar = box.scrollBar;
  item.readOnly = box.readOnly;
}

void DisplayList::addElement(const Window& window, Element& e, Host& host) {
  if (e.kind == ElementKind::TextBox) {
    addTextBox(window, e);
    return;
  }
  const PixelRect area = drawnArea(e, host);
  const PixelRect clip = e.parent ? insideContainers(e, area) : area;
  if (clip.empty()) return;
  switch (e.kind) {
    case ElementKind::Label:
      if (e.opaque) add(DrawKind::Fill, e, area, clip).colour = e.backColor;
      if (!e.text.empty()) {
        DrawItem& text = add(DrawKind::Text, e, area, clip);
        text.text = e.text;
        takeFont(text.font, e.font);
        text.colour = e.foreColor;
        text.align = e.align;
      }
      break;
    case ElementKind::Picture: {
      const bool design = e.picturePath.empty();
      if (design && e.designPicture.empty()) break;
      DrawItem& picture = add(DrawKind::Picture, e, area, clip);
      take(picture.picture, design ? e.designPicture : e.picturePath);
      picture.designPicture = design;
      break;
    }
    case ElementKind::Shape: add(DrawKind::Fill, e, area, clip).colour = e.backColor; break;
    case ElementKind::Container:
      if (e.opaque) add(DrawKind::Fill, e, area, clip).colour = e.backColor;
      break;
    case ElementKind::Line: {
      DrawItem& line = add(DrawKind::Line, e, area, clip);
      std::tie(line.from, line.to) = lineEnds(e);
      line.pen = std::max(1, e.lineWidthPx);
      line.colour = e.foreColor;
      break;
    }
    case ElementKind::TextBox: break;
  }
}

void DisplayList::rebuild(const Window& window, Host& host) {
  used_ = 0;
  for (Element* e : paintOrder(window)) {
    if (e->shown()) addElement(window, *e, host);
  }
  if (Element* framed = window.framed(); framed != nullptr && framed->shown()) {
    const PixelRect entry = pixelsOf(*framed);
    const int room = kFocusFrameRoom;
    DrawItem& frame = add(DrawKind::FocusFrame, *framed, entry.grown(3, 3, 2, 2), entry.grown(room, room, room, room));
    frame.colour = kFocusFrameColour;
    frame.pen = kFocusFramePen;
  }
}

}  // namespace tw
