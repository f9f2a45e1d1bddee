#pragma once
// The pieces the game's windows are made of: labels, the game's buttons and lines.
#include <string>
#include <string_view>

#include "model/element.h"

namespace tw {

// The title and version, as the menu and the help window show it.
inline constexpr std::string_view kTitleAndVersion = "Tarmac Warden " TW_VERSION;

// What the menus' buttons tell of the keys that work them.
inline constexpr std::string_view kMenuButtonTip = "Up and Down move the frame; Enter or Space press it";

struct Box {
  float left, top, width, height;
};

// A label in the element's default look, at its place.
Element plainLabel(std::string name, std::string text, Box box);
// A label in Arial Black.
Element textLabel(std::string name, std::string text, Box box, float points, Rgb color, Align align = Align::Left);
// A label used as a button: light yellow on dark grey, centred, with the hand pointer.
Element buttonLabel(std::string name, std::string text, Box box, float points,
                    std::string_view tooltip = kMenuButtonTip);
// An element of an array.
Element indexed(Element element, int index);
// A line from (x1, y1) to (x2, y2).
Element lineElement(std::string name, float x1, float y1, float x2, float y2, Rgb color, int thicknessPx = 1);
// A horizontal line across the window.
Element dividerLine(std::string name, float y, float width, Rgb color, int thicknessPx = 1);

}  // namespace tw
