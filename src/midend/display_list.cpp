#include "midend/display_list.h"

#include <algorithm>

#include "midend/text_positions.h"
#include "model/hit_test.h"
#include "model/window.h"

namespace tw {

DrawItem& DisplayList::add(DrawKind kind, Element& e, const PixelRect& area, const PixelRect& clip) {
  if (used_ == items_.size()) items_.emplace_back();
  DrawItem& item = items_[used_++];
  // Everything afresh but the text's storage.
  std::string text = std::move(item.text);
  item = DrawItem{};
  item.text = std::move(text);
  item.text.clear();
  item.kind = kind;
  item.element = &e;
  item.area = area;
  item.clip = clip;
  return item;
}

void DisplayList::addTextBox(const Window& window, Element& box) {
  const PixelRect area = pixelsOf(box);
  DrawItem& item = add(DrawKind::TextBox, box, area, area);
  item.text = box.text;
  item.font = box.font;
  item.colour = box.foreColor;
  item.back = box.backColor;
  // A width of 0 is the thinnest caret; a height of 0 is the line's.
  item.caret = Caret{shownPosition(box.text, box.selStart), std::max(1, box.caretWidth), std::max(0, box.caretHeight),
                     window.focus() == &box};
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
        text.font = e.font;
        text.colour = e.foreColor;
        text.align = e.align;
      }
      break;
    case ElementKind::Picture: {
      const bool design = e.picturePath.empty();
      if (design && e.designPicture.empty()) break;
      DrawItem& picture = add(DrawKind::Picture, e, area, clip);
      picture.picture = design ? e.designPicture : e.picturePath;
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
