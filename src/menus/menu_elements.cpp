#include "menus/menu_elements.h"

namespace tw {

namespace {
constexpr Rgb kButtonText = 0xFFFFC0;
constexpr Rgb kButtonBack = 0x404040;
}  // namespace

Element textLabel(std::string name, std::string text, Box box, float points, Rgb color, Align align) {
  Element e;
  e.name = std::move(name);
  e.text = std::move(text);
  e.left = box.left;
  e.top = box.top;
  e.width = box.width;
  e.height = box.height;
  e.font = Font{"Arial Black", points, 900};
  e.foreColor = color;
  e.align = align;
  return e;
}

Element buttonLabel(std::string name, std::string text, Box box, float points) {
  Element e = textLabel(std::move(name), std::move(text), box, points, kButtonText, Align::Center);
  e.backColor = kButtonBack;
  e.opaque = true;
  e.handPointer = true;
  e.tooltip = "Up and Down move the frame; Enter or Space press it";
  return e;
}

Element indexed(Element element, int index) {
  element.index = index;
  return element;
}

Element dividerLine(std::string name, float y, float width, Rgb color, int thicknessPx) {
  Element e;
  e.name = std::move(name);
  e.kind = ElementKind::Line;
  e.left = 0;
  e.top = y;
  e.x2 = width;
  e.y2 = y;
  e.foreColor = color;
  e.lineWidthPx = thicknessPx;
  return e;
}

}  // namespace tw
