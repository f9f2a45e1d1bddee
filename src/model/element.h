#pragma once
// One screen element of a window: a label, picture, filled shape, line, text box or container.
#include <cstdint>
#include <string>

#include "model/interned.h"

namespace tw {

enum class ElementKind { Label, Picture, Shape, Line, TextBox, Container };
enum class Align { Left, Center, Right };

// 0xRRGGBB
using Rgb = std::uint32_t;

struct Font {
  Interned family = "Arial Black";
  float points = 12.0f;
  int weight = 900;
  bool operator==(const Font&) const = default;
};

// How far an element's place or size may reach, in twips, either way: far beyond any window,
// and well within the int pixels every front end draws with.
inline constexpr double kMostTwips = 1e7;

struct Element {
  Interned name;
  int index = -1;  // -1 for an element that is not part of an array
  ElementKind kind = ElementKind::Label;

  // Twips, relative to the parent container (or the window's client area).
  float left = 0, top = 0, width = 0, height = 0;
  // Lines run from (left, top) to (x2, y2).
  float x2 = 0, y2 = 0;
  int lineWidthPx = 1;

  bool visible = true;
  bool enabled = true;
  std::string text;  // caption of a label, text of a text box

  Rgb foreColor = 0x000000;
  Rgb backColor = 0x000000;
  bool opaque = false;  // labels: draw the background
  Font font;
  Align align = Align::Left;
  // Labels: as wide as their text needs, growing to the right from Left.
  bool autoSize = false;

  // Buttons, planes and heading pictures show the game's hand pointer and answer clicks.
  bool handPointer = false;
  // Drawn where it stands, but clicks and the pointer pass through it to what lies beneath.
  bool decoration = false;
  // Shown when the pointer rests on it: what it does and its keys.
  Interned tooltip;

  // Pictures: the design picture is drawn until a file is loaded.
  Interned designPicture;  // key of a picture that ships with the program
  Interned picture;           // file name loaded, such as "s.jpg"; empty for the design picture
  Interned picturePath;    // full path of that file

  Element* parent = nullptr;      // a container, or null for the window itself
  std::uint64_t stackOrder = 0;   // higher is drawn later, in front

  // Text boxes.
  bool readOnly = true;
  bool multiLine = false;
  bool scrollBar = false;
  int selStart = 0;  // in characters; set through Window::setSelStart
  int caretWidth = 0;
  int caretHeight = 0;

  // Visible itself and through every container above it.
  bool shown() const {
    for (const Element* e = this; e != nullptr; e = e->parent) {
      if (!e->visible) return false;
    }
    return true;
  }
  // Left and top in the window's client area.
  float screenLeft() const { return parent ? parent->screenLeft() + left : left; }
  float screenTop() const { return parent ? parent->screenTop() + top : top; }
};

}  // namespace tw
