// The game screen as it opens, its clock and pause, its size lock, the selection and the log.
#include "test_support.h"

namespace tw::test {
namespace {

using GameScreen = GameTest;
using Selection = GameTest;
using MessageLog = GameTest;

TEST_F(GameScreen, OpensOnLevelOneAsDesignedUndoesAnyResizeAndClosingShowsTheMainMenu) {
  EXPECT_TRUE(plays({"> open: Form1", "> sound: 4", "> sound: 1", "print Form1.LV = 1", "print Form1.CL = 1",
                     "print Form1.Salvati = 5", "print Form1.PO = A - 1", "print Form1.AT = 250",
                     "print Form1.Picture1.Visible = true", "print Form1.Plane = 0", "print Form1.Selezionato = 0",
                     "print Form1.TM = 0", "print Form1.Alt(0) = 250", "print Form1.Aereo(0).Left = 720",
                     "print Form1.Aereo(0).Top = 720", "print Form1.Label4 = ||", "print Form1.Vel = 5000",
                     "print Form1.NuovoVel = 20000", "print Form1.NascVel = 30000",
                     "print Form1.Nascondi.Interval = 30000", "print Form1.Tempo = true", "print Form1.Controlla = true",
                     "print Form1.Posizione = true", "print Form1.Start = true", "print Form1.Linea5 = true",
                     "print Form1.Act = false", "print Form1.Nuovo = false", "print Form1.Nascondi = true",
                     "print Form1.Carica = false", "print Form1.Act.Interval = 1000", "print Form1.Carica.Interval = 100",
                     // Any resize is undone; closing shows the main menu.
                     "set Form1.Width 5000", "print Form1.Width = 12000", "set Form1.Height 20000",
                     "print Form1.Height = 9300", "close Form1", "> open: Form2", "> sound: 8", "> close: Form1",
                     "windows", "> windows = Form2"}));
}

// Each of them left running would move, spawn, count or end the level behind the pause.
Lines pausable(const std::string& state) {
  Lines prints;
  for (const char* timer : {"Linea5", "Stelle", "Posizione", "Act", "Controlla", "Nuovo", "Tempo", "Conflitto"}) {
    prints.push_back(std::string("print Form1.") + timer + " = " + state);
  }
  return prints;
}

TEST_F(GameScreen, TheClockStandsStillWhilePausedAndPauseStopsItsEightTimers) {
  EXPECT_TRUE(plays({"wait 2999", "print Form1.TM = 2", "wait 1", "print Form1.TM = 3", "click Form1.Label4",
                     "wait 5000", "print Form1.TM = 3", "click Form1.Label4", "wait 999", "print Form1.TM = 3",
                     "wait 1", "print Form1.TM = 4"},
                    {}, {"sound: 1"}));
  EXPECT_TRUE(plays(Lines{"wait 20", "click Form1.Label4", "print Form1.Label4 = >"} +
                    pausable("false") +
                    // The selection's one-shot timer runs on, ticks once 30 s after the selection, and changes nothing.
                    Lines{"print Form1.Nascondi = true", "wait 30000", "print Form1.Nascondi = false",
                          "print Form1.Picture1.Visible = true", "click Form1.Label4", "print Form1.Label4 = ||"} +
                    pausable("true") +
                    // Any other text is no state of the button.
                    Lines{"set Form1.Label4 pause", "click Form1.Label4", "print Form1.Label4 = pause",
                          "print Form1.Tempo = true"}));
}

// Plane 1 comes in on A - 1 at 20010 ms while plane 0 reaches A - 5 on its fourth step.
TEST_F(Selection, TheClickedPlaneFillsTheInfoPanelWhichThenFollowsIt) {
  EXPECT_TRUE(plays({"wait 20010", "set Form1.AereoDir(1) e", "set Form1.AereoDest1(1) G", "set Form1.AereoDest2(1) 3",
                     "set Form1.CL 7", "click Form1.Aereo(1)", "> sound: 4", "print Form1.CL = 8",
                     "print Form1.Plane = 1", "print Form1.Dir(1) = Est", "print Form1.Dest(1) = G - 3",
                     "print Form1.DI = Est", "print Form1.DT = G - 3", "wait 1", "print Form1.Selezionato = 1",
                     "print Form1.PO = A - 1", "print Form1.DT = G - 3", "print Form1.AT = 250",
                     // No heading code keeps the name; a count that is no number stays, the rest happens.
                     "set Form1.AereoDir(1) x", "set Form1.CL ", "set Form1.Picture1.Visible false",
                     "click Form1.Aereo(1)", "> sound: 4", "print Form1.DI = Est", "print Form1.CL = ",
                     "print Form1.Picture1.Visible = true", "set Form1.Aereo(1).Visible false", "click Form1.Aereo(1)",
                     "click Form1.Aereo(0)", "> sound: 4", "print Form1.AT = 210", "wait 1", "print Form1.PO = A - 5"},
                    {}, {"sound: 1"}));
}

TEST_F(MessageLog, TheSetupMakesTheCaretABlockThatStaysAndEachAppendMovesToTheEnd) {
  const std::string briefing = "New message: Mission level 1. Land 5 airplanes.\\r\\n";
  EXPECT_TRUE(plays({"print Form1.Text1.CaretWidth = 0", "print Form1.Text1.CaretHeight = 19", "wait 10",
                     "print Form1.Text1.CaretWidth = 8", "print Form1.Text1.CaretHeight = 19",
                     "print Form1.LarghezzaCursore = 8", "print Form1.Text1 = " + briefing,
                     "type Form1.Text1 hello", "print Form1.Text1.SelStart = 49", "set Form1.Text1.SelStart 3",
                     "wait 20000", "print Form1.Text1 = " + briefing + "Airplane 1 in arrives  to gate G - 4\\r\\n",
                     "print Form1.Text1.SelStart = 87", "close Form1", "print Form1.LarghezzaCursore = 8"},
                    {}, {"sound: 1", "open: Form2", "sound: 8", "close: Form1"}));
}

}  // namespace
}  // namespace tw::test
