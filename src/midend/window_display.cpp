#include "midend/window_display.h"

namespace tw {

const std::vector<PixelRect>& WindowDisplay::update(const Window& window, Host& host) {
  const std::vector<PixelRect>& changed = damage_.since(window, host);
  if (!changed.empty() || damage_.textBoxesChanged()) list_.rebuild(window, host);
  return changed;
}

}  // namespace tw
