// A level's timeline and the ways a level is lost, as scripts at millisecond resolution.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_support.h"

namespace tw::test {
namespace {

std::vector<std::string> printed(const ScriptRun& run) {
  std::vector<std::string> values;
  for (const auto& line : run.lines) {
    if (line.rfind("Form1.", 0) == 0) values.push_back(line);
  }
  return values;
}

TEST(TrafficTimeline, FirstStepsComeAtTheScreensPaceThenAtTheLevels) {
  for (const auto& [level, vel, nuovo] : {std::tuple{1, 5000, 20000}, std::tuple{11, 2000, 10000}}) {
    // Plane 0 waits on E1 burning fuel, out of the way of the new planes.
    const auto run = runScript("set Form1.LV " + std::to_string(level) +
                               "\nwait 11\nset Form1.AereoDir(0) x\nset Form1.Aereo(0).Left 3120\n"
                               "wait 4998\nprint Form1.Alt(0)\nwait 1\nprint Form1.Alt(0)\n"
                               "wait " + std::to_string(vel - 1) + "\nprint Form1.Alt(0)\nwait 1\nprint Form1.Alt(0)\n"
                               "wait " + std::to_string(14999 - vel) + "\nprint Form1.AA\nwait 1\nprint Form1.AA\n"
                               "print Form1.Posi(1)\nwait " + std::to_string(nuovo - 1) + "\nprint Form1.AA\nwait 1\n"
                               "print Form1.AA\nprint Form1.Text1\n");
    auto values = printed(run);
    ASSERT_EQ(values.size(), 10u);
    EXPECT_NE(values.back().find("airplanes.\\r\\nAirplane 1 in arrives  to gate "), std::string::npos);
    values.pop_back();
    EXPECT_EQ(values, (std::vector<std::string>{"Form1.Alt(0) = 250", "Form1.Alt(0) = 240", "Form1.Alt(0) = 240",
                                                "Form1.Alt(0) = 230", "Form1.AA = 0", "Form1.AA = 1",
                                                "Form1.Posi(1) = A - 1", "Form1.AA = 1", "Form1.AA = 2"}))
        << "level " << level;
  }
}

TEST(TrafficTimeline, EachGameOverShowsOneMessageInItsOrderThenTheMenu) {
  // Plane 0, steered between rows 1 and 2 with no new planes, runs dry on its 26th step.
  std::string steered = "wait 11\nset Form1.Nuovo false\nwait 4999\n";
  for (int step = 1; step < 25; ++step) {
    steered += std::string("click Form1.DestAereo(") + (step % 2 == 1 ? "0" : "1") + ")\nwait 5000\n";
  }
  steered += "print Form1.Alt(0)\nprint Form1.Aereo(0).Top\nwait 5000\n";
  const struct {
    std::string script;
    std::vector<std::string> sequence;
  } cases[] = {
      // Left alone, plane 0 leaves row 9 on its ninth step: hidden, then cue "3", then the message.
      {"wait 45009\nprint Form1.Aereo(0).Visible\nwait 1\n",
       {"Form1.Aereo(0).Visible = true", "sound: 1", "sound: 3", "message: Ops...Crash!!! Game Over!"}},
      {steered,
       {"Form1.Alt(0) = 0", "Form1.Aereo(0).Top = 1320", "sound: 1",
        "message: Ops...No fuel for plane 0!!! Game Over!", "sound: 3"}},
      // Plane 0 stays on A1 and plane 1 arrives on it.
      {"wait 11\nset Form1.AereoDir(0) x\nwait 19999\ntime\nwait 1\n",
       {"time = 20010", "sound: 3", "message: Ops...Crash!!! Game Over!"}},
      // The destination without its spaces is another text.
      {"set Form1.DT a-1\nclick Form1.Label1\n",
       {"sound: 3", "sound: 3", "message: Ops...Landed in the wrong coordinates!!!  Game Over!"}},
  };
  for (const auto& c : cases) {
    const auto run = runScript(c.script + "wait 1000\nwindows\n");
    auto sequence = c.sequence;
    sequence.insert(sequence.end(), {"open: Form2", "close: Form1"});
    auto at = run.lines.begin();
    for (const auto& step : sequence) {
      at = std::find(at, run.lines.end(), step);
      ASSERT_NE(at, run.lines.end()) << "missing or out of order: " << step;
    }
    EXPECT_EQ(std::count_if(run.lines.begin(), run.lines.end(), [](auto& l) { return l.starts_with("message: "); }), 1);
    EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), "close: Form1"), 1);
    EXPECT_EQ(run.lines.back(), "windows = Form2");
  }
}

TEST(TrafficTimeline, TheCollisionTickHoldsTheLevelsPace) {
  const auto pace = [](const std::string& level) {
    return printed(runScript("wait 10\nset Form1.LV " + level + "\nset Form1.Vel 5000\nset Form1.NuovoVel 123\n"
                             "wait 1\nprint Form1.NuovoVel\nprint Form1.Vel\n"));
  };
  EXPECT_EQ(pace("5"), (std::vector<std::string>{"Form1.NuovoVel = 16000", "Form1.Vel = 3900"}));
  EXPECT_EQ(pace("1"), (std::vector<std::string>{"Form1.NuovoVel = 20000", "Form1.Vel = 5000"}));
  // A level outside the table (12 would end the game at once) writes nothing.
  EXPECT_EQ(pace("-1"), (std::vector<std::string>{"Form1.NuovoVel = 123", "Form1.Vel = 5000"}));
  // A level that is no number: every row is written in turn and the last one wins.
  EXPECT_EQ(pace(""), (std::vector<std::string>{"Form1.NuovoVel = 10000", "Form1.Vel = 2000"}));
}

}  // namespace
}  // namespace tw::test
