#pragma once
// The view of one open window on the page: an in-page window of the window's fixed client
// size whose canvas draws the window's display list, repainting only what changed.
#include <cstdint>
#include <string>

#include "midend/window_display.h"

namespace tw {

class PageHost;
class Window;
struct Font;

// The CSS font the page sets `font` in: the game's face, then its stand-ins.
const std::string& cssFont(const Font& font);

class PageView {
 public:
  // `ownerId`: the view this one is kept in front of, or 0.
  PageView(PageHost& host, Window& window, int id, int ownerId);
  ~PageView();
  PageView(const PageView&) = delete;
  PageView& operator=(const PageView&) = delete;

  int id() const { return id_; }
  Window& window() { return window_; }
  // Takes over the window's caption and changes and repaints them; all of it with `everything`.
  void follow(bool everything);
  // The player put the insertion point of the shown text box `box` at `shownAt`, as the page
  // shows the box; nothing when no such box is shown.
  void placeCaret(std::uintptr_t box, int shownAt);

 private:
  void paint(const PixelRect& part);
  void paintItem(const DrawItem& item);

  PageHost& host_;
  Window& window_;
  int id_;
  std::string caption_;
  PixelRect client_;  // as the canvas was last sized
  WindowDisplay display_;
};

}  // namespace tw
