#pragma once
// What the game asks of the machine it runs on: message boxes, sound, time, and its own
// files. The game never reaches the machine any other way.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "model/file_content.h"
#include "model/wav.h"

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

  // Modal: the handler that shows the box goes on only once the player has closed it, and
  // no timer ticks meanwhile. A desktop host runs the box's own event loop; a browser host
  // suspends the handler until OK; in scripts the box is answered with OK at once.
  virtual void showMessage(const std::string& text) = 0;
  // In the background; a new cue replaces the one playing; none only stops it.
  virtual void playSound(std::shared_ptr<const Pcm> cue) = 0;
  // Milliseconds since midnight, given the scheduler's clock.
  virtual std::int64_t timeOfDayMs(std::int64_t now) = 0;
  // One line of `text` in the game's face for `font`: auto-sized labels grow to its width.
  virtual TextSize measureText(const Font& font, const std::string& text) = 0;

  // The folder holding Plane/: the pictures and cues.
  virtual const std::string& programFolder() const = 0;
  // A file under the program folder, whole when it holds at most `cap` bytes.
  virtual FileContent readProgramFile(const std::string& path, std::size_t cap) = 0;
  // Which version of a program file is there now; nothing when there is none.
  virtual std::optional<FileVersion> programFileVersion(const std::string& path) = 0;

  // Save.ini, from wherever this host keeps it.
  virtual FileContent readSavedGame() = 0;
  // Whole or not at all. Empty when kept; otherwise why not, for the end of a sentence
  // ("the disk is full").
  virtual std::string keepSavedGame(const std::string& content) = 0;

  // The player's preferences, kept between runs.
  virtual FileContent readPreferences() = 0;
  // As keepSavedGame.
  virtual std::string keepPreferences(const std::string& content) = 0;
  // Where the preferences are kept, as the player would look for them; empty when nowhere.
  virtual std::string preferencesPlace() = 0;

  // The model changed: windows opened, closed or redrawn.
  virtual void refresh() {}
  virtual void raise(Window&) {}
  // A PNG of the window's client area; false when this host cannot.
  virtual bool screenshot(Window&, const std::string& /*file*/) { return false; }
};

}  // namespace tw
