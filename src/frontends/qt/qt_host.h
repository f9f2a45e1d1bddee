#pragma once
// The host of the real windows: a view per open window, message boxes, sound, pictures,
// and in play the wall clock.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "system/desktop_host.h"
#include "frontends/qt/element_painter.h"
#include "frontends/openal/cue_output.h"
#include "frontends/qt/keyboard.h"
#include "midend/midend.h"

namespace tw {

class Application;
class WindowView;

class QtHost : public DesktopHost {
 public:
  // Play runs on the wall clock and takes the player's input; a script drives a virtual
  // clock (starting at `timeOfDaySeconds`) and answers message boxes at once.
  enum class Mode { Play, Script };
  QtHost(Mode mode, const std::optional<std::string>& programDir, int timeOfDaySeconds = 0);
  ~QtHost() override;

  // The application this host serves; it is made with the host, so it comes in afterwards.
  void attach(Application& app);
  // Where the views hand the player's input.
  Midend& midend() { return *midend_; }

  void showMessage(const std::string& text) override;
  void playSound(std::shared_ptr<const Pcm> cue) override;
  void refresh() override;
  void raise(Window& window) override;
  bool screenshot(Window& window, const std::string& file) override;
  TextSize measureText(const Font& font, const std::string& text) override;

  WindowView* viewOf(const Window& window) const;
  bool clockArmed() const { return clock_.isActive(); }

 private:
  // Makes a view for each opening of a window and drops those of closed ones; with
  // `followContents`, every view takes over its window's changes too.
  void followWindows(bool followContents);
  void retire(WindowView* view);
  void followContentsSoon();
  void keepInFront(WindowView& view, WindowView& owner);
  void armClock();

  Mode mode_;
  std::optional<Midend> midend_;
  QElapsedTimer started_;  // the wall clock, since the game started
  QTimer clock_;  // in play, one single-shot timer set to the next due moment
  CueOutput sound_;
  PictureCache pictures_{*this};
  std::map<const Window*, WindowView*> views_;
  std::vector<QPointer<WindowView>> retired_;  // closed, waiting for the event loop to delete them
  QObject contentsContext_;  // calls queued to it die with the host
  bool contentsPending_ = false;
  std::optional<KeyGate> keyGate_;
};

}  // namespace tw
