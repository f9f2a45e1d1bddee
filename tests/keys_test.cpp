// The game from the keyboard: each key does what the click on its button does, through
// the same handler, and nothing where that click would do nothing.
#include <filesystem>

#include "test_support.h"

namespace tw::test {
namespace {

using Keys = GameTest;

// What a key or its click may change on the game screen.
constexpr const char* kScreen =
    "wait 200\nprint Form1.CL\nprint Form1.Label4\nprint Form1.AereoDir(0)\nprint Form1.Aereo(0).Picture\n"
    "print Form1.Salvati\nwindows\n";

TEST_F(Keys, EachGameScreenKeyDoesWhatItsButtonsClickDoes) {
  for (const auto& [key, click] : std::vector<std::pair<std::string, std::string>>{
           {"Up", "DestAereo(0)"}, {"Down", "DestAereo(1)"}, {"Left", "DestAereo(2)"}, {"Right", "DestAereo(3)"},
           {"Return", "Label1"}, {"Enter", "Label1"}, {"L", "Label1"}, {"P", "Label4"}, {"Space", "Label4"},
           {"Ctrl+S", "Label2"}, {"Ctrl+O", "Label3"}}) {
    // No save left over from the key before.
    std::filesystem::remove(programDir() + "/Save.ini");
    const auto run = [](const std::string& script) { return runScript(script); };
    const auto byKey = run("wait 20\nkey Form1 " + key + "\n" + kScreen);
    const auto byClick = run("wait 20\nclick Form1." + click + "\n" + kScreen);
    // A landing on the wrong cell ends the game either way, and the screen is gone.
    EXPECT_EQ(std::tie(byKey.status, byKey.err, byKey.lines), std::tie(byClick.status, byClick.err, byClick.lines))
        << key;
    EXPECT_NE(byKey.lines, run(std::string("wait 20\n") + kScreen).lines) << key << " did nothing";
  }
  // A key whose button is hidden does nothing.
  const std::string hidePanel = "wait 20\nset Form1.Picture1.Visible false\n";
  EXPECT_EQ(runScript(hidePanel + "key Form1 Up\nkey Form1 Return\nkey Form1 L\n" + kScreen).lines,
            runScript(hidePanel + kScreen).lines);
}

TEST_F(Keys, TabClicksTheNextShownPlaneAndMinimisingPausesForGood) {
  // Paused, nothing moves or collides: three more planes come in on A - 1.
  EXPECT_TRUE(plays({"wait 20", "key Form1 P", "set Form1.NuovoVel 100", "set Form1.Nuovo.Interval 100",
                     "set Form1.Nuovo.Enabled true", "wait 300", "set Form1.Nuovo.Enabled false",
                     "set Form1.Aereo(2).Visible false", "key Form1 Tab", "> sound: 4", "print Form1.Selezionato = 1",
                     "key Form1 Tab", "> sound: 4", "print Form1.Selezionato = 3", "key Form1 Tab", "> sound: 4",
                     "print Form1.Selezionato = 0", "key Form1 Shift+Tab", "> sound: 4", "print Form1.Selezionato = 3",
                     "print Form1.CL = 5"},
                    {}, {"sound: 1"}));
  EXPECT_TRUE(plays({"wait 20", "minimize Form1", "print Form1.Label4 = >", "print Form1.Nuovo.Enabled = false",
                     "minimize Form1", "print Form1.Label4 = >", "key Form1 P", "print Form1.Label4 = ||"}));
}

TEST_F(Keys, MenusMoveAFramePressItWithEnterOrSpaceAndCtrlQEndsTheProgram) {
  EXPECT_TRUE(plays(kMenu + Lines{"key Form2 Down", "key Form2 Down", "key Form2 Return", "> open: Form5", "windows",
                                  "> windows = Form2 Form5", "key Form5 Escape", "> close: Form5", "key Form2 Down",
                                  "key Form2 Down", "key Form2 Space", "> open: Form4", "windows",
                                  "> windows = Form2 Form4", "key Form4 Escape", "> close: Form4", "key Form2 Up",
                                  "key Form2 Up", "key Form2 Tab", "key Form2 Shift+Tab", "key Form2 Return",
                                  "> open: Form5", "key Form5 0", "> open: Form3", "> close: Form2", "> close: Form5",
                                  "print Form3.LV = 10"}));
  EXPECT_EQ(runScript("close Form1\nclick Form2.Label5\nkey Form5 B\nprint Form3.LV\n").lines.back(), "Form3.LV = 11");
  // Enter presses "Continue" on the next-level window.
  EXPECT_TRUE(plays({"wait 20", "set Form1.Salvati 0", "wait 5", "key Form3 Return",
                     "print Form3.Label1.Visible = false", "print Form3.Timer1.Enabled = true"},
                    {}, {"open: Form3", "open: Form2", "sound: 8", "close: Form1", "close: Form2"}));
  EXPECT_TRUE(plays({"key Form1 Ctrl+Q", "> close: Form1", "> exit", "print Form1.LV"}));
  EXPECT_TRUE(plays(kMenu + Lines{"click Form2.Label4", "> open: Form4", "key Form4 Ctrl+Q", "> close: Form4",
                                  "> close: Form2", "> exit"}));
}

TEST_F(Keys, MuteIsKeptForThePlayerAcrossRunsAndStillReportsCues) {
  EXPECT_TRUE(plays({"print Program.Muted = false", "key Form1 M", "print Program.Muted = true",
                     "print Form1.Caption = Tarmac Warden - an air traffic control game by the Tarmac Warden "
                     "developers (muted)",
                     "click Form1.DestAereo(0)", "> sound: 7"}));
  EXPECT_TRUE(plays({"print Program.Muted = true"}));
  EXPECT_TRUE(plays({"print Program.Muted = true"}, {"--mute"}));
  EXPECT_TRUE(plays({"print Program.Muted = true", "key Form1 M", "print Program.Muted = false"}));
  EXPECT_TRUE(plays({"print Program.Muted = false"}));
  EXPECT_EQ(runScript("key Form1 Banana\n").err, "error: line 1: unknown key 'Banana'\n");
}

}  // namespace
}  // namespace tw::test
