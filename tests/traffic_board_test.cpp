// Planes on the board, driven in-process: edges, fuel order, collisions, the plane number cap.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/form1.h"
#include "game/game_windows.h"
#include "platform/application.h"
#include "platform/headless_host.h"
#include "test_support.h"

namespace tw {
namespace {

// Lets the test look at the board while a message box is open.
class WatchingHost : public HeadlessHost {
 public:
  void showMessage(const std::string&) override {
    if (whileOpen) whileOpen();
  }
  std::function<void()> whileOpen;
};

// A level past its mission setup, plane 0 parked on I9 with no heading.
struct Traffic {
  Traffic() : app(host, AppOptions{1, TW_ASSETS_DIR}) {
    app.setEventSink([this](const std::string& line) { events.push_back(line); });
    addGameWindows(app);
    startGame(app);
    advance(11);
    place(0, 9, 9, "x");
  }
  Form1& form() { return app.form<Form1>(); }
  PlaneRecord& plane(int n) { return form().planes[static_cast<std::size_t>(n)]; }
  void advance(std::int64_t ms) { app.advanceTo(app.scheduler().now() + ms); }
  void place(int n, int column, int row, const std::string& heading) {
    plane(n).Aereo->left = board::columnLeft(column);
    plane(n).Aereo->top = board::rowTop(row);
    plane(n).AereoDir = heading;
    form().elementChanged(*plane(n).Aereo);
  }
  // A spawn tick now; the new plane is placed before anything else ticks.
  int spawn(int column, int row, const std::string& heading) {
    form().Nuovo.setInterval(1);
    advance(1);
    place(static_cast<int>(form().planes.size()) - 1, column, row, heading);
    return static_cast<int>(form().planes.size()) - 1;
  }
  // One movement tick, then one position and collision tick.
  void step() {
    form().Act.setInterval(1);
    advance(2);
  }
  bool over() const { return !events.empty() && events.back() == "close: Form1"; }
  // The last three events before the main menu opens.
  std::vector<std::string> beforeMenu() const {
    const auto menu = std::find(events.begin(), events.end(), "open: Form2");
    return menu - events.begin() < 3 ? events : std::vector(menu - 3, menu);
  }

  WatchingHost host;
  Application app;
  std::vector<std::string> events;
};

TEST(TrafficBoard, SwapsAndHiddenPlanesPassButOneSpotCollides) {
  for (float off : {0.0f, 17.0f}) {  // a spot off the cells counts too
    Traffic t;
    t.spawn(4, 5, "o");
    t.spawn(5, 5, "e");  // swaps with plane 1
    t.spawn(6, 7, "e");
    t.spawn(5, 7, "x");  // landed where plane 3 arrives
    t.plane(4).Aereo->visible = false;
    t.step();
    EXPECT_EQ(t.plane(1).Posi + t.plane(2).Posi + t.plane(3).Posi, "E - 5D - 5E - 7");
    EXPECT_FALSE(t.over());
    t.place(1, 4, 5, "o");
    t.place(2, 6, 5, "e");
    for (int n : {1, 2}) {
      t.plane(n).Aereo->top += off;
      t.form().elementChanged(*t.plane(n).Aereo);
    }
    bool bothShown = false;
    t.host.whileOpen = [&] { bothShown = t.plane(1).Aereo->shown() && t.plane(2).Aereo->shown(); };
    t.step();
    EXPECT_TRUE(bothShown);
    EXPECT_EQ(t.beforeMenu(), (std::vector<std::string>{"sound: 1", "sound: 3", "message: Ops...Crash!!! Game Over!"}));
    EXPECT_TRUE(t.over());
  }
}

TEST(TrafficBoard, EdgeCrashHidesThePlaneFirstAndFuelStopsTheTickAtTheFirstDryPlane) {
  for (const char* heading : {"n", "s", "e", "o"}) {
    Traffic t;
    const int n = t.spawn(*heading == 'o' ? 9 : 1, *heading == 's' ? 9 : 1, heading);
    bool shown = true;
    t.host.whileOpen = [&] { shown = t.plane(n).Aereo->visible; };
    t.step();
    EXPECT_FALSE(shown) << heading;
    EXPECT_TRUE(t.over()) << heading;
  }
  Traffic t;
  for (int column = 1; column <= 5; ++column) t.spawn(column, 5, "n");
  t.plane(2).Alt = "5";
  t.plane(5).Alt = "5";
  std::vector<float> tops;
  t.host.whileOpen = [&] {
    for (int n : {1, 2, 5}) tops.push_back(t.plane(n).Aereo->top);
    EXPECT_EQ(t.plane(5).Alt, "5");
  };
  t.step();
  EXPECT_EQ(tops, (std::vector<float>{2520, 3120, 3120}));
  EXPECT_EQ(t.beforeMenu(),
            (std::vector<std::string>{"sound: 1", "message: Ops...No fuel for plane 2!!! Game Over!", "sound: 3"}));
}

TEST(TrafficBoard, SpawnsStopAtPlane32767ButTheTickGoesOn) {
  Traffic t;
  Form1& f = t.form();
  while (f.planes.size() < 32767) {
    PlaneRecord copy = f.planes.back();
    copy.Aereo = &f.addCopy(*copy.Aereo, static_cast<int>(f.planes.size()));
    f.planes.push_back(copy);
  }
  f.AA->text = "32766";
  f.LV->text = "5";
  EXPECT_EQ(t.spawn(2, 2, "x"), 32767);
  EXPECT_NE(f.Text1->text.find("Airplane 32767 in arrives"), std::string::npos);
  const std::string log = f.Text1->text;
  t.events.clear();
  t.spawn(3, 3, "x");
  EXPECT_EQ(f.planes.size(), 32768u);
  EXPECT_EQ(f.AA->text, "32767");
  EXPECT_EQ(f.Text1->text, log);
  EXPECT_EQ(t.events, (std::vector<std::string>{"sound: 1"}));
  EXPECT_EQ(f.Nuovo.interval(), 16000);
}

}  // namespace
}  // namespace tw

namespace tw::test {
namespace {

TEST(TrafficBoard, APlaneMovedOrRenamedByAScriptIsNamedAtTheNextPositionTick) {
  const auto run = runScript(
      "wait 20\nset Form1.Aereo(0).Left 3120\nwait 2\nprint Form1.Posi(0)\n"
      // Landed, then moved: a hidden plane is named too.
      "set Form1.DT E - 1\nclick Form1.Label1\nprint Form1.Aereo(0).Visible\nset Form1.Aereo(0).Top 1320\nwait 2\n"
      "print Form1.Posi(0)\nset Form1.Posi(0) nowhere\nwait 2\nprint Form1.Posi(0)\n");
  EXPECT_EQ(lastLines(run, 5),
            (std::vector<std::string>{"Form1.Posi(0) = E - 1", "sound: 6", "Form1.Aereo(0).Visible = false",
                                      "Form1.Posi(0) = E - 2", "Form1.Posi(0) = E - 2"}));
}

}  // namespace
}  // namespace tw::test
