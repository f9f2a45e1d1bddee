#pragma once
// The pieces the small windows are made of: labels, the game's buttons and divider lines.
#include <string>
#include <string_view>

#include "platform/element.h"

namespace tw {

// The title and version, as the menu and the help window show it.
inline constexpr std::string_view kTitleAndVersion = "Tarmac Warden " TW_VERSION;

struct Box {
  float left, top, width, height;
};

// A label in Arial Black.
Element textLabel(std::string name, std::string text, Box box, float points, Rgb color, Align align = Align::Left);
// A label used as a button: light yellow on dark grey, centred, with the hand pointer.
Element buttonLabel(std::string name, std::string text, Box box, float points);
// An element of an array.
Element indexed(Element element, int index);
// A horizontal line across the window.
Element dividerLine(std::string name, float y, float width, Rgb color, int thicknessPx = 1);

}  // namespace tw
