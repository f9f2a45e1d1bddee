#pragma once
// What the game asks of the machine it runs on: message boxes, sound, time.
#include <cstdint>
#include <string>

namespace tw {

class Window;
struct Font;

// A line of text as a face sets it, in logical pixels.
struct TextSize {
  int width = 0;
  int height = 0;
};

class Host {
 public:
  virtual ~Host() = default;

  // Modal: returns when the player has closed the box.
  virtual void showMessage(const std::string& text) = 0;
  // In the background; a new sound replaces the one playing; a missing file is silent.
  virtual void playSound(const std::string& path) = 0;
  // Milliseconds since midnight, given the scheduler's clock.
  virtual std::int64_t timeOfDayMs(std::int64_t now) = 0;
  // One line of `text` in the game's face for `font`: auto-sized labels grow to its width.
  virtual TextSize measureText(const Font& font, const std::string& text) = 0;

  // The model changed: windows opened, closed or redrawn.
  virtual void refresh() {}
  virtual void raise(Window&) {}
  // A PNG of the window's client area; false when this host cannot.
  virtual bool screenshot(Window&, const std::string& /*file*/) { return false; }
};

}  // namespace tw
