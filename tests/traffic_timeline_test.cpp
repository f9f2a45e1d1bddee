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

// The game over ends in this order, with one message, and only the main menu stays open.
void expectGameOver(const ScriptRun& run, const std::vector<std::string>& sequence) {
  auto at = run.lines.begin();
  for (const auto& step : sequence) {
    at = std::find(at, run.lines.end(), step);
    ASSERT_NE(at, run.lines.end()) << "missing or out of order: " << step;
  }
  EXPECT_EQ(std::count_if(run.lines.begin(), run.lines.end(),
                          [](const std::string& l) { return l.rfind("message: ", 0) == 0; }),
            1);
  EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), "close: Form1"), 1);
  EXPECT_EQ(run.lines.back(), "windows = Form2");
}

TEST(TrafficTimeline, FirstStepsComeAtTheScreensPaceThenAtTheLevels) {
  for (const auto& [level, vel, nuovo] : {std::tuple{1, 5000, 20000}, std::tuple{11, 2000, 10000}}) {
    // Plane 0 waits on E1 burning fuel, out of the way of the new planes.
    const auto run = runScript("set Form1.LV " + std::to_string(level) +
                               "\nwait 11\nset Form1.AereoDir(0) x\nset Form1.Aereo(0).Left 3120\n"
                               "wait 4998\nprint Form1.Alt(0)\nwait 1\nprint Form1.Alt(0)\n"
                               "wait " + std::to_string(vel - 1) + "\nprint Form1.Alt(0)\nwait 1\nprint Form1.Alt(0)\n"
                               "wait " + std::to_string(14999 - vel) + "\nprint Form1.AA\nwait 1\nprint Form1.AA\n"
                               "wait " + std::to_string(nuovo - 1) + "\nprint Form1.AA\nwait 1\nprint Form1.AA\n");
    EXPECT_EQ(printed(run), (std::vector<std::string>{"Form1.Alt(0) = 250", "Form1.Alt(0) = 240",
                                                      "Form1.Alt(0) = 240", "Form1.Alt(0) = 230", "Form1.AA = 0",
                                                      "Form1.AA = 1", "Form1.AA = 1", "Form1.AA = 2"}))
        << "level " << level;
  }
}

TEST(TrafficTimeline, ANewPlaneEntersOnA1AndIsAnnounced) {
  const auto run = runScript(
      "wait 11\nprint Form1.AereoDir(0)\nprint Form1.Aereo(0).Picture\nprint Form1.Dir(0)\nwait 19999\n"
      "print Form1.AA\nprint Form1.Aereo(1).Left\nprint Form1.Aereo(1).Top\nprint Form1.Aereo(1).Visible\n"
      "print Form1.Aereo(1).Picture\nprint Form1.AereoDir(1)\nprint Form1.Alt(1)\nprint Form1.AereoNum(1)\n"
      "print Form1.Posi(1)\nprint Form1.Plane\nprint Form1.AT\nwait 1\nprint Form1.AT\nprint Form1.Selezionato\n"
      "print Form1.AereoDest1(1)\nprint Form1.AereoDest2(1)\nprint Form1.Text1\n"
      "wait 9988\nprint Form1.Nascondi\nwait 1\nprint Form1.Nascondi\nprint Form1.Picture1.Visible\n");
  const auto values = printed(run);
  ASSERT_EQ(values.size(), 22u) << run.err;
  EXPECT_EQ(std::vector(values.begin(), values.begin() + 16),
            (std::vector<std::string>{"Form1.AereoDir(0) = s", "Form1.Aereo(0).Picture = s.jpg", "Form1.Dir(0) = ",
                                      "Form1.AA = 1", "Form1.Aereo(1).Left = 720", "Form1.Aereo(1).Top = 720",
                                      "Form1.Aereo(1).Visible = true", "Form1.Aereo(1).Picture = s.jpg",
                                      "Form1.AereoDir(1) = s", "Form1.Alt(1) = 250", "Form1.AereoNum(1) = 250",
                                      "Form1.Posi(1) = A - 1", "Form1.Plane = 0", "Form1.AT = 250",
                                      // A millisecond later the panel shows plane 0 again, four steps down.
                                      "Form1.AT = 210", "Form1.Selezionato = 0"}));
  const std::string column = values[16].substr(values[16].size() - 1);
  const std::string row = values[17].substr(values[17].size() - 1);
  EXPECT_NE(std::string("ABCDEFGHI").find(column), std::string::npos);
  EXPECT_NE(std::string("123456789").find(row), std::string::npos);
  const std::string arrival = "Airplane 1 in arrives  to gate " + column + " - " + row + "\\r\\n";
  EXPECT_TRUE(values[18].ends_with("airplanes.\\r\\n" + arrival)) << values[18];
  // The selection at start-up armed Nascondi for 30000 ms; its tick leaves the panel alone.
  EXPECT_EQ(std::vector(values.begin() + 19, values.end()),
            (std::vector<std::string>{"Form1.Nascondi = true", "Form1.Nascondi = false",
                                      "Form1.Picture1.Visible = true"}));
}

TEST(TrafficTimeline, PlaneZeroLeftAloneCrashesOffRowNineOnItsNinthStep) {
  const auto run = runScript("wait 40010\nprint Form1.Aereo(0).Top\nwait 4999\nprint Form1.Aereo(0).Visible\n"
                             "wait 1\nwait 1000\nwindows\n");
  EXPECT_EQ(printed(run), (std::vector<std::string>{"Form1.Aereo(0).Top = 5520", "Form1.Aereo(0).Visible = true"}));
  expectGameOver(run, {"Form1.Aereo(0).Visible = true", "sound: 1", "sound: 3", "message: Ops...Crash!!! Game Over!",
                       "open: Form2", "close: Form1"});
}

TEST(TrafficTimeline, APlaneKeptOnTheBoardRunsOutOfFuelOnItsTwentySixthStep) {
  // No new planes; plane 0 is turned back and forth between rows 1 and 2.
  std::string script = "wait 11\nset Form1.Nuovo false\nwait 4999\n";
  for (int step = 1; step < 25; ++step) {
    script += std::string("click Form1.DestAereo(") + (step % 2 == 1 ? "0" : "1") + ")\nwait 5000\n";
  }
  script += "print Form1.Alt(0)\nprint Form1.Aereo(0).Top\nwait 5000\nwindows\n";
  const auto run = runScript(script);
  EXPECT_EQ(printed(run), (std::vector<std::string>{"Form1.Alt(0) = 0", "Form1.Aereo(0).Top = 1320"}));
  expectGameOver(run, {"Form1.Aereo(0).Top = 1320", "sound: 1", "message: Ops...No fuel for plane 0!!! Game Over!",
                       "sound: 3", "open: Form2", "close: Form1"});
}

TEST(TrafficTimeline, ANewPlaneOnAnOccupiedEntryCellCollidesAtTheNextCollisionTick) {
  const auto run = runScript("wait 11\nset Form1.AereoDir(0) x\nwait 19999\nprint Form1.AA\ntime\nwait 1\nwindows\n");
  EXPECT_EQ(printed(run), (std::vector<std::string>{"Form1.AA = 1"}));
  expectGameOver(run, {"time = 20010", "sound: 3", "message: Ops...Crash!!! Game Over!", "open: Form2",
                       "close: Form1"});
}

TEST(TrafficTimeline, TheCollisionTickHoldsTheLevelsPace) {
  const auto pace = [](const std::string& level) {
    return printed(runScript("wait 10\nset Form1.LV " + level +
                             "\nset Form1.Vel 5000\nset Form1.NuovoVel 123\nwait 1\nprint Form1.NuovoVel\n"
                             "print Form1.Vel\n"));
  };
  EXPECT_EQ(pace("5"), (std::vector<std::string>{"Form1.NuovoVel = 16000", "Form1.Vel = 3900"}));
  EXPECT_EQ(pace("1"), (std::vector<std::string>{"Form1.NuovoVel = 20000", "Form1.Vel = 5000"}));
  EXPECT_EQ(pace("12"), (std::vector<std::string>{"Form1.NuovoVel = 123", "Form1.Vel = 5000"}));
  // A level that is no number: every row is written in turn and the last one wins.
  EXPECT_EQ(pace(""), (std::vector<std::string>{"Form1.NuovoVel = 10000", "Form1.Vel = 2000"}));
}

}  // namespace
}  // namespace tw::test
