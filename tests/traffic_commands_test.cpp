// The player's commands: the four heading buttons and "Land".
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "test_support.h"

namespace tw::test {
namespace {

TEST(TrafficCommands, HeadingButtonsSetCodeNameAndPictureAndSteer) {
  const auto run = runScript(
      "wait 11\nset Form1.Aereo(0).Left 3120\nclick Form1.DestAereo(2)\nprint Form1.AereoDir(0)\nprint Form1.Dir(0)\n"
      "print Form1.Aereo(0).Picture\nwait 1\nprint Form1.DI\nwait 4998\nprint Form1.Aereo(0).Left\n"
      "click Form1.DestAereo(3)\nprint Form1.Aereo(0).Picture\nclick Form1.DestAereo(0)\nclick Form1.DestAereo(0)\n"
      "print Form1.Dir(0)\nprint Form1.Aereo(0).Picture\nset Form1.Plane x\nclick Form1.DestAereo(1)\n"
      "print Form1.AereoDir(0)\n");
  EXPECT_EQ(linesAfter(run, "sound: 1"),
            (std::vector<std::string>{"sound: 7", "Form1.AereoDir(0) = e", "Form1.Dir(0) = Est",
                                      "Form1.Aereo(0).Picture = e.jpg", "Form1.DI = Est", "sound: 1",
                                      "Form1.Aereo(0).Left = 2520", "sound: 7", "Form1.Aereo(0).Picture = o.jpg",
                                      "sound: 7", "sound: 7", "Form1.Dir(0) = Nord", "Form1.Aereo(0).Picture = n.jpg",
                                      "sound: 7", "Form1.AereoDir(0) = n"}));
}

TEST(TrafficCommands, WithoutPicturesTheHeadingStillChanges) {
  TempDir empty;
  const auto run = runScript("wait 11\nclick Form1.DestAereo(3)\nprint Form1.AereoDir(0)\nprint Form1.Dir(0)\n"
                             "print Form1.Aereo(0).Picture\n",
                             {"--program-dir", empty.path()});
  EXPECT_EQ(linesAfter(run, "sound: 1"), (std::vector<std::string>{"sound: 7", "Form1.AereoDir(0) = o",
                                                                   "Form1.Dir(0) = Ovest", "Form1.Aereo(0).Picture = "}));
}

TEST(TrafficCommands, LandingOnTheDestinationHidesThePlaneAndCountsDown) {
  // Plane 0 is sent to A2, reaches it at the first step and is named there a millisecond later.
  const auto run = runScript(
      "wait 11\nset Form1.AereoDest1(0) A\nset Form1.AereoDest2(0) 2\nwait 5000\nprint Form1.PO\nprint Form1.DT\n"
      "click Form1.Label1\nprint Form1.Aereo(0).Visible\nprint Form1.Picture1.Visible\nprint Form1.Salvati\n"
      "print Form1.Text1\nprint Form1.Text1.SelStart\nclick Form1.Label1\nprint Form1.Plane\n");
  EXPECT_EQ(linesAfter(run, "sound: 1"),
            (std::vector<std::string>{"sound: 1", "Form1.PO = A - 2", "Form1.DT = A - 2", "sound: 6", "Form1.Aereo(0).Visible = false",
                                      "Form1.Picture1.Visible = false", "Form1.Salvati = 4",
                                      "Form1.Text1 = New message: Mission level 1. Land 5 airplanes.\\r\\n"
                                      "Mission level 1. Land 4 airplanes.\\r\\n",
                                      "Form1.Text1.SelStart = 85", "Form1.Plane = 0"}));
}

TEST(TrafficCommands, LandingComparesPanelTextsIgnoringCaseButNotSpacing) {
  const auto land = [](const std::string& po, const std::string& dt, const std::string& toLand) {
    return linesAfter(runScript("set Form1.LV 2\nset Form1.Salvati " + toLand + "\nset Form1.PO " + po +
                                "\nset Form1.DT " + dt + "\nclick Form1.Label1\nprint Form1.Salvati\nprint Form1.Text1\n"
                                "windows\n"),
                      "sound: 1");
  };
  EXPECT_EQ(land("a - 1", "A - 1", "3"),
            (std::vector<std::string>{"sound: 6", "Form1.Salvati = 2",
                                      "Form1.Text1 = Mission level 2. Land 2 airplanes.\\r\\n", "windows = Form1"}));
  // A count that is no number stays; the landing still happens.
  EXPECT_EQ(land("B - 7", "b - 7", "x"),
            (std::vector<std::string>{"sound: 6", "Form1.Salvati = x",
                                      "Form1.Text1 = Mission level 2. Land x airplanes.\\r\\n", "windows = Form1"}));
  const auto wrong = land("A-1", "A - 1", "3");
  ASSERT_GE(wrong.size(), 5u);
  EXPECT_EQ(std::vector(wrong.begin(), wrong.begin() + 4),
            (std::vector<std::string>{"sound: 3", "sound: 3",
                                      "message: Ops...Landed in the wrong coordinates!!!  Game Over!", "open: Form2"}));
  EXPECT_EQ(wrong.back(), "close: Form1");
}

TEST(TrafficCommands, LandRightAfterOpeningTestsPlaneZeroAndEndsTheGameOnce) {
  // Plane 0 is on A - 1 but its design destination reads "2 - 1".
  const auto run = runScript("click Form1.Label1\nwait 100\nwindows\n");
  const auto after = linesAfter(run, "sound: 1");
  ASSERT_GE(after.size(), 5u);
  EXPECT_EQ(std::vector(after.begin(), after.begin() + 3),
            (std::vector<std::string>{"sound: 3", "sound: 3",
                                      "message: Ops...Landed in the wrong coordinates!!!  Game Over!"}));
  EXPECT_EQ(std::count(after.begin(), after.end(), "close: Form1"), 1);
  EXPECT_EQ(after.back(), "windows = Form2");
}

}  // namespace
}  // namespace tw::test
