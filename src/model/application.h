#pragma once
// The one application object: its windows, clock, random source and host.
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <typeindex>
#include <unordered_map>
#include <vector>

#include "model/cue_files.h"
#include "model/host.h"
#include "model/picture_files.h"
#include "model/random.h"
#include "model/scheduler.h"
#include "model/window.h"

namespace tw {

struct AppOptions {
  int timerResolution = 16;
  bool muted = false;
};

class Application {
 public:
  Application(Host& host, AppOptions options);
  ~Application();
  Application(const Application&) = delete;
  Application& operator=(const Application&) = delete;

  Host& host() { return host_; }
  Scheduler& scheduler() { return scheduler_; }
  UniformRandom& random() { return random_; }
  // A file of the "Plane" folder beside the program.
  std::string planeFile(std::string_view fileName) const;

  // Windows live for the whole run; opening and closing builds and discards their elements.
  template <class W, class... Args>
  W& addWindow(Args&&... args) {
    auto owned = std::make_unique<W>(*this, std::forward<Args>(args)...);
    W& w = *owned;
    byType_[std::type_index(typeid(W))] = &w;
    windows_.push_back(std::move(owned));
    return w;
  }
  // By name, as scripts name windows.
  Window* findWindow(std::string_view name) const;
  // Windows find each other by their class.
  template <class W>
  W& form() const {
    return static_cast<W&>(*byType_.at(std::type_index(typeid(W))));
  }

  // Opening an open window only brings it to the front; closing a closed one does nothing.
  void open(Window& window);
  void close(Window& window);
  std::vector<Window*> openWindows() const;

  // Reports each event line ("sound: 4", "message: ...", "open: Form2", "close: Form1").
  void setEventSink(std::function<void(const std::string&)> sink) { sink_ = std::move(sink); }

  void playSound(std::string_view cue, const std::string& path);
  // Modal: no timer ticks until the player has closed it.
  void showMessage(const std::string& text);
  // Loads a picture file into a picture element; a file the game does not show changes nothing.
  bool loadPicture(Element& picture, const std::string& path);
  void reseedFromTimeOfDay();

  // Input from the player, each one handled to its end.
  void click(Element& element);
  // A click at a point of the window's client area, in twips: it reaches what lies there.
  void clickAt(Window& window, float x, float y);
  void closeBox(Window& window);
  void type(Element& box, const std::string& keys);
  // The window whose text box takes the player's typing, or null: the box must be shown,
  // enabled and writable, in an open, enabled window.
  Window* typingWindow(const Element& box) const;
  // A key pressed in a window; true when the game took it. Ctrl+Q and M mean the same in
  // every window.
  bool key(Window& window, Key key);
  void minimize(Window& window);

  // Ends the program at once: every window closes, and a game running is lost.
  void quit();
  bool quitting() const { return quitting_; }

  // Muted, the cues are still requested and reported, but not heard.
  bool muted() const { return muted_; }
  void setMuted(bool muted);
  // Told of every change the player makes, so the choice can be kept for the next run.
  void setMuteListener(std::function<void(bool)> listener) { muteListener_ = std::move(listener); }

  // Time: the virtual clock ticks each timer at its due moment; the wall clock ticks what is due.
  void advanceTo(std::int64_t time);
  void runDue(std::int64_t now);
  // Called at every quiet moment of the clock, when each handler due so far has run: where
  // the autopilot makes its clicks.
  void setQuietHook(std::function<void()> hook) { quietHook_ = std::move(hook); }

  // Ends one top-level event: discarded elements go, the host redraws.
  void settle();

 private:
  bool acceptsInput(const Element& element) const;
  Window* ownerOf(const Element& element) const;
  void emit(const std::string& line);
  // After a tick: when nothing else is due now, the moment is quiet.
  void afterTick();

  Host& host_;
  Scheduler scheduler_;
  UniformRandom random_;
  PictureFiles pictures_;
  CueFiles cues_;
  std::vector<std::unique_ptr<Window>> windows_;
  std::unordered_map<std::type_index, Window*> byType_;
  std::uint64_t openCounter_ = 0;
  std::vector<std::unique_ptr<Element>> discarded_;
  std::function<void(const std::string&)> sink_;
  bool quitting_ = false;
  bool muted_;
  std::function<void(bool)> muteListener_;
  std::function<void()> quietHook_;
};

}  // namespace tw
