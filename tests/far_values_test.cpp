// Values at the far ends of what the game holds: the 16-bit animation step, element places
// far outside any window, and the end of the 64-bit clock. Under the sanitizers of ./run test
// any overflow on the way fails too.
#include "test_support.h"

namespace tw::test {
namespace {

using FarValues = GameTest;

TEST_F(FarValues, AnAnimationStepThatWouldOverflowIsSkippedAndThePictureStillMovesByTheStep) {
  // The first tick moves the plane 32767 twips right, past the window: the game screen opens.
  EXPECT_TRUE(plays(kMenu + Lines{"click Form2.Label1", "> open: Form3", "> close: Form2", "set Form3.Passo 32767",
                                  "wait 100", "> sound: 2", "> open: Form1", "> sound: 4", "> sound: 1",
                                  "> close: Form3", "print Form3.Passo = 32767"}));
  EXPECT_TRUE(plays(kMenu + Lines{"click Form2.Label1", "> open: Form3", "> close: Form2", "set Form3.Passo 32757",
                                  "wait 100", "> sound: 2", "> open: Form1", "> sound: 4", "> sound: 1",
                                  "> close: Form3", "print Form3.Passo = 32767"}));
}

TEST_F(FarValues, AnElementIsPlacedOnlyWhereEveryFrontEndCanDrawIt) {
  for (const char* property : {"Left", "Top", "Width", "Height"}) {
    const std::string name = std::string("Form1.LV.") + property;
    EXPECT_TRUE(plays({"set " + name + " 10000000", "print " + name + " = 10000000", "set " + name + " -10000000",
                       "print " + name + " = -10000000"}))
        << property;
    const ScriptRun far = runScript("set " + name + " 30000000000\n");
    EXPECT_EQ(far.status, 2) << property;
    EXPECT_EQ(far.err, "error: line 1: beyond what a window can draw: 30000000000\n") << property;
  }
}

TEST_F(FarValues, TheAutopilotPlaysNearTheEndOfTheClock) {
  EXPECT_TRUE(plays(
      kMenu + Lines{"wait 150000000000000", "click Form2.Label1", "> open: Form3", "> close: Form2", "autopilot on",
                    "wait 5000", "time", "> time = 150000000005000", "windows", "> windows = Form1"},
      {}, {"sound: 2", "open: Form1", "sound: 4", "sound: 1", "close: Form3", "sound: 7"}));
}

}  // namespace
}  // namespace tw::test
