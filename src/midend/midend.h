#pragma once
// What every front end shares. The player's pointer (in the window's twips), keys (the game's
// own), text, close box, minimise and focus go in, each one event handled to its end behind
// one gate; the pointer's shape, the tooltip, the next due moment and the program's end come out.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "midend/pixel_geometry.h"
#include "model/key.h"

namespace tw {

class Application;
class Window;
struct Element;

enum class Button { Left, Other };
enum class PointerShape { Arrow, Hand };

// What the pointer offers where it stands.
struct Hover {
  PointerShape shape = PointerShape::Arrow;
  std::string_view tooltip;  // empty for none
};

// The last window has closed: the program ends.
bool programEnded(const Application& app);

// The frame a window manager draws around a window's client area, in pixels.
struct FrameMargins {
  int left = 0, top = 0, right = 0, bottom = 0;
  bool operator==(const FrameMargins&) const = default;
};

// The windows that opened and closed since the front end last asked: one view per opening.
struct WindowChanges {
  struct Opened {
    Window* window;
    const Window* inFrontOf;  // the window a dialog is kept in front of; none for the others
  };
  // Views to drop: windows closed, or reopened since (those are among `opened` again).
  std::vector<const Window*> closed;
  std::vector<Opened> opened;  // in opening order
};

class Midend {
 public:
  // Milliseconds since the game started, on the wall clock.
  using Clock = std::function<std::int64_t()>;
  // With a clock the player plays, and each input first brings the game up to the clock.
  // Without one a script drives the game: the player's input is not taken.
  explicit Midend(Application& app, Clock clock = {});

  // The autopilot plays: the player's first press or key ends the demo through `end`, and
  // message boxes close by themselves.
  void startDemo(std::function<void()> end);
  // How long a message box stays before it closes by itself; nothing while the player plays.
  std::optional<int> messageCloses() const;

  // The pointer in a window's client area, in twips. A click is a left press and release on
  // the same element; any press ends the demo.
  void press(Window& window, float x, float y, Button button);
  void release(Window& window, float x, float y, Button button);
  // The same on an element the front end shows by itself (a toolkit text box).
  void pressOn(Window& window, Element* element, Button button);
  void releaseOn(Window& window, Element* element, Button button);
  // Only an enabled window offers its clicks.
  Hover hover(const Window& window, float x, float y) const;

  // True when the game took the key; otherwise the front end may use it.
  bool key(Window& window, Key key);
  // A key going down or up in `place` (a window, a message box): false when it must not act
  // there. A key acts only where it went down, so a box or window that opens while it is held
  // waits for a press of its own.
  bool keyActsIn(const void* place, Key key, bool down, bool repeat);
  // A place has gone: the keys held in it act nowhere until they are released.
  void placeGone(const void* place);

  // The player edited a text box: its whole new text and insertion point.
  void edit(Window& window, Element& box, std::string text, int selStart);
  // The same as a toolkit shows the box (LF line breaks, the insertion point in UTF-16 units):
  // returns the text as the box stores it, whether or not the edit was taken.
  std::string editShown(Window& window, Element& box, std::string_view shown, int shownAt);
  // The player placed the insertion point (shown position) with the pointer.
  void placeCaret(Window& window, Element& box, int shownAt);
  void focus(Window& window, Element& box);
  void closeBox(Window& window);
  void minimize(Window& window);
  // While the front end follows the game's changes, the events its views make are not the player's.
  void holdInput(bool held) { inputHeld_ = held; }
  bool inputHeld() const { return inputHeld_; }

  // Runs what is due by `now`.
  void advance(std::int64_t now);
  // When the front end should call `advance` next; nothing while no timer runs or a message
  // box holds the clock.
  std::optional<std::int64_t> nextDue() const;
  // Milliseconds from `now` to the next due moment, for a toolkit's timer; nothing when none is due.
  std::optional<int> untilDue(std::int64_t now) const;
  bool ended() const { return programEnded(app_); }
  // Drop the views of `closed` first, then make those of `opened`.
  WindowChanges followWindows();
  // The window manager's frame, as a window on the screen tells it: true when it is news, so
  // that the window stands centred again by its frame.
  bool learnFrame(const FrameMargins& frame);
  // Where the frame of a window of `width` x `height` pixels goes to stand centred in `screen`
  // (the screen's free area), by the frame learnt so far; before any, there is none.
  PixelPoint centredFrame(const PixelRect& screen, int width, int height) const;
  // A script settles after every tick, far more often than a screen shows: true when its
  // windows should repaint at `wallMs` (any steady clock's milliseconds), once a frame at most.
  bool scriptRepaintDue(std::int64_t wallMs);

 private:
  // The gate every input passes, then the end of the demo and the clock's catch-up; the
  // action, then the settle. False when the input was not taken.
  template <class Action>
  bool handle(bool endsDemo, Action&& action);
  void endDemo();

  Application& app_;
  Clock clock_;
  std::function<void()> endDemo_;
  bool inputHeld_ = false;
  Element* pressed_ = nullptr;  // under the pointer when the left button went down
  std::uint64_t pressedIn_ = 0;  // the opening of its window
  std::vector<std::pair<KeyCode, const void*>> keysDown_;  // each held key and where it went down
  std::vector<std::pair<const Window*, std::uint64_t>> shown_;
  std::optional<std::int64_t> scriptRepainted_;
  FrameMargins frame_;  // when the script's windows last repainted  // each window the front end shows, and its opening
};

}  // namespace tw
