// A click at a point reaches what the player's mouse would reach there: the topmost shown,
// enabled element that takes clicks, never a star or a sweep line.
#include <gtest/gtest.h>

#include "test_support.h"

namespace tw::test {
namespace {

// The centre of plane 0 on A - 1.
constexpr const char* kPlane0 = "click-at Form1 1020 1020\nprint Form1.CL\n";

TEST(ClickAt, ReachesThePlaneThroughStarsAndSweepLines) {
  const auto run = runScript(std::string("wait 20\n") +
                             // A star laid out after the plane stands in front of it.
                             "set Form1.Stars(50).Left 950\nset Form1.Stars(50).Top 900\n" + kPlane0 +
                             "set Form1.Lin5.Left 1015\nset Form1.Ln6.Top 1015\n" + kPlane0 +
                             "click-at Form1 3000 3000\nprint Form1.CL\n" +
                             "set Form1.Aereo(0).Visible false\n" + kPlane0 + "click-at Form1 99999 1020\n" +
                             "click-at Form1 8827 5467\nprint Form1.Label4\n");
  ASSERT_EQ(run.status, 0) << run.err;
  const std::vector<std::string> expected = {
      "sound: 4", "Form1.CL = 2",  // through the star
      "sound: 4", "Form1.CL = 3",  // through both sweep lines
      "Form1.CL = 3",              // an empty cell
      "Form1.CL = 3",              // a hidden plane
      "Form1.Label4 = >",          // the pause button, beside the board
  };
  EXPECT_EQ(lastLines(run, expected.size()), expected);
}

TEST(ClickAt, ADisabledWindowTakesNoClick) {
  // The centre of the menu's "New game (Normal Game)".
  const std::string newGame = "click-at Form2 2407 1027\nwindows\n";
  const auto run = runScript("close Form1\nclick Form2.Label4\n" + newGame + "close Form4\n" + newGame);
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(linesAfter(run, "open: Form4"),
            (std::vector<std::string>{"windows = Form2 Form4", "close: Form4", "open: Form3", "close: Form2",
                                      "windows = Form3"}));
}

}  // namespace
}  // namespace tw::test
