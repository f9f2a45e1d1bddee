#pragma once
// One window as a front end shows it: its display list, rebuilt only when something in the
// window changed, and the parts of the window to repaint.
#include <vector>

#include "midend/damage.h"
#include "midend/display_list.h"

namespace tw {

class Host;
class Window;

class WindowDisplay {
 public:
  // Takes over the window's changes since the last call: the parts of the window that
  // look different now, valid until the next call. The display list follows.
  const std::vector<PixelRect>& update(const Window& window, Host& host);
  const DisplayList& list() const { return list_; }
  // Whether a text box changed in the last update: a front end that draws its text boxes
  // itself repaints them, as they add no part to the window's changes.
  bool textBoxesChanged() const { return damage_.textBoxesChanged(); }

 private:
  Damage damage_;
  DisplayList list_;
};

}  // namespace tw
