// The game screen as it opens, its clock, its pause, its size lock and its message log.
#include <gtest/gtest.h>

#include "test_support.h"

namespace tw::test {
namespace {

TEST(GameScreen, OpensOnLevelOneWithPlaneZeroSelectedAndItsTimersAsDesigned) {
  const auto run = runScript(
      "print Form1.LV\nprint Form1.CL\nprint Form1.Salvati\nprint Form1.PO\nprint Form1.AT\n"
      "print Form1.Picture1.Visible\nprint Form1.Plane\nprint Form1.Selezionato\nprint Form1.TM\n"
      "print Form1.Alt(0)\nprint Form1.Aereo(0).Left\nprint Form1.Aereo(0).Top\nprint Form1.Label4\n"
      "print Form1.Vel\nprint Form1.NuovoVel\nprint Form1.NascVel\nprint Form1.Nascondi.Interval\n"
      // Which timers run from the opening on.
      "print Form1.Tempo\nprint Form1.Controlla\nprint Form1.Posizione\nprint Form1.Start\nprint Form1.Linea5\n"
      "print Form1.Act\nprint Form1.Nuovo\nprint Form1.Nascondi\nprint Form1.Carica\nprint Form1.Act.Interval\nprint Form1.Carica.Interval\n");
  EXPECT_EQ(run.status, 0);
  EXPECT_EQ(run.lines, (std::vector<std::string>{
                           "open: Form1", "sound: 4", "sound: 1", "Form1.LV = 1", "Form1.CL = 1",
                           "Form1.Salvati = 5", "Form1.PO = A - 1", "Form1.AT = 250",
                           "Form1.Picture1.Visible = true", "Form1.Plane = 0", "Form1.Selezionato = 0",
                           "Form1.TM = 0", "Form1.Alt(0) = 250", "Form1.Aereo(0).Left = 720",
                           "Form1.Aereo(0).Top = 720", "Form1.Label4 = ||", "Form1.Vel = 5000",
                           "Form1.NuovoVel = 20000", "Form1.NascVel = 30000", "Form1.Nascondi.Interval = 30000",
                           "Form1.Tempo = true", "Form1.Controlla = true", "Form1.Posizione = true",
                           "Form1.Start = true", "Form1.Linea5 = true", "Form1.Act = false", "Form1.Nuovo = false", "Form1.Nascondi = true",
                           "Form1.Carica = false", "Form1.Act.Interval = 1000", "Form1.Carica.Interval = 100"}));
}

TEST(GameScreen, TheClockCountsSecondsAndStandsStillWhilePaused) {
  const auto run = runScript(
      "wait 2999\nprint Form1.TM\nwait 1\nprint Form1.TM\nclick Form1.Label4\nprint Form1.Label4\n"
      "print Form1.Conflitto\nwait 5000\nprint Form1.TM\nclick Form1.Label4\nprint Form1.Label4\n"
      "print Form1.Conflitto\nwait 999\nprint Form1.TM\nwait 1\nprint Form1.TM\n");
  EXPECT_EQ(linesAfter(run, "sound: 1"),
            (std::vector<std::string>{"Form1.TM = 2", "Form1.TM = 3", "Form1.Label4 = >", "Form1.Conflitto = false",
                                      "Form1.TM = 3", "Form1.Label4 = ||", "Form1.Conflitto = true",
                                      "Form1.TM = 3", "Form1.TM = 4"}));
}

TEST(GameScreen, ThePauseButtonIgnoresAnyOtherText) {
  Game game;
  Form1& f = game.form1();
  f.Label4->text = "pause";
  game.app().click(*f.Label4);
  EXPECT_EQ(f.Label4->text, "pause");
  EXPECT_TRUE(f.Tempo.enabled());
}

TEST(GameScreen, FermaTuttoStopsTheGameTimersButNotTheCollisionCheck) {
  Game game;
  game.advance(20);
  Form1& f = game.form1();
  f.FermaTutto();
  for (Timer* t : {&f.Linea5, &f.Stelle, &f.Posizione, &f.Act, &f.Controlla, &f.Nuovo, &f.Tempo}) {
    EXPECT_FALSE(t->enabled()) << t->name();
  }
  EXPECT_TRUE(f.Conflitto.enabled());
}

TEST(GameScreen, AnyResizeIsUndoneAndClosingShowsTheMainMenu) {
  const auto run = runScript("set Form1.Width 5000\nprint Form1.Width\nset Form1.Height 20000\nprint Form1.Height\n"
                             "close Form1\nwindows\n");
  const auto after = linesAfter(run, "sound: 1");
  ASSERT_GE(after.size(), 4u);
  EXPECT_EQ(after[0], "Form1.Width = 12000");
  EXPECT_EQ(after[1], "Form1.Height = 9300");
  EXPECT_EQ(after[2], "open: Form2");
  EXPECT_EQ(after[after.size() - 2], "close: Form1");
  EXPECT_EQ(after.back(), "windows = Form2");
}

TEST(GameScreen, SelectingCountsEveryClickAndFillsTheInfoPanel) {
  Game game;
  Form1& f = game.form1();
  f.planes[0].AereoDir = "e";
  f.planes[0].AereoDest1 = "G";
  f.planes[0].AereoDest2 = "3";
  f.CL->text = "7";
  game.app().click(*f.planes[0].Aereo);
  EXPECT_EQ(f.CL->text, "8");
  EXPECT_EQ(f.planes[0].Dir, "Est");
  EXPECT_EQ(f.DI->text, "Est");
  EXPECT_EQ(f.planes[0].Dest, "G - 3");
  EXPECT_EQ(f.DT->text, "G - 3");
  f.planes[0].AereoDir = "x";  // no heading code: the name stays
  f.CL->text = "";               // a count that is no number stays, the rest still happens
  f.Picture1->visible = false;
  game.app().click(*f.planes[0].Aereo);
  EXPECT_EQ(f.DI->text, "Est");
  EXPECT_EQ(f.CL->text, "");
  EXPECT_TRUE(f.Picture1->visible);
}

TEST(GameScreen, AHiddenPlaneOrADisabledWindowTakesNoClick) {
  Game game;
  Form1& f = game.form1();
  f.planes[0].Aereo->visible = false;
  game.app().click(*f.planes[0].Aereo);
  EXPECT_EQ(f.CL->text, "1");
  f.planes[0].Aereo->visible = true;
  f.enabled = false;
  game.app().click(*f.planes[0].Aereo);
  EXPECT_EQ(f.CL->text, "1");
}

TEST(MessageLog, AppendsLinesMovesToTheEndAndShowsTheBlockCaret) {
  Game game;
  Form1& f = game.form1();
  EXPECT_EQ(f.Text1->text, "");
  EXPECT_EQ(f.Text1->caretWidth, 0);  // the thin caret until the first mission setup
  EXPECT_EQ(f.Text1->caretHeight, 19);
  f.appendMessage("x");
  f.appendMessage("y");
  EXPECT_EQ(f.Text1->text, "x\r\ny\r\n");
  EXPECT_EQ(f.Text1->selStart, 0);
  f.moveLogToEnd();
  EXPECT_EQ(f.Text1->selStart, 6);
  f.LarghezzaCursore = 8;
  f.appendMessage("z");
  EXPECT_EQ(f.Text1->caretWidth, 8);
  f.clearLog();
  EXPECT_EQ(f.Text1->text, "");
  EXPECT_EQ(f.Text1->selStart, 0);
}

TEST(MessageLog, TheMissionSetupMakesTheCaretABlockThatStaysAcrossLevels) {
  const auto run = runScript("print Form1.Text1.CaretWidth\nwait 10\nprint Form1.Text1.CaretWidth\n"
                             "print Form1.Text1.CaretHeight\nprint Form1.LarghezzaCursore\nprint Form1.Text1\n"
                             "type Form1.Text1 hello\nprint Form1.Text1.SelStart\nclose Form1\n"
                             "print Form1.LarghezzaCursore\n");
  const auto after = linesAfter(run, "sound: 1");
  ASSERT_GE(after.size(), 7u);
  EXPECT_EQ(after[0], "Form1.Text1.CaretWidth = 0");
  EXPECT_EQ(after[1], "Form1.Text1.CaretWidth = 8");
  EXPECT_EQ(after[2], "Form1.Text1.CaretHeight = 19");
  EXPECT_EQ(after[3], "Form1.LarghezzaCursore = 8");
  EXPECT_EQ(after[4], "Form1.Text1 = New message: Mission level 1. Land 5 airplanes.\\r\\n");
  EXPECT_EQ(after[5], "Form1.Text1.SelStart = 49");  // typing changed nothing
  EXPECT_EQ(after.back(), "Form1.LarghezzaCursore = 8");
}

}  // namespace
}  // namespace tw::test
