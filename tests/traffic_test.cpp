// Planes on the board: a level's pace, the spawn and its draws, steering, landing, and the ways
// a level is lost.
#include "test_support.h"

namespace tw::test {
namespace {

using Traffic = GameTest;

TEST_F(Traffic, FirstStepsComeAtTheScreensPaceThenAtTheLevelsAndPastPlane32767NoSpawn) {
  for (const auto& [level, vel, nuovo] : {std::tuple{1, 5000, 20000}, std::tuple{11, 2000, 10000}}) {
    // Plane 0 waits on E1 burning fuel, out of the way of the new planes.
    EXPECT_TRUE(plays({"set Form1.LV " + std::to_string(level), "wait 11", "set Form1.AereoDir(0) x",
                       "set Form1.Aereo(0).Left 3120", "wait 4998", "print Form1.Alt(0) = 250", "wait 1",
                       "print Form1.Alt(0) = 240", "wait " + std::to_string(vel - 1), "print Form1.Alt(0) = 240",
                       "wait 1", "print Form1.Alt(0) = 230", "wait " + std::to_string(14999 - vel),
                       "print Form1.AA = 0", "wait 1", "print Form1.AA = 1", "print Form1.Posi(1) = A - 1",
                       "wait " + std::to_string(nuovo - 1), "print Form1.AA = 1", "wait 1", "print Form1.AA = 2"},
                      {}, {"sound: 1"}))
        << "level " << level;
  }
  EXPECT_TRUE(plays({"wait 11", "set Form1.LV 5", "set Form1.AA 32767", "set Form1.Nuovo.Interval 1", "wait 1",
                     "> sound: 1", "print Form1.AA = 32767", "print Form1.Nuovo.Interval = 16000",
                     "print Form1.Text1 = New message: Mission level 1. Land 5 airplanes.\\r\\n"}));
}

// Column, then row, right after reseeding from the time of day: plane 0's at the setup's Desti
// tick (11 ms), plane 1's at its spawn (20010 ms).
TEST_F(Traffic, DestinationsAreDrawnColumnThenRowFromTheTimeOfDay) {
  for (const auto& [timeOfDay, first, plane1] : std::vector<std::tuple<std::string, std::string, std::string>>{
           {"0", "B - 7", "G - 4"}, {"3600", "A - 8", "I - 5"}}) {
    EXPECT_TRUE(plays({"wait 11", "print Form1.AereoDest1(0) = " + first.substr(0, 1),
                       "print Form1.AereoDest2(0) = " + first.substr(4), "wait 19999",
                       "print Form1.AereoDest1(1) = " + plane1.substr(0, 1),
                       "print Form1.AereoDest2(1) = " + plane1.substr(4), "print Form1.Aereo(1).Left = 720",
                       "print Form1.Aereo(1).Top = 720", "print Form1.Aereo(1).Picture = s.jpg",
                       "print Form1.AereoDir(1) = s", "print Form1.Alt(1) = 250", "print Form1.Posi(1) = A - 1",
                       // The new plane shows until the next refresh brings back the selected one.
                       "print Form1.DT = " + plane1, "print Form1.PO = A - 1", "print Form1.Selezionato = 0",
                       "wait 1", "print Form1.DT = " + first, "print Form1.PO = A - 5"},
                      {"--time-of-day", timeOfDay}, {"sound: 1"}))
        << "time of day " << timeOfDay;
  }
}

// The landings and the pace of each level: written by the setup, held by every collision tick.
TEST_F(Traffic, EachLevelSetsItsLandingsAndPaceAndTheCollisionTickHoldsThePace) {
  const char* const rows[][3] = {{"1000", "20000", "5000"}, {"5", "20000", "5000"},  {"8", "19000", "4700"},
                                 {"12", "18000", "4400"},   {"15", "17000", "4100"}, {"18", "16000", "3900"},
                                 {"21", "15000", "3600"},   {"25", "14000", "3300"}, {"28", "13000", "3000"},
                                 {"30", "12000", "2700"},   {"35", "10000", "2400"}, {"39", "10000", "2000"}};
  for (int level = 0; level < 12; ++level) {
    const std::string nuovo = rows[level][1], vel = rows[level][2];
    EXPECT_TRUE(plays({"set Form1.LV " + std::to_string(level), "wait 10",
                       "print Form1.Salvati = " + std::string(rows[level][0]), "print Form1.NuovoVel = " + nuovo,
                       "print Form1.Vel = " + vel, "set Form1.NuovoVel 1", "set Form1.Vel 5000", "wait 1",
                       "print Form1.NuovoVel = " + nuovo, "print Form1.Vel = " + vel}))
        << "level " << level;
  }
  // Outside the table nothing is written; a level that is no number takes each row in turn.
  for (const auto& [level, nuovo, vel] : {std::tuple{"-1", "1", "5000"}, std::tuple{"", "10000", "2000"}}) {
    EXPECT_TRUE(plays({"wait 10", "set Form1.LV " + std::string(level), "set Form1.NuovoVel 1", "set Form1.Vel 5000",
                       "wait 1", "print Form1.NuovoVel = " + std::string(nuovo), "print Form1.Vel = " + std::string(vel)}))
        << "level '" << level << "'";
  }
}

TEST_F(Traffic, HeadingButtonsSteerLandingHidesThePlaneAndAPlaneMovedOrLandedIsNamedAtTheNextTick) {
  EXPECT_TRUE(plays({"wait 11", "set Form1.Aereo(0).Left 3120", "click Form1.DestAereo(2)", "> sound: 7",
                     "print Form1.AereoDir(0) = e", "print Form1.Dir(0) = Est", "print Form1.Aereo(0).Picture = e.jpg",
                     "wait 1", "print Form1.DI = Est", "wait 4998", "> sound: 1", "print Form1.Aereo(0).Left = 2520",
                     "click Form1.DestAereo(3)", "> sound: 7", "print Form1.Aereo(0).Picture = o.jpg",
                     "click Form1.DestAereo(0)", "> sound: 7", "click Form1.DestAereo(0)", "> sound: 7",
                     "print Form1.Dir(0) = Nord", "print Form1.Aereo(0).Picture = n.jpg", "set Form1.Plane x",
                     "click Form1.DestAereo(1)", "> sound: 7", "print Form1.AereoDir(0) = n"}));
  // Plane 0 is sent to A2, reaches it at the first step and is named there a millisecond later.
  EXPECT_TRUE(plays({"wait 11", "set Form1.AereoDest1(0) a", "set Form1.AereoDest2(0) 2", "wait 5000", "> sound: 1",
                     "print Form1.PO = A - 2", "print Form1.DT = a - 2", "set Form1.LV 2", "click Form1.Label1",
                     "> sound: 6", "print Form1.Aereo(0).Visible = false", "print Form1.Picture1.Visible = false",
                     "print Form1.Salvati = 4",
                     "print Form1.Text1 = New message: Mission level 1. Land 5 airplanes.\\r\\n"
                     "Mission level 2. Land 4 airplanes.\\r\\n",
                     // The panel hidden, "Land" takes no click; a count that is no number stays.
                     "click Form1.Label1", "set Form1.Salvati x", "set Form1.PO A-2", "set Form1.DT A-2",
                     "set Form1.Picture1.Visible true", "click Form1.Label1", "> sound: 6", "print Form1.Salvati = x"}));
  EXPECT_TRUE(plays({"wait 20", "set Form1.Aereo(0).Left 3120", "wait 2", "print Form1.Posi(0) = E - 1",
                     "set Form1.DT E - 1", "click Form1.Label1", "> sound: 6", "print Form1.Aereo(0).Visible = false",
                     "set Form1.Aereo(0).Top 1320", "wait 2", "print Form1.Posi(0) = E - 2",
                     "set Form1.Posi(0) nowhere", "wait 2", "print Form1.Posi(0) = E - 2"}));
}

// After a game over the menu stays, alone.
const Lines kMenuStays = {"wait 1000", "windows", "> windows = Form2"};

TEST_F(Traffic, EachGameOverShowsOneMessageThenTheMenu) {
  // Left alone, plane 0 leaves row 9 on its ninth step.
  EXPECT_TRUE(plays(Lines{"wait 45009", "print Form1.Aereo(0).Visible = true", "wait 1"} + kCrash + kMenuStays, {},
                    {"sound: 1"}));
  // Plane 0, steered between rows 1 and 2 with no new planes, runs dry on its 26th step.
  Lines steered = {"wait 11", "set Form1.Nuovo false", "wait 4999"};
  for (int step = 1; step < 25; ++step) {
    steered = steered + Lines{"click Form1.DestAereo(" + std::to_string(1 - step % 2) + ")", "wait 5000"};
  }
  EXPECT_TRUE(plays(steered + Lines{"print Form1.Alt(0) = 0", "print Form1.Aereo(0).Top = 1320", "wait 5000",
                                    "> message: Ops...No fuel for plane 0!!! Game Over!", "> sound: 3"} +
                        kToMenu + kMenuStays,
                    {}, {"sound: 1", "sound: 7"}));
  // Plane 0 stays on A1 and plane 1 comes in on it.
  EXPECT_TRUE(plays(Lines{"wait 11", "set Form1.AereoDir(0) x", "wait 19999", "wait 1"} + kCrash + kMenuStays, {},
                    {"sound: 1"}));
  // The destination without its spaces is another text.
  EXPECT_TRUE(plays(Lines{"set Form1.DT a-1", "click Form1.Label1", "> sound: 3", "> sound: 3",
                          "> message: Ops...Landed in the wrong coordinates!!!  Game Over!"} + kToMenu + kMenuStays));
}

// Plane n put on a cell (or `off` twips below it) with a heading.
Lines place(int n, int column, int row, const std::string& heading, int off = 0) {
  const std::string plane = "(" + std::to_string(n) + ")";
  return {"set Form1.Aereo" + plane + ".Left " + std::to_string(720 + 600 * (column - 1)),
          "set Form1.Aereo" + plane + ".Top " + std::to_string(720 + 600 * (row - 1) + off),
          "set Form1.AereoDir" + plane + " " + heading};
}

// A spawn now, its plane put in place before anything else ticks.
Lines spawn(int n, int column, int row, const std::string& heading) {
  return Lines{"set Form1.Nuovo.Interval 1", "wait 1"} + place(n, column, row, heading);
}

// Past the setup, plane 0 parked on I9 with no heading.
const Lines kParked = Lines{"wait 11"} + place(0, 9, 9, "x");
// One movement tick, then one position and collision tick.
const Lines kStep = {"set Form1.Act.Interval 1", "wait 2"};

TEST_F(Traffic, SwapsAndHiddenPlanesPassOneSpotCollidesAnEdgeCrashHidesThePlaneFirstAndFuelStopsTheStep) {
  for (int off : {0, 17}) {  // a spot off the cells counts too
    Lines shown;
    // Plane 2 swaps with plane 1; plane 3 arrives where plane 4 has landed.
    EXPECT_TRUE(plays(kParked + spawn(1, 4, 5, "o") + spawn(2, 5, 5, "e") + spawn(3, 6, 7, "e") + spawn(4, 5, 7, "x") +
                          Lines{"set Form1.Aereo(4).Visible false"} + kStep +
                          Lines{"print Form1.Posi(1) = E - 5", "print Form1.Posi(2) = D - 5",
                                "print Form1.Posi(3) = E - 7"} +
                          place(1, 4, 5, "o", off) + place(2, 6, 5, "e", off) + kStep + kCrash,
                      {}, {"sound: 1"}, notingAtMessages(shown, {"Form1.Aereo(1).Visible", "Form1.Aereo(2).Visible"})))
        << off;
    EXPECT_EQ(shown, Lines{"true true"});
  }
  for (const char* heading : {"n", "s", "e", "o"}) {
    Lines shown;
    const int column = *heading == 'o' ? 9 : 1;
    EXPECT_TRUE(plays(kParked + spawn(1, column, *heading == 's' ? 9 : 1, heading) + kStep + kCrash, {}, {"sound: 1"},
                      notingAtMessages(shown, {"Form1.Aereo(1).Visible"})));
    EXPECT_EQ(shown, Lines{"false"}) << heading;
  }
  Lines planes = kParked, seen;
  for (int n = 1; n <= 5; ++n) planes = planes + spawn(n, n, 5, "n");
  EXPECT_TRUE(plays(planes + Lines{"set Form1.Alt(2) 5", "set Form1.Alt(5) 5"} + kStep +
                        Lines{"> message: Ops...No fuel for plane 2!!! Game Over!", "> sound: 3"} + kToMenu,
                    {}, {"sound: 1"},
                    notingAtMessages(seen, {"Form1.Aereo(1).Top", "Form1.Aereo(2).Top", "Form1.Aereo(5).Top",
                                            "Form1.Alt(5)"})));
  EXPECT_EQ(seen, Lines{"2520 3120 3120 5"});
}

}  // namespace
}  // namespace tw::test
