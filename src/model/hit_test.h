#pragma once
// Where the player's pointer lands: the drawing order of a window's elements and the one
// element a click at a point reaches.
#include <vector>

#include "model/element.h"

namespace tw {

class Window;

// Elements in drawing order: the window's own by stacking order, each container
// followed by its children.
const std::vector<Element*>& paintOrder(const Window& window);

// The topmost shown, enabled element at (x, y) of the client area, in twips, that takes
// clicks; decorations are passed through. Null when there is none.
Element* elementAt(const Window& window, float x, float y);

}  // namespace tw
