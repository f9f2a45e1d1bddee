// Level completion, the next-level window, the end of the game, and the menus that start one.
#include "menus/form4.h"
#include "model/field.h"
#include "test_support.h"

namespace tw::test {
namespace {

using LevelCompletion = GameTest;
using MainMenu = GameTest;
using HelpWindow = GameTest;

const Lines kLevelDone = {"> open: Form3", "> open: Form2", "> sound: 8", "> close: Form1", "> close: Form2"};

TEST_F(LevelCompletion, TheLastLandingEndsTheLevelContinueOpensTheNextAndTheMatchGameLeadsToLevelOne) {
  // Plane 0 stands on A - 1; its destination becomes that cell, and it lands there.
  EXPECT_TRUE(plays(Lines{"wait 20", "set Form1.Salvati 1", "set Form1.AereoDest1(0) a", "set Form1.AereoDest2(0) 1",
                          "wait 5", "click Form1.Label1", "> sound: 6", "print Form1.Salvati = 0", "wait 1"} +
                    kLevelDone +
                    Lines{"windows", "> windows = Form3", "print Form3.LV = 2", "print Form3.Label1 = Continue",
                          "print Form3.Label1.Visible = true", "print Form3.Timer1 = false", "print Form3.Passo = 10"}));
  EXPECT_TRUE(plays(Lines{"wait 20", "set Form1.Salvati 0", "wait 1"} + kLevelDone +
                    Lines{"click Form3.Label1", "print Form3.Label1.Visible = false", "wait 100", "> sound: 2",
                          "print Form3.Passo = 20", "print Form3.Aereo(0).Left = 20", "print Form3.Aereo(0).Width = 605",
                          "print Form3.Aereo(0).Height = 605", "wait 2800"} +
                    Lines(28, "> sound: 2") +
                    Lines{"print Form3.Aereo(0).Left = 4640", "print Form3.Width = 4770", "wait 99", "wait 1",
                          "> sound: 2", "> open: Form1", "> sound: 4", "> sound: 1", "> close: Form3", "windows",
                          "> windows = Form1", "print Form1.LV = 2", "wait 10", "print Form1.Salvati = 8"}));
  EXPECT_TRUE(plays({"set Form1.LV 0", "wait 20", "print Form1.Salvati = 1000", "set Form1.Salvati 0", "wait 1",
                     "print Form3.LV = 1", "click Form3.Label1", "wait 3000", "print Form1.LV = 1", "wait 10",
                     "print Form1.Salvati = 5"},
                    {}, {"sound: 2", "sound: 4", "sound: 1", "open: Form1", "close: Form3", "open: Form3", "open: Form2",
                         "sound: 8", "close: Form1", "close: Form2"}));
}

// The next-level window starts its animation afresh at every opening, not only at a run's first.
TEST_F(LevelCompletion, EveryLevelChangeOfARunAnimatesAsLongAsTheFirst) {
  std::string script;
  for (int change = 0; change < 3; ++change) {
    script += "wait 20\nset Form1.Salvati 0\nwait 1\nprint Form3.Passo\nclick Form3.Label1\nwait 5000\n";
  }
  const auto run = runScript(script + "print Form1.LV\n");
  Lines steps;
  std::vector<int> ticks;  // per opening, the animation's ticks
  for (const auto& line : run.lines) {
    if (line == "open: Form3") ticks.push_back(0);
    if (line == "sound: 2" && !ticks.empty()) ++ticks.back();
    if (line.starts_with("Form3.Passo = ")) steps.push_back(line);
  }
  EXPECT_EQ(steps, Lines(3, "Form3.Passo = 10"));
  EXPECT_EQ(ticks, std::vector<int>(3, 30));
  EXPECT_EQ(run.lines.back(), "Form1.LV = 4");
}

// A count below one, or a level past the boss level, ends the level; nothing else does.
TEST_F(LevelCompletion, OnlyACountBelowOneOrALevelPastTheLastEndsTheLevelAndAfterTheBossTheGameIsComplete) {
  for (const auto& [level, toLand, next] :
       {std::tuple{"1", "0", "2"}, std::tuple{"3", "-3", "4"}, std::tuple{"1", "0.5", "2"}, std::tuple{"12", "30", "13"},
        std::tuple{"1", "1", ""}, std::tuple{"11", "7", ""}, std::tuple{"1", "", ""}, std::tuple{"1", "x", ""}}) {
    const auto run = runScript(std::string("wait 20\nset Form1.LV ") + level + "\nset Form1.Salvati " + toLand +
                               "\nwait 1\n" + (*next ? "print Form3.LV\n" : "windows\n"));
    EXPECT_EQ(run.lines.back(), *next ? "Form3.LV = " + std::string(next) : "windows = Form1") << level << " " << toLand;
  }
  // After the boss level the game is complete and no screen opens.
  Lines animating;  // the message box waits for the player; the animation must not go on behind it
  EXPECT_TRUE(plays(Lines{"wait 20", "set Form1.LV 11", "set Form1.Salvati 0", "wait 1"} + kLevelDone +
                        Lines{"print Form3.LV = 12", "click Form3.Label1", "wait 100", "> sound: 5",
                              "> message: Bravo!!!  You have completed the game", "> open: Form2", "> sound: 8",
                              "> close: Form3", "wait 5000", "windows", "> windows = Form2"},
                    {}, {}, notingAtMessages(animating, {"Form3.Timer1"})));
  EXPECT_EQ(animating, Lines{"false"});
}

TEST_F(MainMenu, OpensWithCueEightShowsItsEntriesAndIsDisabledBehindTheHelpOrTheChooser) {
  EXPECT_TRUE(plays(kMenu + Lines{"print Form2.Caption = Tarmac Warden",
                                  "print Form2.LET(2) = Tarmac Warden 1.00 - 2026",
                                  "print Form2.Label1 = New game (Normal Game)",
                                  "print Form2.Label2 = Match game (Land 1000 Planes)",
                                  "print Form2.Label5 = Choose a level", "print Form2.Label3 = Load game",
                                  "print Form2.Label4 = Info and Help"}));
  EXPECT_TRUE(plays(kMenu + Lines{"click Form2.Label4", "> open: Form4", "print Form2.Enabled = false",
                                  "click Form2.Label1", "close Form2", "windows", "> windows = Form2 Form4",
                                  "close Form4", "> close: Form4", "print Form2.Enabled = true", "click Form2.Label5",
                                  "> open: Form5", "print Form2.Enabled = false", "close Form5", "> close: Form5",
                                  "print Form2.Enabled = true", "click Form2.Label1", "> open: Form3",
                                  "> close: Form2"}));
}

// Each entry that starts a game: the animation runs at once, then the level is set up.
TEST_F(MainMenu, EveryWayToStartAGameRunsTheAnimationThenTheChosenLevel) {
  for (const Lines& way : {Lines{"Form2.Label1", "1", "5"}, Lines{"Form2.Label2", "0", "1000"},
                          Lines{"Form5.XX(9)", "10", "35"}, Lines{"Form5.XX(10)", "11", "39"}}) {
    const std::string &entry = way[0], &level = way[1], &toLand = way[2];
    const bool chooser = entry.starts_with("Form5");
    EXPECT_TRUE(plays(kMenu + (chooser ? Lines{"click Form2.Label5", "> open: Form5"} : Lines{}) +
                          Lines{"click " + entry, "> open: Form3", "> close: Form2"} +
                          (chooser ? Lines{"> close: Form5"} : Lines{}) +
                          Lines{"print Form3.LV = " + level, "print Form3.Label1.Visible = false",
                                "print Form3.Timer1 = true", "wait 3000", "> open: Form1", "> sound: 4", "> sound: 1",
                                "> close: Form3", "print Form1.LV = " + level, "wait 10",
                                "print Form1.Salvati = " + toLand} +
                          kMenu + Lines{"print Form2.Enabled = true"},
                      {}, {"sound: 2"}))
        << entry;
  }
}

TEST_F(HelpWindow, HoldsTheTitleAndTheUsageLinesAsWritten) {
  const std::string& text = helpText();
  EXPECT_EQ(text.rfind("Tarmac Warden 1.00\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\n\r\nYour mission is to land the aircraft in the correct \r\ncoordinates.\r\n\r\n"
                      "Example:\r\nPlane 0  have to land  in B,2\r\n\r\n"
                      "You have to bring the plane 0 in B,2 and then press \r\nLand.\r\n\r\n"),
            std::string::npos);
  EXPECT_TRUE(plays(kMenu + Lines{"click Form2.Label4", "> open: Form4", "print Form4.Text1 = " + escapeLine(text),
                                  "print Form4.Caption = Info and Help"}));
}

}  // namespace
}  // namespace tw::test
