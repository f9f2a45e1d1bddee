// What scripts, files and options throw at the game: it says what is wrong, or copes, and
// never crashes, hangs or loses a save.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <fstream>
#include <sstream>

#include "test_support.h"

namespace tw::test {
namespace {

TEST(Hardening, TheInsertionPointStaysInsideTheTextAndCountsCharacters) {
  const auto run = runScript(
      // The setup of level 2 writes "19000" under an insertion point set past it.
      "set Form1.NuovoVel.Visible true\nset Form1.NuovoVel.SelStart 7\nset Form1.LV 2\nwait 20\n"
      "type Form1.NuovoVel x\nprint Form1.NuovoVel\nprint Form1.NuovoVel.SelStart\n"
      // An accented level: the landing's line is 37 bytes but 36 characters.
      "set Form1.Text1 \nset Form1.LV \xC3\xA9\nset Form1.Salvati 3\nset Form1.DT A - 1\nclick Form1.Label1\nprint Form1.Text1\n"
      "print Form1.Text1.SelStart\nset Form1.Text1.SelStart 99\nprint Form1.Text1.SelStart\n");
  ASSERT_EQ(run.status, 0) << run.err;
  EXPECT_EQ(lastLines(run, 6),
            (std::vector<std::string>{"Form1.NuovoVel = 19000x", "Form1.NuovoVel.SelStart = 6", "sound: 6",
                                      "Form1.Text1 = Mission level \xC3\xA9. Land 2 airplanes.\\r\\n",
                                      "Form1.Text1.SelStart = 36", "Form1.Text1.SelStart = 36"}));
}

ScriptRun runScriptFile(const std::string& path) { return runCommandLine({"--headless", "--script", path}); }

TEST(Hardening, TheScriptReaderSaysWhatIsWrongInOneLine) {
  TempDir dir;
  const struct {
    std::string script;
    std::string error;
  } cases[] = {
      {std::string(100'000, 'x'), "error: line 1: a line longer than 64 KiB\n"},
      {"wait 1\nwait 9223372036854775807\n", "error: line 2: wait 9223372036854775807 goes beyond what the clock holds\n"},
      {"wait 4611686018427387904\n", "error: line 1: wait 4611686018427387904 goes beyond what the clock holds\n"},
      {std::string(60'000, 'y') + "\n", "error: line 1: unknown command '" + std::string(183, 'y') + "...\n"},
  };
  for (const auto& c : cases) {
    std::ofstream(dir.path() + "/script") << c.script;
    EXPECT_EQ(runScriptFile(dir.path() + "/script").err, c.error) << c.script.substr(0, 40);
  }
  const ScriptRun folder = runScriptFile(dir.path());
  EXPECT_EQ(folder.status, 2);
  EXPECT_EQ(folder.err, "error: line 1: the script cannot be read: Is a directory\n");
}

TEST(Hardening, SaveSaysSavedOnlyForWhatLoadsBack) {
  TempDir dir;
  const auto run = runScript(
      "set Form1.LV 2\",\"9\",\"9\",\"9\nclick Form1.Label2\nset Form1.LV 3\nset Form1.CL 1099511627776\n"
      "click Form1.Label2\nset Form1.CL 5\nclick Form1.Label3\nwait 100\nprint Form1.CL\n",
      {"--program-dir", dir.path()});
  EXPECT_EQ(linesAfter(run, "sound: 1"),
            (std::vector<std::string>{"message: The game could not be saved.", "message: Saved",
                                      "message: Are you ready?", "Form1.CL = 1099511627776"}));
}

TEST(Hardening, WithNoDisplayThePlayerIsToldToTryHeadless) {
  TempDir dir;
  const std::string err = dir.path() + "/err";
  const int status = std::system(("env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM " TW_EXECUTABLE " 2>" + err).c_str());
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 2);
  std::ifstream in(err);
  std::string first;
  std::getline(in, first);
  EXPECT_EQ(first, "tarmac-warden: cannot open a display; try --headless");
}

}  // namespace
}  // namespace tw::test
