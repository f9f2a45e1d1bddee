#pragma once
// The game's faces as every front end asks for them: the designed face first, then its
// free stand-ins, and the size in logical pixels.
#include <string>
#include <vector>

#include "model/element.h"
#include "model/host.h"

namespace tw {

// The families to ask for, best first.
std::vector<std::string> fontFamilies(const Font& font);
// Points at 96 dots per inch, the scale the twips assume; at least one pixel.
int fontPixelSize(const Font& font);
// A line of `text` in an even face of the font's size, for hosts with no faces to measure:
// each character two thirds of the size wide, the line a fifth taller than the size.
TextSize evenFaceSize(const Font& font, const std::string& text);

}  // namespace tw
