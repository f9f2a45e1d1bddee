// Planes on the board, driven in-process: moves and edges, fuel, cells, collisions, spawns.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "game/board.h"
#include "game/form1.h"
#include "game/game_windows.h"
#include "platform/application.h"
#include "platform/field.h"
#include "platform/headless_host.h"

namespace tw {
namespace {

// Answers message boxes at once, after letting the test look at the board as it stands.
class WatchingHost : public HeadlessHost {
 public:
  void showMessage(const std::string&) override {
    if (whileOpen) whileOpen();
  }
  std::function<void()> whileOpen;
};

// A level past its mission setup, plane 0 parked on I9 with no heading.
class Traffic {
 public:
  Traffic() : app(host, AppOptions{1, TW_ASSETS_DIR}) {
    app.setEventSink([this](const std::string& line) { events.push_back(line); });
    addGameWindows(app);
    startGame(app);
    advance(11);
    place(0, 9, 9, "x");
  }
  Form1& form() { return app.form<Form1>(); }
  void advance(std::int64_t ms) { app.advanceTo(app.scheduler().now() + ms); }
  PlaneRecord& plane(int n) { return form().planes[static_cast<std::size_t>(n)]; }
  void place(int n, int column, int row, const std::string& heading) {
    plane(n).Aereo->left = board::columnLeft(column);
    plane(n).Aereo->top = board::rowTop(row);
    plane(n).AereoDir = heading;
  }
  // A spawn tick now, then the new plane goes where it is wanted before anything else ticks.
  int spawn(int column, int row, const std::string& heading) {
    form().Nuovo.setInterval(1);
    advance(1);
    const int n = static_cast<int>(form().planes.size()) - 1;
    place(n, column, row, heading);
    return n;
  }
  void movementTick() {
    form().Act.setInterval(1);
    advance(1);
  }
  bool gameOver() const { return !events.empty() && events.back() == "close: Form1"; }

  WatchingHost host;
  Application app;
  std::vector<std::string> events;
};

TEST(TrafficBoard, EachHeadingMovesOneCellAndBurnsTenUnitsOfFuel) {
  Traffic t;
  const int east = t.spawn(5, 5, "e");
  const int west = t.spawn(2, 2, "o");
  const int north = t.spawn(8, 3, "n");
  const int south = t.spawn(7, 7, "s");
  const int landed = t.spawn(3, 8, "s");
  t.plane(landed).Aereo->visible = false;
  t.events.clear();
  t.movementTick();
  EXPECT_EQ(t.events.front(), "sound: 1");
  EXPECT_EQ(t.plane(east).Posi, "E - 5");  // renamed by the next position tick
  t.advance(1);
  EXPECT_EQ(t.plane(east).Posi, "D - 5");
  EXPECT_EQ(t.plane(west).Posi, "C - 2");
  EXPECT_EQ(t.plane(north).Posi, "H - 2");
  EXPECT_EQ(t.plane(south).Posi, "G - 8");
  EXPECT_EQ(t.plane(0).Posi, "I - 9");  // no heading: it stays, but it burns fuel
  EXPECT_EQ(t.plane(0).Alt, "240");
  EXPECT_EQ(t.plane(south).Alt, "240");
  EXPECT_EQ(t.plane(south).AereoNum, "240");
  EXPECT_EQ(t.plane(landed).Posi, "C - 8");
  EXPECT_EQ(t.plane(landed).Alt, "250");
  EXPECT_FALSE(t.gameOver());
}

TEST(TrafficBoard, APlaneLeavingTheBoardIsHiddenBeforeTheCrashMessage) {
  const struct {
    int column, row;
    const char* heading;
  } edges[] = {{4, 1, "n"}, {4, 9, "s"}, {1, 4, "e"}, {9, 4, "o"}};
  for (const auto& edge : edges) {
    Traffic t;
    const int n = t.spawn(edge.column, edge.row, edge.heading);
    const Element& sprite = *t.plane(n).Aereo;
    bool visibleAtMessage = true;
    t.host.whileOpen = [&] { visibleAtMessage = sprite.visible; };
    t.events.clear();
    t.movementTick();
    EXPECT_FALSE(visibleAtMessage) << edge.heading;
    EXPECT_EQ(t.events, (std::vector<std::string>{"sound: 1", "sound: 3", "message: Ops...Crash!!! Game Over!",
                                                  "open: Form2", "close: Form1"}))
        << edge.heading;
  }
}

TEST(TrafficBoard, TheFirstPlaneOutOfFuelEndsTheTickBeforeTheNextOneMoves) {
  Traffic t;
  for (int column = 1; column <= 5; ++column) t.spawn(column, 5, "n");
  t.plane(2).Alt = "5";
  t.plane(5).Alt = "5";
  std::vector<std::string> seen;
  t.host.whileOpen = [&] {
    seen = {numberText(t.plane(1).Aereo->top), t.plane(1).Alt, numberText(t.plane(2).Aereo->top), t.plane(2).Alt,
            std::to_string(t.plane(2).Aereo->visible), numberText(t.plane(5).Aereo->top), t.plane(5).Alt};
    t.advance(1000);  // nothing ticks while the box is open: plane 1's cell is not renamed
    seen.push_back(t.plane(1).Posi);
  };
  t.events.clear();
  t.movementTick();
  EXPECT_EQ(seen, (std::vector<std::string>{"2520", "240", "3120", "-5", "1", "3120", "5", "A - 5"}));
  EXPECT_EQ(t.events, (std::vector<std::string>{"sound: 1", "message: Ops...No fuel for plane 2!!! Game Over!",
                                                "sound: 3", "open: Form2", "close: Form1"}));
}

TEST(TrafficBoard, PositionTextsFollowTheSpritesOnExactCellOrigins) {
  Traffic t;
  const int a = t.spawn(5, 2, "x");
  const int b = t.spawn(6, 6, "x");
  const int c = t.spawn(7, 7, "x");
  t.advance(1);
  EXPECT_EQ(t.plane(a).Posi, "E - 2");
  EXPECT_EQ(t.plane(0).Posi, "I - 9");
  t.plane(a).Aereo->left = 700;
  t.plane(b).Aereo->left = 6120;
  t.plane(c).Aereo->visible = false;  // hidden planes are still tracked
  t.place(c, 1, 9, "x");
  t.advance(1);
  EXPECT_EQ(t.plane(a).Posi, "E - 2");
  EXPECT_EQ(t.plane(b).Posi, "F - 6");
  EXPECT_EQ(t.plane(c).Posi, "A - 9");

  Form1& f = t.form();
  t.plane(c).Alt = "70";
  t.plane(c).Dir = "Nord";
  t.plane(c).AereoDest1 = "B";
  t.plane(c).AereoDest2 = "3";
  f.Selezionato->text = std::to_string(c);
  t.advance(1);
  EXPECT_EQ(f.AT->text + "|" + f.DT->text + "|" + f.PO->text + "|" + f.DI->text, "70|B - 3|A - 9|Nord");
  f.Selezionato->text = "x";  // no number: the panel stays as it was
  t.advance(1);
  EXPECT_EQ(f.PO->text, "A - 9");
  EXPECT_EQ(f.Plane->text, "0");
}

TEST(TrafficBoard, OnlyTwoVisiblePlanesOnOneSpotCollide) {
  {  // Head-on neighbours swap cells within one tick.
    Traffic t;
    t.spawn(4, 5, "o");
    t.spawn(5, 5, "e");
    t.movementTick();
    t.advance(5);
    EXPECT_EQ(t.plane(1).Posi + " " + t.plane(2).Posi, "E - 5 D - 5");
    EXPECT_FALSE(t.gameOver());
  }
  {  // A hidden plane is no obstacle.
    Traffic t;
    t.spawn(4, 5, "o");
    t.spawn(5, 5, "x");
    t.plane(2).Aereo->visible = false;
    t.movementTick();
    t.advance(5);
    EXPECT_FALSE(t.gameOver());
  }
  {  // Meeting on one cell, or on one spot off the cells, ends the game with both still shown.
    for (float off : {0.0f, 17.0f}) {
      Traffic t;
      t.spawn(4, 5, "o");
      t.spawn(6, 5, "e");
      t.plane(1).Aereo->top += off;
      t.plane(2).Aereo->top += off;
      bool bothShown = false;
      t.host.whileOpen = [&] { bothShown = t.plane(1).Aereo->visible && t.plane(2).Aereo->visible; };
      t.movementTick();
      t.advance(1);
      EXPECT_TRUE(bothShown) << off;
      EXPECT_EQ(std::vector(t.events.end() - 4, t.events.end()),
                (std::vector<std::string>{"sound: 3", "message: Ops...Crash!!! Game Over!", "open: Form2",
                                          "close: Form1"}))
          << off;
    }
  }
}

TEST(TrafficBoard, SpawnsDrawEveryColumnAndRowAndStopAtPlane32767) {
  Traffic t;
  std::set<std::string> columns, rows;
  for (int i = 0; i < 300; ++i) {
    const int n = t.spawn(1, 1, "x");
    t.plane(n).Aereo->visible = false;
    columns.insert(t.plane(n).AereoDest1);
    rows.insert(t.plane(n).AereoDest2);
  }
  EXPECT_EQ(columns, (std::set<std::string>{"A", "B", "C", "D", "E", "F", "G", "H", "I"}));
  EXPECT_EQ(rows, (std::set<std::string>{"1", "2", "3", "4", "5", "6", "7", "8", "9"}));

  Form1& f = t.form();
  while (f.planes.size() < 32767) {
    PlaneRecord copy = f.planes.back();
    copy.Aereo = &f.addCopy(*copy.Aereo, static_cast<int>(f.planes.size()));
    f.planes.push_back(copy);
  }
  f.AA->text = "32766";
  f.LV->text = "5";
  EXPECT_EQ(t.spawn(2, 2, "x"), 32767);
  EXPECT_EQ(f.AA->text, "32767");
  EXPECT_TRUE(f.Text1->text.find("Airplane 32767 in arrives") != std::string::npos);
  t.events.clear();
  const std::string log = f.Text1->text;
  f.Nuovo.setInterval(1);
  t.advance(1);
  // No plane 32768, but the cue and the level's interval still come.
  EXPECT_EQ(f.planes.size(), 32768u);
  EXPECT_EQ(f.AA->text, "32767");
  EXPECT_EQ(f.Text1->text, log);
  EXPECT_EQ(t.events, (std::vector<std::string>{"sound: 1"}));
  EXPECT_EQ(f.Nuovo.interval(), 16000);
}

TEST(TrafficBoard, AMissionSetupAfterALoadTurnsOnlyTheNewestPlaneSouth) {
  Traffic t;
  for (int column = 2; column <= 5; ++column) t.spawn(column, 3, "o");
  t.plane(4).Aereo->picture = "o.jpg";
  t.plane(4).Dir = "Ovest";
  t.form().Caricato = 1;
  t.form().Start.start();
  t.advance(11);
  EXPECT_EQ(t.plane(4).AereoDir, "s");
  EXPECT_EQ(t.plane(4).Aereo->picture, "s.jpg");
  EXPECT_EQ(t.plane(4).Dir, "Ovest");
  EXPECT_EQ(t.plane(3).AereoDir, "o");
}

}  // namespace
}  // namespace tw
