#pragma once
// What a front end draws for one window, in drawing order and in logical pixels: every
// decision about where and how is made here, so a front end only puts the items on its
// screen. Items carry their clipping: the part of the window each may draw on.
#include <cstddef>
#include <span>
#include <string>
#include <vector>

#include "midend/pixel_geometry.h"
#include "model/element.h"
#include "model/interned.h"

namespace tw {

class Host;
class Window;

enum class DrawKind {
  Fill,        // `area` filled with `colour`
  Line,        // `from` to `to` in `colour`, `pen` pixels wide with square caps
  Picture,     // the picture `picture` stretched over `area`
  Text,        // `text` in `font` and `colour`, top-aligned in `area`, wrapped at its width
  TextBox,     // a text box over `area`: its text, colours, font and caret
  FocusFrame,  // the outline of `area`, `pen` pixels wide, in `colour`: the entry Enter presses
};

// A text box's block caret.
struct Caret {
  int selStart = 0;  // stored position: characters, CR LF line breaks
  int at = 0;      // shown position in the text: UTF-16 units, LF line breaks
  int width = 1;   // pixels
  int height = 0;  // pixels; 0 for the height of the line
  bool shown = false;  // the box holds its window's focus
};

// Besides its kind, element, area and clip, an item holds only the fields its kind names.
struct DrawItem {
  DrawKind kind = DrawKind::Fill;
  Element* element = nullptr;  // what the item draws; front ends hand the player's input on to it
  PixelRect area;
  PixelRect clip;
  Rgb colour = 0;
  PixelPoint from, to;
  int pen = 1;
  // A picture file's path, or the name of a picture that ships with the program.
  Interned picture;
  bool designPicture = false;
  // Stored form: UTF-8, CR LF line breaks.
  std::string text;
  Font font;
  Align align = Align::Left;
  // Text boxes.
  Rgb back = 0;
  Caret caret;
  bool multiLine = false;  // wraps at its width; otherwise one line a row, never wrapped
  bool scrollBar = false;  // a vertical bar, always there
  bool readOnly = true;
};

// The entry Enter presses is ringed just outside its edge in this colour.
inline constexpr Rgb kFocusFrameColour = 0xFF8000;
inline constexpr int kFocusFramePen = 2;
// How far the frame reaches outside its entry, in pixels.
inline constexpr int kFocusFrameRoom = 4;

class DisplayList {
 public:
  // The window as it stands now; the items' storage is kept from one frame to the next.
  void rebuild(const Window& window, Host& host);
  std::span<const DrawItem> items() const { return {items_.data(), used_}; }

 private:
  // A fresh item at the end, on storage an earlier frame left.
  DrawItem& add(DrawKind kind, Element& e, const PixelRect& area, const PixelRect& clip);
  void addElement(const Window& window, Element& e, Host& host);
  void addTextBox(const Window& window, Element& box);

  std::vector<DrawItem> items_;
  std::size_t used_ = 0;
};

}  // namespace tw
