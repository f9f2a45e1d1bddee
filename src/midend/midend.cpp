#include "midend/midend.h"

#include <algorithm>
#include <limits>

#include "midend/text_positions.h"
#include "model/application.h"
#include "model/hit_test.h"
#include "model/window.h"

namespace tw {

namespace {
// Nobody is there in the demo to close a message box.
constexpr int kDemoMessageMs = 2000;
// One display frame of the wall clock.
constexpr std::int64_t kScriptRepaintMs = 16;
}  // namespace

bool programEnded(const Application& app) { return app.openWindows().empty(); }

Midend::Midend(Application& app, Clock clock) : app_(app), clock_(std::move(clock)) {}

void Midend::startDemo(std::function<void()> end) { endDemo_ = std::move(end); }

std::optional<int> Midend::messageCloses() const {
  return endDemo_ ? std::optional<int>(kDemoMessageMs) : std::nullopt;
}

void Midend::endDemo() {
  if (!endDemo_) return;
  auto end = std::move(endDemo_);
  endDemo_ = nullptr;
  end();
}

template <class Action>
bool Midend::handle(bool endsDemo, Action&& action) {
  if (!clock_ || inputHeld_ || app_.scheduler().held()) return false;
  if (endsDemo) endDemo();
  Scheduler& scheduler = app_.scheduler();
  scheduler.setNow(std::max(scheduler.now(), clock_()));
  action();
  app_.settle();
  return true;
}

void Midend::press(Window& window, float x, float y, Button button) {
  pressOn(window, elementAt(window, x, y), button);
}

void Midend::release(Window& window, float x, float y, Button button) {
  releaseOn(window, elementAt(window, x, y), button);
}

void Midend::pressOn(Window& window, Element* element, Button button) {
  endDemo();
  if (button != Button::Left) return;
  pressed_ = element;
  pressedIn_ = window.openSequence();
}

void Midend::releaseOn(Window& window, Element* element, Button button) {
  if (button != Button::Left) return;
  const bool same = element != nullptr && element == pressed_ && pressedIn_ == window.openSequence();
  pressed_ = nullptr;
  if (same) handle(true, [&] { app_.click(*element); });
}

Hover Midend::hover(const Window& window, float x, float y) const {
  const Element* e = window.enabled ? elementAt(window, x, y) : nullptr;
  if (e == nullptr) return {};
  return {e->handPointer ? PointerShape::Hand : PointerShape::Arrow, e->tooltip.str()};
}

bool Midend::key(Window& window, Key key) {
  if (key.code == KeyCode::None) return false;  // a modifier on its own is no key yet
  bool taken = false;
  handle(true, [&] { taken = app_.key(window, key); });
  return taken;
}

bool Midend::keyActsIn(const void* place, Key key, bool down, bool repeat) {
  if (key.code == KeyCode::None) return true;
  const auto held = std::find_if(keysDown_.begin(), keysDown_.end(), [&](const auto& k) { return k.first == key.code; });
  if (down && !repeat) {
    if (held == keysDown_.end()) {
      keysDown_.emplace_back(key.code, place);
    } else {
      held->second = place;
    }
    return true;
  }
  if (held == keysDown_.end()) return true;  // went down before the game was watching
  const bool here = held->second == place;
  if (!down && !repeat) keysDown_.erase(held);
  return here;
}

void Midend::placeGone(const void* place) {
  for (auto& [code, where] : keysDown_) {
    if (where == place) where = nullptr;
  }
}

void Midend::edit(Window& window, Element& box, std::string text, int selStart) {
  handle(true, [&] {
    if (app_.typingWindow(box) != &window) return;
    window.setText(box, std::move(text));
    window.setSelStart(box, selStart);
  });
}

std::string Midend::editShown(Window& window, Element& box, std::string_view shown, int shownAt) {
  std::string text;
  for (const char c : shown) {
    if (c == '\n') text += '\r';
    text += c;
  }
  edit(window, box, text, storedPosition(text, shownAt));
  return text;
}

void Midend::placeCaret(Window& window, Element& box, int shownAt) {
  window.setSelStart(box, storedPosition(box.text, shownAt));
}

void Midend::focus(Window& window, Element& box) {
  if (window.focus() == &box) return;
  handle(false, [&] { window.setFocus(box); });
}

void Midend::closeBox(Window& window) {
  handle(true, [&] { app_.closeBox(window); });
}

void Midend::minimize(Window& window) {
  handle(false, [&] { app_.minimize(window); });
}

void Midend::advance(std::int64_t now) { app_.runDue(now); }

std::optional<std::int64_t> Midend::nextDue() const { return app_.scheduler().nextDue(); }

std::optional<int> Midend::untilDue(std::int64_t now) const {
  const auto due = nextDue();
  if (!due) return std::nullopt;
  return static_cast<int>(std::clamp<std::int64_t>(*due - now, 0, std::numeric_limits<int>::max()));
}

WindowChanges Midend::followWindows() {
  WindowChanges changes;
  std::erase_if(shown_, [&changes](const auto& shown) {
    const bool gone = !shown.first->isOpen() || shown.first->openSequence() != shown.second;
    if (gone) changes.closed.push_back(shown.first);
    return gone;
  });
  const auto isShown = [this](const Window* w) {
    return std::any_of(shown_.begin(), shown_.end(), [w](const auto& shown) { return shown.first == w; });
  };
  for (Window* window : app_.openWindows()) {
    if (isShown(window)) continue;
    const Window* owner = app_.findWindow(window->keptInFrontOf);
    changes.opened.push_back({window, isShown(owner) ? owner : nullptr});
    shown_.emplace_back(window, window->openSequence());
  }
  return changes;
}

bool Midend::scriptRepaintDue(std::int64_t wallMs) {
  if (scriptRepainted_ && wallMs - *scriptRepainted_ < kScriptRepaintMs) return false;
  scriptRepainted_ = wallMs;
  return true;
}

bool Midend::learnFrame(const FrameMargins& frame) {
  if (frame == frame_) return false;
  frame_ = frame;
  return true;
}

PixelPoint Midend::centredFrame(const PixelRect& screen, int width, int height) const {
  const int outerWidth = frame_.left + width + frame_.right;
  const int outerHeight = frame_.top + height + frame_.bottom;
  // Between two middle pixels, the one to the left and above, as the toolkits' rectangles take.
  return {(2 * screen.left + screen.width - 1) / 2 - (outerWidth - 1) / 2,
          (2 * screen.top + screen.height - 1) / 2 - (outerHeight - 1) / 2};
}

}  // namespace tw
