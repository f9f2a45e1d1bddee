#pragma once
// The host of the browser page: a view per open window drawn on the page, message boxes that
// suspend the handler, WebAudio cues, and Save.ini and the preferences in the browser's storage.
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "midend/midend.h"
#include "system/desktop_host.h"

namespace tw {

class Application;
class PageView;

class PageHost : public DesktopHost {
 public:
  // Play runs on the wall clock and takes the player's input; a script drives a virtual
  // clock (starting at `timeOfDaySeconds`) and answers message boxes at once.
  enum class Mode { Play, Script };
  PageHost(Mode mode, const std::optional<std::string>& programDir, int timeOfDaySeconds = 0);
  ~PageHost() override;

  // The application this host serves; it is made with the host, so it comes in afterwards.
  void attach(Application& app);
  Midend& midend() { return *midend_; }
  Application& app() { return *app_; }

  void showMessage(const std::string& text) override;
  void playSound(std::shared_ptr<const Pcm> cue) override;
  void refresh() override;
  void raise(Window& window) override;
  TextSize measureText(const Font& font, const std::string& text) override;
  FileContent readSavedGame() override;
  std::string keepSavedGame(const std::string& content) override;
  std::string keepPreferences(const std::string& content) override;

  // The view of the page's window `id`; none once its window has closed.
  PageView* view(int id) const;
  // Every view takes over its window's changes and repaints them; all of it with `everything`.
  void paintViews(bool everything);
  // Runs what is due on the wall clock and sets the page's timer to the next due moment.
  void advanceToNow();
  std::int64_t now() const;
  // Hands a picture file to the page, once per path.
  void offerPicture(const std::string& path);

 private:
  // `failure` when writing failed; otherwise why the browser's storage did not take it, if it did not.
  static std::string keepInStorage(const std::string& failure);
  void followWindows();
  void showScriptProgress();
  void armClock();

  Mode mode_;
  Application* app_ = nullptr;
  std::optional<Midend> midend_;
  double started_ = 0;  // the page's clock when the game started
  std::map<const Window*, std::unique_ptr<PageView>> views_;
  std::set<std::string> offeredPictures_;
  int lastViewId_ = 0;
};

}  // namespace tw
