#pragma once
// A front end with no display: it presses, moves, releases and types at points of a window in
// twips, as a player's mouse and keyboard would, and reads what the midend answers.
#include <cstdint>
#include <string>
#include <string_view>

#include "game/game_windows.h"
#include "midend/midend.h"
#include "model/field.h"
#include "../test_support.h"

namespace tw::test {

struct Point {
  float x;
  float y;
};

class TestFrontEnd {
 public:
  // The game on the test host with Form1 open at 0, played on a wall clock that the test moves.
  // Without `playing`, a script drives the game and the player's input is not taken.
  explicit TestFrontEnd(bool playing = true)
      : host_(0, GameTest::programDir()),
        app_(host_, AppOptions{1}),
        midend_(app_, playing ? Midend::Clock([this] { return clock; }) : Midend::Clock()) {
    app_.setEventSink([this](const std::string& line) { events.push_back(line); });
    addGameWindows(app_);
    startGame(app_);
  }

  Application& app() { return app_; }
  Midend& midend() { return midend_; }
  TestHost& host() { return host_; }
  Window& window(std::string_view name) { return *app_.findWindow(name); }
  Form1& form1() { return app_.form<Form1>(); }

  // The wall clock and the game move on together.
  void wait(std::int64_t ms) {
    clock += ms;
    app_.advanceTo(clock);
  }

  static Point centreOf(const Element& e) { return {e.screenLeft() + e.width / 2, e.screenTop() + e.height / 2}; }
  void press(Window& w, Point at, Button button = Button::Left) { midend_.press(w, at.x, at.y, button); }
  void release(Window& w, Point at, Button button = Button::Left) { midend_.release(w, at.x, at.y, button); }
  void click(Window& w, const Element& e, Button button = Button::Left) {
    press(w, centreOf(e), button);
    release(w, centreOf(e), button);
  }
  Hover moveTo(const Window& w, Point at) const { return midend_.hover(w, at.x, at.y); }
  bool key(Window& w, std::string_view name) { return midend_.key(w, *parseKey(name)); }
  // Typed at the end, as a toolkit's text box hands the edit over: the whole text.
  void type(Window& w, Element& box, const std::string& text) {
    midend_.edit(w, box, box.text + text, characterCount(box.text + text));
  }

  std::int64_t clock = 0;
  Lines events;

 private:
  TestHost host_;
  Application app_;
  Midend midend_;
};

}  // namespace tw::test
