// Save and Load on the game screen and from the main menu.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "test_support.h"

namespace tw::test {
namespace {

using Lines = std::vector<std::string>;

std::string contentOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream s;
  s << in.rdbuf();
  return s.str();
}

ScriptRun runIn(const TempDir& dir, const std::string& script) {
  return runScript(script, {"--program-dir", dir.path()});
}

// What a load must leave alone when it refuses a file.
const char* const kGameState =
    "print Form1.LV\nprint Form1.CL\nprint Form1.TM\nprint Form1.Salvati\nprint Form1.Text1\n"
    "print Form1.Caricato\nprint Form1.Start\nprint Form1.Act\nprint Form1.Vel\n";

TEST(SavedGame, SaveThenLoadRestoresTheFourCountersAndLeavesOneBriefing) {
  TempDir dir;
  const auto run = runIn(dir,
                         "wait 20\nset Form1.LV 3\nset Form1.CL 17\nset Form1.TM 245\nset Form1.Salvati 4\n"
                         "click Form1.Label2\nset Form1.LV 7\nset Form1.CL 2\nset Form1.TM 9\nset Form1.Salvati 2\n"
                         "set Form1.Vel 1234\nclick Form1.Label3\nwait 99\nprint Form1.LV\nwait 1\n"
                         "print Form1.LV\nprint Form1.CL\nprint Form1.TM\nprint Form1.Salvati\nprint Form1.Vel\n"
                         "print Form1.NuovoVel\nprint Form1.Text1\nprint Form1.Caricato\nwait 10\n"
                         "print Form1.Caricato\nprint Form1.Salvati\nprint Form1.Text1\nprint Form1.Act\n");
  const std::string briefing = "Form1.Text1 = New message: Mission level 3. Land 4 airplanes.\\r\\n";
  EXPECT_EQ(linesAfter(run, "message: Saved"),
            (Lines{"Form1.LV = 7", "message: Are you ready?", "Form1.LV = 3", "Form1.CL = 17", "Form1.TM = 245",
                   "Form1.Salvati = 4", "Form1.Vel = 5000", "Form1.NuovoVel = 20000", briefing,
                   "Form1.Caricato = 1", "Form1.Caricato = 0", "Form1.Salvati = 4", briefing, "Form1.Act = true"}));
  EXPECT_EQ(contentOf(dir.path() + "/Save.ini"), "\"3\",\"17\",\"245\",\"4\"\r\n");
}

TEST(SavedGame, UnquotedFieldsLoadAndAnEmptyCountToLandLoadsAsFive) {
  TempDir dir;
  std::ofstream(dir.path() + "/Save.ini", std::ios::binary) << "2, 4 ,60,\r\n";
  const auto run = runIn(dir, "click Form1.Label3\nwait 100\nprint Form1.LV\nprint Form1.CL\nprint Form1.Salvati\n");
  EXPECT_EQ(linesAfter(run, "message: Are you ready?"),
            (Lines{"Form1.LV = 2", "Form1.CL = 4", "Form1.Salvati = 5"}));
}

// The load's flag outlives the screen it was meant for; the next level must still be set up.
TEST(SavedGame, ALoadedLevelThatIsAlreadyDoneLeadsToAFullNextLevel) {
  TempDir dir;
  std::ofstream(dir.path() + "/Save.ini", std::ios::binary) << "2,4,60,-2\r\n";
  const auto run = runIn(dir, "click Form1.Label3\nwait 101\nprint Form3.LV\nclick Form3.Label1\nwait 3001\n"
                              "windows\nprint Form1.Salvati\nwait 9\nprint Form1.Salvati\nprint Form1.Caricato\n");
  EXPECT_EQ(linesAfter(run, "close: Form3"), (Lines{"windows = Form1", "Form1.Salvati = ", "Form1.Salvati = 12",
                                                    "Form1.Caricato = 0"}));
  EXPECT_NE(std::find(run.lines.begin(), run.lines.end(), "Form3.LV = 3"), run.lines.end());
}

TEST(SavedGame, AMissingOrDamagedFileChangesNothing) {
  for (const std::string content : {"", "3,17,245", "3,17,abc,4\r\n", "\"3\",\"17\",\"245\",\"4"}) {
    TempDir dir;
    const std::string path = dir.path() + "/Save.ini";
    if (!content.empty()) std::ofstream(path, std::ios::binary) << content;
    const auto run = runIn(dir, std::string("wait 20\n") + kGameState + "click Form1.Label3\nwait 100\n" + kGameState);
    const std::string message = content.empty() ? "message: No saved game found."
                                                : "message: The saved game is damaged and was not loaded.";
    // The same state printed before the load and after its message.
    const auto at = std::find(run.lines.begin(), run.lines.end(), message);
    ASSERT_NE(at, run.lines.end()) << content;
    ASSERT_EQ(run.lines.end() - at, 10) << content;
    ASSERT_GE(at - run.lines.begin(), 9) << content;
    const Lines after(at + 1, run.lines.end());
    EXPECT_EQ(Lines(at - 9, at), after) << content;
    EXPECT_EQ(after[5], "Form1.Caricato = 0");
    if (content.empty()) {
      EXPECT_FALSE(std::filesystem::exists(path));
    } else {
      EXPECT_EQ(contentOf(path), content);
    }
  }
}

TEST(SavedGame, AFailedSaveSaysSoAndKeepsWhatWasThere) {
  TempDir dir;
  // A folder in the file's place cannot be replaced by a file, even by root.
  std::filesystem::create_directory(dir.path() + "/Save.ini");
  std::ofstream(dir.path() + "/Save.ini/kept") << "kept";
  const auto run = runIn(dir, "click Form1.Label2\n");
  EXPECT_EQ(run.lines.back(), "message: The game could not be saved.");
  EXPECT_EQ(contentOf(dir.path() + "/Save.ini/kept"), "kept");
  // No temporary file is left behind.
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(SavedGame, LoadGameFromTheMenuOpensTheScreenAndLoadsOrSaysWhyNot) {
  for (const bool saved : {true, false}) {
    TempDir dir;
    if (saved) std::ofstream(dir.path() + "/Save.ini", std::ios::binary) << "\"6\",\"3\",\"80\",\"9\"\r\n";
    const auto run = runIn(dir, "close Form1\nclick Form2.Label3\nwait 100\nprint Form1.LV\nprint Form1.Salvati\n"
                                "print Form1.Text1\n");
    const Lines after = linesAfter(run, "close: Form1");
    ASSERT_GE(after.size(), 5u);
    EXPECT_EQ(Lines(after.begin(), after.begin() + 2), (Lines{"open: Form1", "sound: 4"}));
    EXPECT_NE(std::find(after.begin(), after.end(), "close: Form2"), after.end());
    const Lines expected =
        saved ? Lines{"message: Are you ready?", "Form1.LV = 6", "Form1.Salvati = 9",
                      "Form1.Text1 = New message: Mission level 6. Land 9 airplanes.\\r\\n"}
              : Lines{"message: No saved game found.", "Form1.LV = 1", "Form1.Salvati = 5",
                      "Form1.Text1 = New message: Mission level 1. Land 5 airplanes.\\r\\n"};
    EXPECT_EQ(Lines(after.end() - 4, after.end()), expected);
  }
}

}  // namespace
}  // namespace tw::test
