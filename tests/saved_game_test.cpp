// Save and Load on the game screen and from the main menu, the Save.ini format, whole writes,
// and where the file goes.
#include <sys/stat.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>

#include "persistence/save_file.h"
#include "system/save_location.h"
#include "test_support.h"

namespace tw::test {
namespace {

using SavedGame = GameTest;
using SaveFile = GameTest;
using SaveLocation = GameTest;

namespace fs = std::filesystem;

std::vector<std::string> in(const TempDir& dir) { return {"--program-dir", dir.path()}; }

TEST_F(SavedGame, SaveThenLoadRestoresTheFourCountersLeavesOneBriefingAndSavedMeansItLoadsBack) {
  TempDir dir;
  const std::string briefing = "print Form1.Text1 = New message: Mission level 3. Land 4 airplanes.\\r\\n";
  EXPECT_TRUE(plays({"wait 20", "set Form1.LV 3", "set Form1.CL 17", "set Form1.TM 245", "set Form1.Salvati 4",
                     "click Form1.Label2", "> message: Saved", "set Form1.LV 7", "set Form1.CL 2", "set Form1.TM 9",
                     "set Form1.Salvati 2", "set Form1.Vel 1234", "click Form1.Label3", "wait 99",
                     "print Form1.LV = 7", "wait 1", "> message: Are you ready?", "print Form1.LV = 3",
                     "print Form1.CL = 17", "print Form1.TM = 245", "print Form1.Salvati = 4", "print Form1.Vel = 5000",
                     "print Form1.NuovoVel = 20000", briefing, "print Form1.Caricato = 1", "wait 10",
                     "print Form1.Caricato = 0", "print Form1.Salvati = 4", briefing, "print Form1.Act = true"},
                    in(dir)));
  EXPECT_EQ(readFile(dir.path() + "/Save.ini"), "\"3\",\"17\",\"245\",\"4\"\r\n");
  // Saved is said only for what loads back.
  EXPECT_TRUE(plays({"set Form1.LV 2\",\"9\",\"9\",\"9", "click Form1.Label2", "> message: The game could not be saved: its counters are not whole numbers.",
                     "set Form1.LV 3", "set Form1.CL 1099511627776", "click Form1.Label2", "> message: Saved",
                     "set Form1.CL 5", "click Form1.Label3", "wait 100", "> message: Are you ready?",
                     "print Form1.CL = 1099511627776"},
                    in(dir)));
}

TEST_F(SavedGame, UnquotedFieldsLoadAnEmptyCountToLandLoadsAsFiveAndADoneLevelLeadsToAFullNextOne) {
  TempDir dir;
  writeFile(dir.path() + "/Save.ini", "2, 4 ,60,\r\n");
  EXPECT_TRUE(plays({"click Form1.Label3", "wait 100", "> message: Are you ready?", "print Form1.LV = 2",
                     "print Form1.CL = 4", "print Form1.Salvati = 5"},
                    in(dir)));
  // The load's flag outlives the screen it was meant for; the next level must still be set up.
  writeFile(dir.path() + "/Save.ini", "2,4,60,-2\r\n");
  EXPECT_TRUE(plays({"click Form1.Label3", "wait 101", "print Form3.LV = 3", "click Form3.Label1", "wait 3001",
                     "windows", "> windows = Form1", "print Form1.Salvati = ", "wait 9", "print Form1.Salvati = 12",
                     "print Form1.Caricato = 0"},
                    in(dir), {"message: Are you ready?", "open: Form3", "open: Form2", "sound: 8", "close: Form1",
                              "close: Form2", "sound: 2", "open: Form1", "sound: 4", "sound: 1", "close: Form3"}));
}

TEST_F(SavedGame, AMissingOrDamagedFileChangesNothing) {
  const Lines state = {"print Form1.LV = 1", "print Form1.CL = 1", "print Form1.TM = 0", "print Form1.Salvati = 5",
                       "print Form1.Text1 = New message: Mission level 1. Land 5 airplanes.\\r\\n",
                       "print Form1.Caricato = 0", "print Form1.Start = false", "print Form1.Act = true",
                       "print Form1.Vel = 5000"};
  for (const std::string content : {"", "3,17,245", "3,17,abc,4\r\n", "\"3\",\"17\",\"245\",\"4"}) {
    TempDir dir;
    const std::string path = dir.path() + "/Save.ini";
    if (!content.empty()) writeFile(path, content);
    const std::string said = content.empty() ? "No saved game found." : "The saved game is damaged and was not loaded.";
    EXPECT_TRUE(plays(Lines{"wait 20"} + state + Lines{"click Form1.Label3", "wait 100", "> message: " + said} + state,
                      in(dir)))
        << content;
    EXPECT_EQ(fs::exists(path) ? readFile(path) : "", content);
  }
}

TEST_F(SavedGame, AFailedSaveSaysSoAndKeepsWhatWasThere) {
  TempDir dir;
  // A folder in the file's place cannot be replaced by a file, even by root.
  fs::create_directory(dir.path() + "/Save.ini");
  writeFile(dir.path() + "/Save.ini/kept", "kept");
  EXPECT_TRUE(plays({"click Form1.Label2", "> message: The game could not be saved: Save.ini is not a regular file."},
                    in(dir)));
  EXPECT_EQ(readFile(dir.path() + "/Save.ini/kept"), "kept");
  EXPECT_EQ(std::distance(fs::directory_iterator(dir.path()), {}), 1);  // no temporary file left
}

TEST_F(SavedGame, LoadGameFromTheMenuOpensTheScreenAndLoadsOrSaysWhyNot) {
  for (const bool saved : {true, false}) {
    TempDir dir;
    if (saved) writeFile(dir.path() + "/Save.ini", "\"6\",\"3\",\"80\",\"9\"\r\n");
    const std::string level = saved ? "6" : "1";
    const std::string toLand = saved ? "9" : "5";
    EXPECT_TRUE(plays(kMenu + Lines{"click Form2.Label3", "> open: Form1", "> sound: 4", "> sound: 1", "> close: Form2",
                                    "wait 100", saved ? "> message: Are you ready?" : "> message: No saved game found.",
                                    "print Form1.LV = " + level, "print Form1.Salvati = " + toLand,
                                    "print Form1.Text1 = New message: Mission level " + level + ". Land " + toLand +
                                        " airplanes.\\r\\n"},
                      in(dir)))
        << saved;
  }
}

TEST_F(SaveFile, WritesOneQuotedLineReadsWhatItWroteAndMoreAndRefusesDamagedContent) {
  EXPECT_EQ(savedGameLine({"3", "17", "245", "4"}), "\"3\",\"17\",\"245\",\"4\"\r\n");
  const std::vector<std::pair<std::string, SavedCounters>> accepted = {
      {"\"3\",\"17\",\"245\",\"4\"\r\n", {"3", "17", "245", "4"}}, {"\"11\",\"0\",\"0\",\"\"\r\n", {"11", "0", "0", ""}},
      {"3,17,245,4", {"3", "17", "245", "4"}}, {"3,17,245,\n", {"3", "17", "245", ""}},
      {" \"3\" ,\t17 , \" 245 \",  4  \r\n", {"3", "17", "245", "4"}},
      {"\"3\",\"17\",\"245\",\"4\",\"junk, more\",x\r\nsecond line", {"3", "17", "245", "4"}},
      {"007,0,2147483647,-2\r\n", {"7", "0", "2147483647", "-2"}}, {"1,1,1,-2147483648", {"1", "1", "1", "-2147483648"}},
      // Clicks and time beyond 32 bits, as long play reaches them.
      {"1,1099511627776,999999999999999,-999999999999999",
       {"1", "1099511627776", "999999999999999", "-999999999999999"}},
  };
  for (const auto& [content, want] : accepted) EXPECT_EQ(parseSavedGame(content), want) << content;
  for (const std::string content :
       {"", "\r\n", "3,17,245\r\n", "3\r\n17\r\n245\r\n4\r\n", ",17,245,4", "3,,245,4", "3,17,,4",
        "-1,17,245,4", "3,-17,245,4", "3,17,1000000000000000,4", "3,17,245,-1000000000000000",
        "3.5,17,245,4", "+3,17,245,4", "3,17,1e3,4", "abc,17,245,4", "3,17,245,x", "\"3,17,245,4",
        "\"3\"x,17,245,4", "3,17,245,\"4\"x", "3,17,245,4\"", "9999999999999999,1,1,1"}) {
    EXPECT_FALSE(parseSavedGame(content).has_value()) << content;
  }
}

// The desktop's Save.ini, in a program folder of the test's own.
LoadedGame loadedFrom(const std::string& programDir) {
  HeadlessHost host(0, programDir);
  return readSavedGame(host);
}

TEST_F(SaveFile, ReadsNoMoreThanSixtyFourKibibytesTakesOnlyRegularFilesAndWritesOnlyWhatLoadsBack) {
  TempDir dir;
  const std::string path = dir.path() + "/Save.ini";
  std::string content = savedGameLine({"3", "17", "245", "4"});
  content.resize(kSmallFileBytes, ' ');
  writeFile(path, content);
  EXPECT_EQ(loadedFrom(dir.path()).state, SaveFileState::Loaded);
  // Far too long to be a saved game, or no file at all: as if there were none.
  writeFile(path, content + ' ');
  EXPECT_EQ(loadedFrom(dir.path()).state, SaveFileState::Missing);
  EXPECT_EQ(loadedFrom(dir.path() + "/none").state, SaveFileState::Missing);
  fs::remove(path);
  fs::create_directory(path);
  EXPECT_EQ(loadedFrom(dir.path()).state, SaveFileState::Missing);
  fs::remove(path);
  ASSERT_EQ(mkfifo(path.c_str(), 0600), 0);
  EXPECT_EQ(loadedFrom(dir.path()).state, SaveFileState::Missing);
  // What a save writes loads back whole, and what would not is not written. A program folder
  // that is not there saves to the player's data folder, which the first save makes.
  HeadlessHost host(0, dir.path() + "/none");
  const std::string deeper = std::string(std::getenv("XDG_DATA_HOME")) + "/tarmac-warden/Save.ini";
  const SavedCounters kept{"3", "17", "245", "4"};
  for (const SavedCounters& c :
       std::vector<SavedCounters>{{"2", "1099511627776", "86400", "-3"}, {"11", "0", "0", ""}, kept}) {
    ASSERT_EQ(writeSavedGame(host, c), "") << c.clicks;
    EXPECT_EQ(readSavedGame(host).counters, c);
  }
  // A comma or a quotation mark once shifted the fields; a long or a broken text made a file
  // the game then called damaged.
  for (const SavedCounters& c : std::vector<SavedCounters>{{"2\",\"9\",\"9\",\"9", "1", "1", "1"}, {"2,9", "1", "1", "1"},
                                                           {std::string(5000, '7'), "1", "1", "1"}, {"", "1", "1", "1"},
                                                           {"3", "1\r\n2", "1", "1"}, {"3", "1", "1e+15", "1"}}) {
    EXPECT_EQ(writeSavedGame(host, c), "its counters are not whole numbers")
        << c.level.substr(0, 20) << " " << c.clicks << " " << c.time;
  }
  EXPECT_EQ(readFile(deeper), savedGameLine(kept));
  EXPECT_EQ(std::distance(fs::directory_iterator(fs::path(deeper).parent_path()), {}), 1);
}

TEST_F(SaveFile, ASaveGoesThroughALinkRespectsWriteProtectionAndClearsOldLeftovers) {
  TempDir dir;
  HeadlessHost host(0, dir.path());
  const std::string target = dir.path() + "/real.ini";
  const std::string link = dir.path() + "/Save.ini";
  fs::create_symlink("real.ini", link);
  ASSERT_EQ(writeSavedGame(host, {"3", "17", "245", "4"}), "");
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(readFile(target), "\"3\",\"17\",\"245\",\"4\"\r\n");

  // Left by saves killed midway: the old one goes, a fresh one may still be a save under way.
  const std::string stale = dir.path() + "/.real.ini.AbC123";
  const std::string fresh = dir.path() + "/.real.ini.XyZ789";
  for (const std::string& leftover : {stale, fresh}) writeFile(leftover, "half");
  fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::minutes(2));
  ASSERT_EQ(writeSavedGame(host, {"5", "2", "9", "1"}), "");
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(fresh));

  fs::permissions(target, fs::perms::owner_read);
  EXPECT_EQ(writeSavedGame(host, {"6", "2", "9", "1"}), "Save.ini is write-protected");
  EXPECT_EQ(readFile(target), "\"5\",\"2\",\"9\",\"1\"\r\n");
}

std::string pathFor(const std::string& programDir, bool installedData = false) {
  return savePath({programDir, installedData});
}

// Beside the program when it may write there; never into the shared data of an installed
// game, even as root; else the player's data folder.
TEST_F(SaveLocation, TheProgramFolderWhenWritableElseThePlayersDataFolder) {
  TempDir program, data, home;
  ScopedEnv homeVar("HOME", home.path().c_str());
  {
    ScopedEnv xdg("XDG_DATA_HOME", data.path().c_str());
    EXPECT_EQ(pathFor(program.path()), program.path() + "/Save.ini");
    writeFile(program.path() + "/Save.ini", "\"1\",\"1\",\"0\",\"5\"\n");
    EXPECT_EQ(pathFor(program.path(), true), data.path() + "/tarmac-warden/Save.ini");
    // A program folder that does not exist cannot be written, even by root.
    EXPECT_EQ(pathFor(data.path() + "/no/such/folder"), data.path() + "/tarmac-warden/Save.ini");
  }
  for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/data"}) {
    ScopedEnv xdg("XDG_DATA_HOME", unusable);
    EXPECT_EQ(pathFor(data.path() + "/no/such/folder"), home.path() + "/.local/share/tarmac-warden/Save.ini");
  }
}

}  // namespace
}  // namespace tw::test
