// The game from the keyboard: each key does what the click on its button does, through
// the same handler, and nothing where that click would do nothing.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

#include "test_support.h"

namespace tw::test {
namespace {

// A program folder with the game's pictures and cues, where saves may go.
class ProgramDir {
 public:
  ProgramDir() { std::filesystem::create_directory_symlink(TW_ASSETS_DIR "/Plane", dir_.path() + "/Plane"); }
  ScriptRun run(const std::string& script, std::vector<std::string> args = {}) {
    args.insert(args.end(), {"--program-dir", dir_.path()});
    return runScript(script, args);
  }

 private:
  TempDir dir_;
};

// What a key or its click may change on the game screen.
constexpr const char* kScreen =
    "wait 200\nprint Form1.CL\nprint Form1.Label4\nprint Form1.AereoDir(0)\nprint Form1.Aereo(0).Picture\n"
    "print Form1.Salvati\nwindows\n";

TEST(Keys, EachGameScreenKeyDoesWhatItsButtonsClickDoes) {
  const struct {
    const char* key;
    const char* click;
  } cases[] = {
      {"Up", "DestAereo(0)"}, {"Down", "DestAereo(1)"}, {"Left", "DestAereo(2)"}, {"Right", "DestAereo(3)"},
      {"Return", "Label1"},   {"Enter", "Label1"},      {"L", "Label1"},         {"P", "Label4"},
      {"Space", "Label4"},    {"Ctrl+S", "Label2"},     {"Ctrl+O", "Label3"},
  };
  for (const auto& c : cases) {
    ProgramDir dir;
    const auto byKey = dir.run(std::string("wait 20\nkey Form1 ") + c.key + "\n" + kScreen);
    const auto byClick = dir.run(std::string("wait 20\nclick Form1.") + c.click + "\n" + kScreen);
    // A landing on the wrong cell ends the game either way, and the screen is gone.
    EXPECT_EQ(byKey.status, byClick.status) << c.key;
    EXPECT_EQ(byKey.err, byClick.err) << c.key;
    EXPECT_EQ(byKey.lines, byClick.lines) << c.key;
    EXPECT_NE(byKey.lines, dir.run(std::string("wait 20\n") + kScreen).lines) << c.key << " did nothing";
  }
}

TEST(Keys, AKeyWhoseButtonIsHiddenDoesNothing) {
  ProgramDir dir;
  const std::string hidePanel = "wait 20\nset Form1.Picture1.Visible false\n";
  EXPECT_EQ(dir.run(hidePanel + "key Form1 Up\nkey Form1 Return\nkey Form1 L\n" + kScreen).lines,
            dir.run(hidePanel + kScreen).lines);
}

TEST(Keys, TabClicksTheNextShownPlaneWrappingAround) {
  const auto run = runScript(
      // Paused, nothing moves or collides: three more planes come in on A - 1.
      "wait 20\nkey Form1 P\nset Form1.NuovoVel 100\nset Form1.Nuovo.Interval 100\nset Form1.Nuovo.Enabled true\n"
      "wait 300\n"
      "set Form1.Nuovo.Enabled false\nset Form1.Aereo(2).Visible false\n"
      "key Form1 Tab\nprint Form1.Selezionato\nkey Form1 Tab\nprint Form1.Selezionato\n"
      "key Form1 Tab\nprint Form1.Selezionato\nkey Form1 Shift+Tab\nprint Form1.Selezionato\nprint Form1.CL\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(lastLines(run, 9),
            (std::vector<std::string>{"sound: 4", "Form1.Selezionato = 1", "sound: 4", "Form1.Selezionato = 3",
                                      "sound: 4", "Form1.Selezionato = 0", "sound: 4", "Form1.Selezionato = 3",
                                      "Form1.CL = 5"}));
}

TEST(Keys, MenusMoveAFrameAndPressItWithEnterOrSpace) {
  const auto run = runScript(
      "close Form1\nkey Form2 Down\nkey Form2 Down\nkey Form2 Return\nwindows\n"  // "Choose a level"
      "key Form5 Escape\nkey Form2 Down\nkey Form2 Down\nkey Form2 Space\nwindows\nkey Form4 Escape\n"  // "Info and Help"
      "key Form2 Up\nkey Form2 Up\nkey Form2 Tab\nkey Form2 Shift+Tab\nkey Form2 Return\nkey Form5 0\n"
      "print Form3.LV\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(linesAfter(run, "close: Form1"),
            (std::vector<std::string>{"open: Form5", "windows = Form2 Form5", "close: Form5", "open: Form4",
                                      "windows = Form2 Form4", "close: Form4", "open: Form5", "open: Form3",
                                      "close: Form2", "close: Form5", "Form3.LV = 10"}));
  const auto boss = runScript("close Form1\nclick Form2.Label5\nkey Form5 B\nprint Form3.LV\n");
  EXPECT_EQ(boss.lines.back(), "Form3.LV = 11");
}

TEST(Keys, EnterPressesContinueOnTheNextLevelWindow) {
  const auto run = runScript("wait 20\nset Form1.Salvati 0\nwait 5\nkey Form3 Return\n"
                             "print Form3.Label1.Visible\nprint Form3.Timer1.Enabled\n");
  EXPECT_EQ(lastLines(run, 2),
            (std::vector<std::string>{"Form3.Label1.Visible = false", "Form3.Timer1.Enabled = true"}));
}

TEST(Keys, CtrlQEndsTheProgramWithNoMenuComingBack) {
  for (const char* script : {"key Form1 Ctrl+Q\n", "close Form1\nclick Form2.Label4\nkey Form4 Ctrl+Q\n"}) {
    const auto run = runScript(std::string(script) + "print Form1.LV\n");
    EXPECT_EQ(run.status, 0) << run.err;
    ASSERT_GE(run.lines.size(), 2u);
    EXPECT_EQ(run.lines.back(), "exit") << script;
    EXPECT_NE(run.lines.end()[-2].rfind("close: ", 0), std::string::npos) << script;
    EXPECT_EQ(std::count(run.lines.begin(), run.lines.end(), "open: Form2"), script[0] == 'k' ? 0 : 1) << script;
  }
}

TEST(Keys, MinimisingTheGameScreenPausesItAndItStaysPaused) {
  const auto run = runScript("wait 20\nminimize Form1\nprint Form1.Label4\nprint Form1.Nuovo.Enabled\n"
                             "minimize Form1\nprint Form1.Label4\nkey Form1 P\nprint Form1.Label4\n");
  EXPECT_EQ(linesAfter(run, "sound: 1"), (std::vector<std::string>{"Form1.Label4 = >", "Form1.Nuovo.Enabled = false",
                                                                   "Form1.Label4 = >", "Form1.Label4 = ||"}));
}

TEST(Keys, MuteIsKeptForThePlayerAcrossRunsAndStillReportsCues) {
  TempDir config;
  ScopedEnv xdg("XDG_CONFIG_HOME", config.path().c_str());
  const std::string script = "print Program.Muted\nkey Form1 M\nprint Program.Muted\nprint Form1.Caption\nclick Form1.DestAereo(0)\n";
  const auto first = runScript(script);
  const auto second = runScript("print Program.Muted\n");
  const auto flagged = runScript("print Program.Muted\n", {"--mute"});
  const auto third = runScript(script);
  const auto fourth = runScript("print Program.Muted\n");
  EXPECT_EQ(linesAfter(first, "sound: 1"),
            (std::vector<std::string>{"Program.Muted = false", "Program.Muted = true",
                                      "Form1.Caption = Tarmac Warden - an air traffic control game by the Tarmac "
                                      "Warden developers (muted)",
                                      "sound: 7"}));
  EXPECT_EQ(second.lines.back(), "Program.Muted = true");
  EXPECT_EQ(flagged.lines.back(), "Program.Muted = true");
  EXPECT_EQ(linesAfter(third, "sound: 1")[1], "Program.Muted = false");
  EXPECT_EQ(fourth.lines.back(), "Program.Muted = false");
  EXPECT_EQ(runScript("key Form1 Banana\n").err, "error: line 1: unknown key 'Banana'\n");
}

}  // namespace
}  // namespace tw::test
