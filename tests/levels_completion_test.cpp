// Level completion, the next-level window and its animation, and the end of the game.
#include <gtest/gtest.h>

#include <algorithm>

#include "game/game_windows.h"
#include "levels/form3.h"
#include "test_support.h"

namespace tw::test {
namespace {

using Lines = std::vector<std::string>;

TEST(LevelCompletion, TheLastLandingEndsTheLevelWithinOneTick) {
  // Plane 0 stands on A - 1; its destination becomes that cell, and it lands there.
  const auto run = runScript(
      "wait 20\nset Form1.Salvati 1\nset Form1.AereoDest1(0) a\nset Form1.AereoDest2(0) 1\nwait 5\nwindows\n"
      "click Form1.Label1\nprint Form1.Salvati\nwait 1\nwindows\n"
      "print Form3.LV\nprint Form3.Label1\nprint Form3.Label1.Visible\nprint Form3.Timer1\nprint Form3.Passo\n");
  EXPECT_EQ(linesAfter(run, "windows = Form1"),
            (Lines{"sound: 6", "Form1.Salvati = 0", "open: Form3", "open: Form2", "sound: 8", "close: Form1", "close: Form2", "windows = Form3",
                   "Form3.LV = 2", "Form3.Label1 = Continue", "Form3.Label1.Visible = true", "Form3.Timer1 = false",
                   "Form3.Passo = 10"}));
}

// A count below one, or a level past the boss level, ends the level; nothing else does.
TEST(LevelCompletion, OnlyACountBelowOneOrALevelPastTheLastEndsTheLevel) {
  struct Case {
    std::string level, toLand, next;
  };
  for (const Case& c : {Case{"1", "0", "2"}, Case{"3", "-3", "4"}, Case{"1", "0.5", "2"}, Case{"12", "30", "13"},
                        Case{"1", "1", ""}, Case{"11", "7", ""}, Case{"1", "", ""}, Case{"1", "x", ""}}) {
    Game game;
    game.advance(20);
    game.form1().LV->text = c.level;
    game.form1().Salvati->text = c.toLand;
    game.advance(1);
    const Form3& next = game.app().form<Form3>();
    EXPECT_EQ(next.isOpen() ? next.LV->text : "", c.next) << c.level << " " << c.toLand;
  }
}

TEST(LevelCompletion, ContinueFliesThePlaneOffAndOpensTheNextLevelOnTheThirtiethTick) {
  const auto run = runScript(
      "wait 20\nset Form1.Salvati 0\nwait 1\nclick Form3.Label1\nprint Form3.Label1.Visible\nwait 100\n"
      "print Form3.Passo\nprint Form3.Aereo(0).Left\nprint Form3.Aereo(0).Width\nprint Form3.Aereo(0).Height\n"
      "wait 2800\nprint Form3.Aereo(0).Left\nprint Form3.Width\nwait 99\nwindows\nwait 1\nwindows\n"
      "print Form1.LV\nwait 10\nprint Form1.Salvati\n");
  const Lines after = linesAfter(run, "close: Form2");
  EXPECT_EQ(std::count(after.begin(), after.end(), "sound: 2"), 30);
  EXPECT_EQ(withoutEngine(after),
            (Lines{"Form3.Label1.Visible = false", "Form3.Passo = 20", "Form3.Aereo(0).Left = 20",
                   "Form3.Aereo(0).Width = 605", "Form3.Aereo(0).Height = 605", "Form3.Aereo(0).Left = 4640",
                   "Form3.Width = 4770", "windows = Form3", "open: Form1", "sound: 4", "sound: 1", "close: Form3",
                   "windows = Form1", "Form1.LV = 2", "Form1.Salvati = 8"}));
}

TEST(LevelCompletion, TheMatchGameLeadsToLevelOne) {
  const auto run = runScript(
      "set Form1.LV 0\nwait 20\nprint Form1.Salvati\nset Form1.Salvati 0\nwait 1\nprint Form3.LV\n"
      "click Form3.Label1\nwait 3000\nprint Form1.LV\nwait 10\nprint Form1.Salvati\n");
  const Lines after = withoutEngine(linesAfter(run, "sound: 1"));
  EXPECT_NE(std::find(after.begin(), after.end(), "Form1.Salvati = 1000"), after.end());
  EXPECT_NE(std::find(after.begin(), after.end(), "Form3.LV = 1"), after.end());
  ASSERT_GE(after.size(), 2u);
  EXPECT_EQ(after[after.size() - 2], "Form1.LV = 1");
  EXPECT_EQ(after.back(), "Form1.Salvati = 5");
}

TEST(LevelCompletion, AfterTheBossLevelTheGameIsCompleteAndNoScreenOpens) {
  const auto run = runScript(
      "wait 20\nset Form1.LV 11\nset Form1.Salvati 0\nwait 1\nprint Form3.LV\nclick Form3.Label1\nwait 100\n"
      "wait 5000\nwindows\n");
  EXPECT_EQ(withoutEngine(linesAfter(run, "Form3.LV = 12")),
            (Lines{"sound: 5", "message: Bravo!!!  You have completed the game", "open: Form2", "sound: 8",
                   "close: Form3", "windows = Form2"}));
}

// The message box waits for the player; the animation must not go on behind it.
class WatchingHost : public HeadlessHost {
 public:
  std::function<void()> onMessage;
  void showMessage(const std::string&) override { onMessage(); }
};

TEST(LevelCompletion, TheCompletionMessageComesWithTheAnimationStopped) {
  WatchingHost host;
  Application app(host, AppOptions{1, TW_ASSETS_DIR});
  addGameWindows(app);
  startGame(app);
  Form3& next = app.form<Form3>();
  std::vector<bool> animating;
  host.onMessage = [&] { animating.push_back(next.Timer1.enabled()); };
  app.open(next);
  next.LV->text = "12";
  next.startAnimation();
  app.advanceTo(1000);
  EXPECT_EQ(animating, std::vector<bool>{false});
  EXPECT_FALSE(next.isOpen());
}

}  // namespace
}  // namespace tw::test
