// The autopilot plays whole games as a player would: only clicks, and it wins them.
#include <algorithm>

#include "autopilot/autopilot.h"
#include "test_support.h"

namespace tw::test {
namespace {

using Autopilot = GameTest;

// The demo's run, its lines kept to the summaries.
ScriptRun runDemo(std::vector<std::string> args) {
  args.insert(args.begin(), {"--headless", "--demo", "--program-dir", GameTest::programDir()});
  ScriptRun run = runCommandLine(args);
  std::erase_if(run.lines, [](const std::string& line) { return !line.starts_with("game "); });
  return run;
}

TEST_F(Autopilot, WinsTwentySeededGamesFromLevelOneAndTheMatchGameThroughEveryLevel) {
  const ScriptRun run = runDemo({"--games", "20", "--time-of-day", "777"});
  EXPECT_EQ(run.status, 0) << run.err;
  ASSERT_EQ(run.lines.size(), 20u);
  for (const std::string& game : run.lines) {
    EXPECT_NE(game.find(": level 11, landed "), std::string::npos) << game;
    EXPECT_TRUE(game.ends_with(", result Bravo!!!  You have completed the game")) << game;
  }
  EXPECT_TRUE(run.out.ends_with("exit\n"));
  // The same arguments, the same bytes.
  EXPECT_EQ(runDemo({"--games", "2", "--time-of-day", "777"}).lines,
            std::vector<std::string>(run.lines.begin(), run.lines.begin() + 2));
  const ScriptRun match = runDemo({"--level", "0", "--timer-resolution", "16"});
  ASSERT_EQ(match.lines.size(), 1u) << match.err;
  // 1000 landings in the match game, then at least 236 in levels 1 to 11.
  EXPECT_TRUE(match.lines[0].starts_with("game 1: level 11, landed 12")) << match.lines[0];
  EXPECT_TRUE(match.lines[0].ends_with("result Bravo!!!  You have completed the game")) << match.lines[0];
}

TEST_F(Autopilot, NeverWritesTheGameItsClicksReplayedGiveTheSameEventsAndAScriptHandsOver) {
  constexpr std::int64_t kPlayed = 400'000;  // level 1 and into level 2
  Game game;
  tw::Autopilot pilot(game.app, 1);
  std::string script;
  std::int64_t scripted = 0;
  pilot.onAction([&](const std::string& line) {
    script += line + "\n";
    if (line.starts_with("wait ")) scripted += std::stoll(line.substr(5));
  });
  game.app.setQuietHook([&pilot] { pilot.act(); });
  game.app.advanceTo(kPlayed);
  game.app.setQuietHook(nullptr);
  const Lines played = game.events;
  ASSERT_NE(std::find(played.begin(), played.end(), "open: Form3"), played.end()) << "level 1 was not completed";

  const ScriptRun replay = runScript(script + "wait " + std::to_string(kPlayed - scripted) + "\n");
  ASSERT_EQ(replay.status, 0) << replay.err;
  EXPECT_EQ(replay.lines, played);
  const auto run = runScript("autopilot on\nwait 120000\nautopilot off\nprint Form1.CL\nwait 200000\nwindows\n"
                             "autopilot sometimes\n");
  EXPECT_EQ(run.err, "error: line 7: autopilot takes on or off, not 'sometimes'\n");
  // What line 4, the print, printed: the clicks the autopilot made in its two minutes.
  ASSERT_GE(run.steps.size(), 5u);
  ASSERT_EQ(run.steps[4].size(), 1u);
  ASSERT_TRUE(run.steps[4][0].starts_with("Form1.CL = ")) << run.steps[4][0];
  EXPECT_GE(std::stoi(run.steps[4][0].substr(11)), 2) << "the autopilot made no click";
  // Left alone, plane after plane runs dry or off the board.
  EXPECT_NE(std::find(run.lines.begin(), run.lines.end(), "open: Form2"), run.lines.end());
}

// A plane just come in on A - 1 has only A - 2 and B - 1 to leave by. Here the two older planes
// could each land on one of them at the next step: planned before it, they would leave it none.
TEST_F(Autopilot, PlansThePlaneOnTheEntryCellFirst) {
  const Lines bringInTwo = {"wait 20",         "key Form1 P", "set Form1.NuovoVel 100", "set Form1.Nuovo.Interval 100",
                            "set Form1.Nuovo.Enabled true", "wait 200", "set Form1.NuovoVel 20000",
                            "set Form1.Nuovo.Interval 20000", "print Form1.AA = 2"};
  // Plane 0 on A - 3 bound for A - 2, plane 1 on C - 1 bound for B - 1, plane 2 on A - 1.
  const Lines placeThem = {"set Form1.Aereo(0).Top 1920",    "set Form1.AereoDir(0) n", "set Form1.AereoDest1(0) A",
                           "set Form1.AereoDest2(0) 2",      "set Form1.Aereo(1).Left 1920", "set Form1.AereoDir(1) e",
                           "set Form1.AereoDest1(1) B",      "set Form1.AereoDest2(1) 1", "set Form1.AereoDest1(2) I",
                           "set Form1.AereoDest2(2) 9"};
  // One movement step: the newcomer leaves by A - 2, plane 1 lands on B - 1, plane 0 waits its turn.
  EXPECT_TRUE(plays(bringInTwo + placeThem +
                        Lines{"key Form1 P", "autopilot on", "wait 6000", "print Form1.Posi(2) = A - 2",
                              "print Form1.Aereo(1).Visible = false", "print Form1.Posi(0) = B - 3", "windows",
                              "> windows = Form1"},
                    {}, {"sound: 1", "sound: 4", "sound: 6", "sound: 7"}));
}

}  // namespace
}  // namespace tw::test
