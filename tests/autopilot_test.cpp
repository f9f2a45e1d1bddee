// The autopilot plays whole games as a player would: only clicks, and it wins them.
#include <algorithm>

#include "autopilot/autopilot.h"
#include "test_support.h"

namespace tw::test {
namespace {

// The demo's run, its lines kept to the summaries.
ScriptRun runDemo(std::vector<std::string> args) {
  args.insert(args.begin(), {"--headless", "--demo", "--program-dir", TW_ASSETS_DIR});
  ScriptRun run = runCommandLine(args);
  std::erase_if(run.lines, [](const std::string& line) { return !line.starts_with("game "); });
  return run;
}

TEST(Autopilot, WinsTwentySeededGamesFromLevelOneAndTheMatchGameThroughEveryLevel) {
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

TEST(Autopilot, NeverWritesTheGameItsClicksReplayedGiveTheSameEventsAndAScriptHandsOver) {
  constexpr std::int64_t kPlayed = 400'000;  // level 1 and into level 2
  Game game;
  Autopilot pilot(game.app, 1);
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
  ASSERT_GE(run.lines.size(), 2u);
  EXPECT_NE(run.lines.end()[-2], "Form1.CL = 1") << "the autopilot made no click";
  // Left alone, plane after plane runs dry or off the board.
  EXPECT_NE(std::find(run.lines.begin(), run.lines.end(), "open: Form2"), run.lines.end());
}

}  // namespace
}  // namespace tw::test
