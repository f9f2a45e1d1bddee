#include "frontends/web/page_host.h"

#include <emscripten.h>

#include <iostream>
#include <utility>

#include "frontends/web/page_view.h"
#include "midend/fonts.h"
#include "model/application.h"
#include "model/window.h"
#include "system/file_reader.h"
#include "system/file_writer.h"
#include "system/user_folder.h"

// The page's side: page.js.
EM_ASYNC_JS(void, tw_message_box, (const char* text, int closesMs), {
  await TW.messageBox(UTF8ToString(text), closesMs);
});
EM_JS(void, tw_play, (const std::int16_t* samples, int count, int rate), {
  TW.play(samples ? HEAP16.subarray(samples >> 1, (samples >> 1) + count) : null, rate);
});
EM_JS(void, tw_arm_clock, (int ms), { TW.armClock(ms); });
EM_JS(void, tw_request_frame, (), { TW.requestFrame(); });
EM_JS(void, tw_raise, (int id), { TW.raise(id); });
EM_JS(int, tw_text_width, (const char* font, const char* text), {
  return TW.textWidth(UTF8ToString(font), UTF8ToString(text));
});
EM_JS(int, tw_line_height, (const char* font), { return TW.lineHeight(UTF8ToString(font)); });
EM_ASYNC_JS(int, tw_keep_storage, (), { return (await TW.keepStorage()) ? 1 : 0; });
EM_JS(void, tw_picture_file, (const char* path, const char* bytes, int size), {
  TW.pictureFile(UTF8ToString(path), HEAPU8.slice(bytes, bytes + size));
});
EM_JS(void, tw_ended, (), { TW.ended(); });
EM_JS(int, tw_take_everything, (), { return TW.takeEverything(); });

namespace tw {

namespace {

// Where the browser's storage is mounted: the player's data folder, as an installed game's.
std::string savedGamePath() { return userFolder("XDG_DATA_HOME", ".local/share") + "/Save.ini"; }

}  // namespace

PageHost::PageHost(Mode mode, const std::optional<std::string>& programDir, int timeOfDaySeconds)
    : DesktopHost(programDir, mode == Mode::Script ? std::optional(timeOfDaySeconds) : std::nullopt), mode_(mode) {}

PageHost::~PageHost() = default;

void PageHost::attach(Application& app) {
  app_ = &app;
  started_ = emscripten_get_now();
  if (mode_ == Mode::Play) {
    midend_.emplace(app, [this] { return now(); });
  } else {
    midend_.emplace(app);  // the script plays, not the player
  }
}

std::int64_t PageHost::now() const { return static_cast<std::int64_t>(emscripten_get_now() - started_); }

void PageHost::showMessage(const std::string& text) {
  if (mode_ == Mode::Script) return;  // answered with OK at once
  // The box waits over the screen as the handler has left it.
  followWindows();
  paintViews(false);
  // The box takes its own keys: none of them reaches the game while the handler waits.
  tw_message_box(text.c_str(), midend_->messageCloses().value_or(-1));
}

void PageHost::playSound(std::shared_ptr<const Pcm> cue) {
  if (cue == nullptr) return tw_play(nullptr, 0, 0);
  tw_play(cue->samples.data(), static_cast<int>(cue->samples.size()), cue->rate);
}

void PageHost::refresh() {
  if (!midend_ || midend_->inputHeld()) return;
  midend_->holdInput(true);
  followWindows();
  midend_->holdInput(false);
  if (mode_ == Mode::Script) return showScriptProgress();
  tw_request_frame();
  armClock();
  if (midend_->ended()) tw_ended();
}

void PageHost::showScriptProgress() {
  // A script settles after every tick: once a frame, its windows and transcript show how far
  // it has come, and the page breathes.
  if (!midend_->scriptRepaintDue(now())) return;
  paintViews(false);
  std::cout.flush();
  emscripten_sleep(0);
}

void PageHost::followWindows() {
  const WindowChanges changes = midend_->followWindows();
  for (const Window* closed : changes.closed) {
    const auto it = views_.find(closed);
    if (it == views_.end()) continue;
    midend_->placeGone(it->second.get());
    views_.erase(it);
  }
  for (const auto& [window, inFrontOf] : changes.opened) {
    const PageView* owner = inFrontOf != nullptr ? views_.at(inFrontOf).get() : nullptr;
    views_[window] = std::make_unique<PageView>(*this, *window, ++lastViewId_, owner ? owner->id() : 0);
  }
}

void PageHost::paintViews(bool everything) {
  // The page asks for all of it when a picture has come in or the canvases were made anew.
  everything = tw_take_everything() || everything;
  for (auto& [window, view] : views_) view->follow(everything);
}

void PageHost::advanceToNow() {
  midend_->advance(now());
  armClock();
}

void PageHost::armClock() { tw_arm_clock(midend_->untilDue(now()).value_or(-1)); }

void PageHost::raise(Window& window) {
  if (const auto it = views_.find(&window); it != views_.end()) tw_raise(it->second->id());
}

TextSize PageHost::measureText(const Font& font, const std::string& text) {
  const std::string& face = cssFont(font);
  return {tw_text_width(face.c_str(), text.c_str()), tw_line_height(face.c_str())};
}

FileContent PageHost::readSavedGame() { return readFileCapped(savedGamePath(), kSmallFileBytes); }

// Kept only once the browser's storage holds it: a page closed right after still has it.
std::string PageHost::keepInStorage(const std::string& failure) {
  if (!failure.empty()) return failure;
  return tw_keep_storage() ? "" : "the browser's storage refused it";
}

std::string PageHost::keepSavedGame(const std::string& content) {
  return keepInStorage(failureReason(writeFileWhole(savedGamePath(), content), "Save.ini"));
}

std::string PageHost::keepPreferences(const std::string& content) {
  return keepInStorage(DesktopHost::keepPreferences(content));
}

PageView* PageHost::view(int id) const {
  for (const auto& [window, view] : views_) {
    if (view->id() == id) return view.get();
  }
  return nullptr;
}

void PageHost::offerPicture(const std::string& path) {
  if (!offeredPictures_.insert(path).second) return;
  const FileContent file = readProgramFile(path, kPictureFileBytes);
  tw_picture_file(path.c_str(), file.bytes.data(), static_cast<int>(file.bytes.size()));
}

}  // namespace tw
