#include "presentation/window_elements.h"

namespace tw {

namespace {
constexpr Rgb kButtonText = 0xFFFFC0;
constexpr Rgb kButtonBack = 0x404040;
}  // namespace

Element plainLabel(std::string name, std::string text, Box box) {
  Element e;
  e.name = std::move(name);
  e.text = std::move(text);
  e.left = box.left;
  e.top = box.top;
  e.width = box.width;
  e.height = box.height;
  return e;
}

Element textLabel(std::string name, std::string text, Box box, float points, Rgb color, Align align) {
  Element e = plainLabel(std::move(name), std::move(text), box);
  e.font = Font{"Arial Black", points, 900};
  e.foreColor = color;
  e.align = align;
  return e;
}

Element buttonLabel(std::string name, std::string text, Box box, float points, std::string_view tooltip) {
  Element e = textLabel(std::move(name), std::move(text), box, points, kButtonText, Align::Center);
  e.backColor = kButtonBack;
  e.opaque = true;
  e.handPointer = true;
  e.tooltip = tooltip;
  return e;
}

Element indexed(Element element, int index) {
  element.index = index;
  return element;
}

Element lineElement(std::string name, float x1, float y1, float x2, float y2, Rgb color, int thicknessPx) {
  Element e;
  e.name = std::move(name);
  e.kind = ElementKind::Line;
  e.left = x1;
  e.top = y1;
  e.x2 = x2;
  e.y2 = y2;
  e.foreColor = color;
  e.lineWidthPx = thicknessPx;
  return e;
}

Element dividerLine(std::string name, float y, float width, Rgb color, int thicknessPx) {
  return lineElement(std::move(name), 0, y, width, y, color, thicknessPx);
}

}  // namespace tw
