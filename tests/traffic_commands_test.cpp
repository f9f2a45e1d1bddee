// The player's commands: the four heading buttons and "Land".
#include <gtest/gtest.h>

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

TEST(TrafficCommands, LandingOnTheDestinationHidesThePlaneAndCountsDown) {
  // Plane 0 is sent to A2, reaches it at the first step and is named there a millisecond later.
  const auto run = runScript(
      "wait 11\nset Form1.AereoDest1(0) a\nset Form1.AereoDest2(0) 2\nwait 5000\nprint Form1.PO\nprint Form1.DT\n"
      "set Form1.LV 2\nclick Form1.Label1\nprint Form1.Aereo(0).Visible\nprint Form1.Picture1.Visible\n"
      "print Form1.Salvati\nprint Form1.Text1\nclick Form1.Label1\nset Form1.Salvati x\nset Form1.PO A-2\n"
      "set Form1.DT A-2\nset Form1.Picture1.Visible true\nclick Form1.Label1\nprint Form1.Salvati\n");
  EXPECT_EQ(linesAfter(run, "sound: 1"),
            (std::vector<std::string>{"sound: 1", "Form1.PO = A - 2", "Form1.DT = a - 2", "sound: 6",
                                      "Form1.Aereo(0).Visible = false", "Form1.Picture1.Visible = false",
                                      "Form1.Salvati = 4",
                                      "Form1.Text1 = New message: Mission level 1. Land 5 airplanes.\\r\\n"
                                      "Mission level 2. Land 4 airplanes.\\r\\n",
                                      "sound: 6", "Form1.Salvati = x"}));
}

}  // namespace
}  // namespace tw::test
