// The decorations of the board: the two sweep lines and the star field.
#include "test_support.h"

namespace tw::test {
namespace {

using SweepLines = GameTest;
using StarField = GameTest;

// The numbers `run` printed for `name`, in order.
std::vector<int> printed(const ScriptRun& run, const std::string& name) {
  std::vector<int> values;
  for (const auto& line : run.lines) {
    if (line.starts_with(name + " = ")) values.push_back(std::stoi(line.substr(name.size() + 3)));
  }
  return values;
}

TEST_F(SweepLines, StandInFrontOfThePlanesTurnStrictlyPastTheBoundsRepeatEvery1088TicksAndPauseInPlace) {
  std::string script;
  for (int tick = 1; tick <= 1088; ++tick) script += "wait 1\nprint Form1.Lin5.Left\nprint Form1.Ln6.Top\n";
  // Then Ln6 on its way up, Lin5 on its way right: paused, they stand, and go on the same way.
  script += "wait 600\nclick Form1.Label4\nprint Form1.Lin5.Left\nprint Form1.Ln6.Top\nwait 500\nclick Form1.Label4\n"
            "wait 1\nprint Form1.Lin5.Left\nprint Form1.Ln6.Top\n";
  const auto run = runScript(script);
  const auto lin5 = printed(run, "Form1.Lin5.Left"), ln6 = printed(run, "Form1.Ln6.Top");
  ASSERT_TRUE(lin5.size() == 1090u && ln6.size() == 1090u);
  EXPECT_EQ(std::vector(lin5.begin(), lin5.begin() + 2), (std::vector{6110, 6100}));
  EXPECT_EQ(std::vector(ln6.begin(), ln6.begin() + 2), (std::vector{730, 740}));
  // Ln6 turns on tick 542 and Lin5 on tick 544, each one step past its bound.
  EXPECT_EQ(std::vector(ln6.begin() + 540, ln6.begin() + 543), (std::vector{6130, 6120, 6110}));
  EXPECT_EQ(std::vector(lin5.begin() + 542, lin5.begin() + 545), (std::vector{690, 700, 710}));
  EXPECT_EQ(lin5[1087] + ln6[1087], 6120 + 720);
  EXPECT_EQ(lin5[1089] - lin5[1088], 10);
  EXPECT_EQ(ln6[1089] - ln6[1088], -10);
  // A new plane comes in at the front; the next sweep tick puts the lines before it again.
  Game game;
  game.app.advanceTo(20100);
  const Form1& form1 = game.app.form<Form1>();
  ASSERT_GE(form1.planes.size(), 2u) << "no plane came in";
  for (const PlaneRecord& p : form1.planes) EXPECT_GT(form1.Lin5->stackOrder, p.Aereo->stackOrder);
  EXPECT_GT(form1.Ln6->stackOrder, form1.Lin5->stackOrder);
}

TEST_F(StarField, FiftyOneStarsInRangeAfterEveryLayout) {
  std::string stars;
  for (int i = 0; i < 51; ++i) {
    for (const char* property : {"Left", "Top", "Width", "Height", "Caption", "Visible"}) {
      stars += "print Form1.Stars(" + std::to_string(i) + ")." + property + "\n";
    }
  }
  // No traffic, so the level outlives a minute; a hidden star is shown again.
  const auto run = runScript("wait 10\n" + stars + "set Form1.Act false\nset Form1.Nuovo false\n"
                             "set Form1.Stars(7).Visible false\nwait 60000\n" + stars + "print Form1.Stars(51).Left\n");
  EXPECT_EQ(run.err, "error: line 618: unknown name Form1.Stars\n");
  // Laid out afresh, from the time of day (0 here) the redraw reseeds from.
  EXPECT_EQ(printed(run, "Form1.Stars(0).Left").back(), 4219);
  EXPECT_EQ(printed(run, "Form1.Stars(0).Top").back(), 4811);
  int checked = 0;
  for (const auto& line : run.lines) {
    const auto dot = line.find(")."), is = line.find(" = ");
    if (!line.starts_with("Form1.Stars(") || is == std::string::npos) continue;
    const std::string property = line.substr(dot + 2, is - dot - 2), value = line.substr(is + 3);
    ++checked;
    if (property == "Left" || property == "Top") {
      EXPECT_TRUE(std::stoi(value) >= 720 && std::stoi(value) <= 5919 && value.find('.') == std::string::npos) << line;
    } else {
      EXPECT_EQ(value, property == "Width" ? "135" : property == "Height" ? "255" : property == "Caption" ? "*" : "true")
          << line;
    }
  }
  EXPECT_EQ(checked, 2 * 51 * 6);
}

}  // namespace
}  // namespace tw::test
