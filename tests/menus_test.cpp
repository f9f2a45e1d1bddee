// The main menu, the level chooser and the help window.
#include <gtest/gtest.h>

#include <algorithm>

#include "menus/form4.h"
#include "platform/field.h"
#include "test_support.h"

namespace tw::test {
namespace {

using Lines = std::vector<std::string>;

TEST(MainMenu, OpensWithCueEightEveryTimeAndShowsItsEntries) {
  const auto run = runScript(
      "close Form1\nprint Form2.Caption\nprint Form2.LET(2)\nprint Form2.Label1\nprint Form2.Label2\n"
      "print Form2.Label5\nprint Form2.Label3\nprint Form2.Label4\nclick Form2.Label1\nwait 3000\nclose Form1\n");
  const Lines after = withoutEngine(linesAfter(run, "sound: 1"));
  EXPECT_EQ(std::count(after.begin(), after.end(), "sound: 8"), 2);
  EXPECT_EQ(Lines(after.begin(), after.begin() + 10),
            (Lines{"open: Form2", "sound: 8", "close: Form1", "Form2.Caption = Tarmac Warden",
                   "Form2.LET(2) = Tarmac Warden 1.00 - 2026", "Form2.Label1 = New game (Normal Game)",
                   "Form2.Label2 = Match game (Land 1000 Planes)", "Form2.Label5 = Choose a level",
                   "Form2.Label3 = Load game", "Form2.Label4 = Info and Help"}));
}

// Each entry that starts a game: the animation runs at once, then the level is set up.
TEST(MainMenu, EveryWayToStartAGameRunsTheAnimationThenTheChosenLevel) {
  struct Case {
    std::string clicks, level, toLand;
  };
  for (const Case& c : {Case{"click Form2.Label1\n", "1", "5"}, Case{"click Form2.Label2\n", "0", "1000"},
                        Case{"click Form2.Label5\nclick Form5.XX(9)\n", "10", "35"},
                        Case{"click Form2.Label5\nclick Form5.XX(10)\n", "11", "39"}}) {
    const auto run = runScript("close Form1\n" + c.clicks +
                               "windows\nprint Form3.LV\nprint Form3.Label1.Visible\nprint Form3.Timer1\n"
                               "wait 3000\nprint Form1.LV\nwait 10\nprint Form1.Salvati\nclose Form1\n"
                               "print Form2.Enabled\n");
    EXPECT_EQ(withoutEngine(linesAfter(run, "windows = Form3")),
              (Lines{"Form3.LV = " + c.level, "Form3.Label1.Visible = false", "Form3.Timer1 = true", "open: Form1",
                     "sound: 4", "sound: 1", "close: Form3", "Form1.LV = " + c.level, "Form1.Salvati = " + c.toLand,
                     "open: Form2", "sound: 8", "close: Form1", "Form2.Enabled = true"}))
        << c.clicks;
  }
}

TEST(MainMenu, IsDisabledWhileTheHelpWindowIsOpen) {
  const auto run = runScript(
      "close Form1\nclick Form2.Label4\nprint Form2.Enabled\nclick Form2.Label1\nclose Form2\nwindows\n"
      "close Form4\nprint Form2.Enabled\nclick Form2.Label1\n");
  EXPECT_EQ(linesAfter(run, "close: Form1"),
            (Lines{"open: Form4", "Form2.Enabled = false", "windows = Form2 Form4", "close: Form4",
                   "Form2.Enabled = true", "open: Form3", "close: Form2"}));
}

TEST(MainMenu, ClosingTheChooserWithoutAChoiceGivesTheMenuBack) {
  const auto run = runScript("close Form1\nclick Form2.Label5\nprint Form2.Enabled\nclose Form5\n"
                             "print Form2.Enabled\nwindows\n");
  EXPECT_EQ(linesAfter(run, "close: Form1"), (Lines{"open: Form5", "Form2.Enabled = false", "close: Form5",
                                                    "Form2.Enabled = true", "windows = Form2"}));
}

TEST(HelpWindow, HoldsTheTitleAndTheUsageLinesAsWritten) {
  const std::string& text = helpText();
  EXPECT_EQ(text.rfind("Tarmac Warden 1.00\r\n", 0), 0u);
  EXPECT_NE(text.find("\r\n\r\nYour mission is to land the aircraft in the correct \r\ncoordinates.\r\n\r\n"
                      "Example:\r\nPlane 0  have to land  in B,2\r\n\r\n"
                      "You have to bring the plane 0 in B,2 and then press \r\nLand.\r\n\r\n"),
            std::string::npos);
  const auto run = runScript("close Form1\nclick Form2.Label4\nprint Form4.Text1\nprint Form4.Caption\n");
  EXPECT_EQ(linesAfter(run, "open: Form4"),
            (Lines{"Form4.Text1 = " + escapeLine(text), "Form4.Caption = Info and Help"}));
}

}  // namespace
}  // namespace tw::test
