// The command line and the script language that outside checks drive the game with, and what
// scripts, files and options throw at it: it says what is wrong in one line, or copes.
#include <sys/wait.h>

#include <cstdlib>

#include "test_support.h"

namespace tw::test {
namespace {

using ScriptRunner = GameTest;
using ClickAt = GameTest;
using CommandLine = GameTest;

TEST_F(ScriptRunner, PrintsTimeWindowsAndEscapedValuesKeepsTheInsertionPointInsideAndErrorsNameTheLine) {
  EXPECT_TRUE(plays({"# a comment", "", "time", "> time = 0", "wait 250", "time", "> time = 250", "windows",
                     "> windows = Form1", "set Form1.LV a\\b\r", "print Form1.LV = a\\\\b", "set Form1.DT a - 1",
                     "print Form1.DT = a - 1", "set Form1.Caricato 1", "print Form1.Caricato = 1",
                     "print Form1.Aereo(0).Picture = s.jpg", "print Form2.Visible = false",
                     "print Form1.LET(3) = Directions:", "close Form1", "close Form2", "> close: Form2", "> exit",
                     "print Form1.LV"},
                    {}, {"open: Form2", "sound: 8", "close: Form1"}));
  // The setup of level 2 writes "19000" under an insertion point set past it.
  EXPECT_TRUE(plays({"set Form1.NuovoVel.Visible true", "set Form1.NuovoVel.SelStart 7", "set Form1.LV 2", "wait 20",
                     "type Form1.NuovoVel x", "print Form1.NuovoVel = 19000x", "print Form1.NuovoVel.SelStart = 6",
                     // An accented level: the landing's line is 37 bytes but 36 characters.
                     "set Form1.Text1 ", "set Form1.LV \xC3\xA9", "set Form1.Salvati 3", "set Form1.DT A - 1",
                     "click Form1.Label1", "> sound: 6",
                     "print Form1.Text1 = Mission level \xC3\xA9. Land 2 airplanes.\\r\\n",
                     "print Form1.Text1.SelStart = 36", "set Form1.Text1.SelStart 99",
                     "print Form1.Text1.SelStart = 36"}));
  // Errors name the line and end with status 2.
  const std::pair<std::string, std::string> cases[] = {
      {"time\nfly Form1\n", "line 2: unknown command 'fly'"},
      {"print Form1.Nothing\n", "line 1: unknown name Form1.Nothing"},
      {"print Form9.LV\n", "line 1: unknown window Form9"},
      {"wait soon\n", "line 1: wait takes a whole number of milliseconds, not 'soon'"},
      {"set Form1.Aereo(0).Left far\n", "line 1: not a number: far"},
      {"set Form1.Caricato 70000\n", "line 1: not a 16-bit whole number: 70000"},
      {"print Form3.LV\n", "line 1: unknown name Form3.LV: Form3 is not open"},
      // A closed window's timers stay closed: no handler of a closed window runs.
      {"close Form1\nset Form1.Tempo.Enabled true\nwait 1000\n", "line 2: unknown name Form1.Tempo: Form1 is not open"},
      {"set Form3.Timer1.Enabled true\nwait 200\n", "line 1: unknown name Form3.Timer1: Form3 is not open"},
      {"click Form1.LV(\n", "line 1: bad name 'Form1.LV('"},
      {"print Form1.LV.Colour\n", "line 1: no property Colour"},
      {"type Form1.LV abc\n", "line 1: LV is not a text box"},
      {"screenshot Form1 /tmp/x.png\n", "line 1: cannot save a screenshot of Form1 to /tmp/x.png"},
      {"click-at Form3 10 10\n", "line 1: Form3 is not open"},
      {"click-at Form1 10\n", "line 1: click-at takes a point in twips, not '10'"},
      {"click-at Form1 10 ten\n", "line 1: click-at takes a point in twips, not '10 ten'"},
      {"click-at Form1 10 10 10\n", "line 1: click-at takes a point in twips, not '10 10 10'"},
      {std::string(100'000, 'x'), "line 1: a line longer than 64 KiB"},
      {"wait 1\nwait 9223372036854775807\n", "line 2: wait 9223372036854775807 goes beyond what the clock holds"},
      {"wait 4611686018427387904\n", "line 1: wait 4611686018427387904 goes beyond what the clock holds"},
      {std::string(60'000, 'y') + "\n", "line 1: unknown command '" + std::string(183, 'y') + "..."},
  };
  for (const auto& [script, error] : cases) {
    const auto run = runScript(script);
    EXPECT_EQ(run.status, 2) << script.substr(0, 40);
    EXPECT_EQ(run.err, "error: " + error + "\n") << script.substr(0, 40);
  }
  TempDir dir;
  const ScriptRun folder = runCommandLine({"--headless", "--script", dir.path()});
  EXPECT_EQ(folder.status, 2);
  EXPECT_EQ(folder.err, "error: line 1: the script cannot be read: Is a directory\n");
}

// A click at a point reaches what the player's mouse would reach there: the topmost shown,
// enabled element that takes clicks, never a star or a sweep line.
TEST_F(ClickAt, ReachesThePlaneThroughStarsAndSweepLinesAndNothingElse) {
  const Lines plane0 = {"click-at Form1 1020 1020"};  // the centre of plane 0 on A - 1
  EXPECT_TRUE(plays(Lines{"wait 20", "set Form1.Stars(50).Left 950", "set Form1.Stars(50).Top 900"} + plane0 +
                    Lines{"> sound: 4", "print Form1.CL = 2", "set Form1.Lin5.Left 1015", "set Form1.Ln6.Top 1015"} +
                    plane0 + Lines{"> sound: 4", "print Form1.CL = 3", "click-at Form1 3000 3000",
                                   "set Form1.Aereo(0).Visible false"} +
                    plane0 + Lines{"click-at Form1 99999 1020", "print Form1.CL = 3", "click-at Form1 8827 5467",
                                   "print Form1.Label4 = >"}));
  // The centre of the menu's "New game (Normal Game)", behind the help window.
  EXPECT_TRUE(plays(kMenu + Lines{"click Form2.Label4", "> open: Form4", "click-at Form2 2407 1027", "close Form4",
                                  "> close: Form4", "click-at Form2 2407 1027", "> open: Form3", "> close: Form2"}));
}

TEST_F(CommandLine, AcceptsTheDocumentedOptionsRejectsBadOnesAndWithNoDisplaySaysTryHeadless) {
  const auto parsed = parseCommandLine({"--headless", "--script", "-", "--timer-resolution", "1",
                                        "--time-of-day", "86399", "--program-dir", TW_ASSETS_DIR});
  ASSERT_EQ(parsed.error, "");
  EXPECT_TRUE(parsed.options.headless);
  EXPECT_EQ(*parsed.options.script, "-");
  EXPECT_EQ(parsed.options.timerResolution, 1);
  EXPECT_EQ(parsed.options.timeOfDay, 86399);
  EXPECT_EQ(*parsed.options.programDir, TW_ASSETS_DIR);
  EXPECT_EQ(parseCommandLine({}).options.timerResolution, 16);
  for (const Lines& args : std::vector<Lines>{
           {"--timer-resolution", "0"}, {"--timer-resolution", "1001"}, {"--timer-resolution", "1.5"},
           {"--time-of-day", "86400", "--script", "x"}, {"--time-of-day", "-1", "--script", "x"},
           {"--headless"}, {"--script"}, {"--fullscreen"}, {"--time-of-day", "5"},
           {"--program-dir", TW_ASSETS_DIR "/Plane/1.wav", "--headless", "--script", "-"}, {"--level", "3"},
           {"--demo", "--level", "12"}, {"--demo", "--games", "2"}, {"--headless", "--demo", "--games", "0"},
           {"--demo", "--script", "-"}}) {
    EXPECT_NE(parseCommandLine(args).error, "") << args[0];
  }
  TempDir dir;
  const std::string err = dir.path() + "/err";
  const int status = std::system(("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " TW_EXECUTABLE " 2>" + err).c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
  EXPECT_EQ(readFile(err), "tarmac-warden: cannot open a display; try --headless\n");
}

}  // namespace
}  // namespace tw::test
