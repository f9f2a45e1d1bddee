#pragma once
// The host of the real windows: a view per open window, message boxes, sound, pictures,
// and in play the wall clock.
#include <QElapsedTimer>
#include <functional>
#include <QFont>
#include <QMargins>
#include <QMessageBox>
#include <QObject>
#include <QPointer>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "frontends/headless/headless_host.h"
#include "system/desktop_host.h"
#include "frontends/qt/element_painter.h"
#include "frontends/openal/sound_player.h"
#include "frontends/qt/key_gate.h"

namespace tw {

class Application;
class GameClock;
class WindowView;
struct Element;

class QtHost : public DesktopHost {
 public:
  // Play runs on the wall clock and takes the player's input; a script drives a virtual
  // clock (starting at `timeOfDaySeconds`) and answers message boxes at once.
  enum class Mode { Play, Script };
  QtHost(Mode mode, const std::optional<std::string>& programDir, int timeOfDaySeconds = 0);
  ~QtHost() override;
  QtHost(const QtHost&) = delete;
  QtHost& operator=(const QtHost&) = delete;

  // The application this host serves; it is made with the host, so it comes in afterwards.
  void attach(Application& app);
  // The autopilot plays: message boxes close by themselves, and the player's first click or
  // key ends the demo through `end`.
  void startDemo(std::function<void()> end);
  // The player has touched the game, wherever: the demo is over.
  void playerActs();

  void showMessage(const std::string& text) override;
  void playSound(const std::string& path) override;
  std::int64_t timeOfDayMs(std::int64_t now) override;
  void refresh() override;
  void raise(Window& window) override;
  bool screenshot(Window& window, const std::string& file) override;
  TextSize measureText(const Font& font, const std::string& text) override;

  // The player's input, from the views; each is one event handled to its end.
  void clicked(Element& element);
  void focused(Window& window, Element& box);
  void typed(Window& window, Element& box, std::string text, int selStart);
  void closeBoxPressed(Window& window);
  // True when the game took the key; otherwise the widget may use it.
  bool keyPressed(Window& window, const std::string& key);
  void minimized(Window& window);

  WindowView* viewOf(const Window& window) const;
  // The window manager's frame around a window, once a window has shown it.
  QMargins frameMargins() const { return frameMargins_; }
  void setFrameMargins(QMargins margins) { frameMargins_ = margins; }
  bool clockArmed() const;

 private:
  bool takesInput() const;
  // Brings the scheduler's clock up to the wall clock before the player's input runs.
  void catchUp();
  // Makes a view for each newly open window and drops those of closed ones; with
  // `followContents`, the other views take over their windows' changes too.
  void followWindows(bool followContents);
  void retire(WindowView* view);
  void followContentsSoon();
  void keepInFront(WindowView& view);

  Mode mode_;
  VirtualDay virtualDay_;  // the time of day of a scripted run
  Application* app_ = nullptr;
  std::unique_ptr<GameClock> clock_;
  SoundPlayer sound_{*this};
  PictureCache pictures_;
  std::map<const Window*, WindowView*> views_;
  std::vector<QPointer<WindowView>> retired_;  // closed, waiting for the event loop to delete them
  bool refreshing_ = false;
  QElapsedTimer sinceRepaint_;
  QMargins frameMargins_;
  QObject contentsContext_;  // calls queued to it die with the host
  bool contentsPending_ = false;
  std::function<void()> endDemo_;
  KeyGate keyGate_;
};

// Message boxes are wide enough for their caption to read in full on the frame.
int messageBoxMinimumWidth(const QFont& font);
void makeRoomForCaption(QMessageBox& box);

}  // namespace tw
