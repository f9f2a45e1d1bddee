// Where Save.ini goes: beside the program when it may write there, else the player's data folder.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <optional>

#include "game/game_windows.h"
#include "persistence/save_location.h"
#include "test_support.h"

namespace tw::test {
namespace {


std::string pathFor(const std::string& programDir, bool installedData = false) {
  HeadlessHost host;
  const Application app(host, AppOptions{1, programDir, installedData});
  return savedGamePath(app);
}

TEST(SaveLocation, AWritableProgramFolderKeepsTheSave) {
  TempDir program, data;
  ScopedEnv xdg("XDG_DATA_HOME", data.path().c_str());
  EXPECT_EQ(pathFor(program.path()), program.path() + "/Save.ini");
}

// Even root, who may write there, never saves into the shared data of an installed game.
TEST(SaveLocation, AnInstalledGameSavesInThePlayersDataFolder) {
  TempDir program, data;
  std::ofstream(program.path() + "/Save.ini") << "\"1\",\"1\",\"0\",\"5\"\n";
  ScopedEnv xdg("XDG_DATA_HOME", data.path().c_str());
  EXPECT_EQ(pathFor(program.path(), true), data.path() + "/tarmac-warden/Save.ini");
}

// A program folder that does not exist cannot be written, even by root.
TEST(SaveLocation, OtherwiseThePlayersDataFolderKeepsIt) {
  TempDir data, home;
  const std::string program = data.path() + "/no/such/folder";
  ScopedEnv homeVar("HOME", home.path().c_str());
  {
    ScopedEnv xdg("XDG_DATA_HOME", data.path().c_str());
    EXPECT_EQ(pathFor(program), data.path() + "/tarmac-warden/Save.ini");
  }
  for (const char* unusable : {static_cast<const char*>(nullptr), "", "relative/data"}) {
    ScopedEnv xdg("XDG_DATA_HOME", unusable);
    EXPECT_EQ(pathFor(program), home.path() + "/.local/share/tarmac-warden/Save.ini");
  }
}

TEST(SaveLocation, AReadOnlyProgramFolderSendsSavesAwayButItsOwnSaveComesFirst) {
  if (geteuid() == 0) GTEST_SKIP() << "root may write into any folder, so none is read-only here";
  TempDir program, data;
  ScopedEnv xdg("XDG_DATA_HOME", data.path().c_str());
  ASSERT_EQ(chmod(program.path().c_str(), 0555), 0);
  EXPECT_EQ(pathFor(program.path()), data.path() + "/tarmac-warden/Save.ini");
  chmod(program.path().c_str(), 0755);
  std::ofstream(program.path() + "/Save.ini") << "1,1,1,1\r\n";
  chmod(program.path().c_str(), 0555);
  EXPECT_EQ(pathFor(program.path()), program.path() + "/Save.ini");
  const auto run = runScript("click Form1.Label2\n", {"--program-dir", program.path()});
  EXPECT_EQ(run.lines.back(), "message: The game could not be saved.");
  std::string kept;
  std::getline(std::ifstream(program.path() + "/Save.ini"), kept);
  EXPECT_EQ(kept, "1,1,1,1\r");
  chmod(program.path().c_str(), 0755);
}

TEST(SaveLocation, SaveAndLoadMeetInTheDataFolderWhichTheFirstSaveMakes) {
  TempDir data;
  const std::string folder = data.path() + "/xdg";
  ScopedEnv xdg("XDG_DATA_HOME", folder.c_str());
  // An installed game: its program folder is the shared data, never written.
  HeadlessHost host;
  Application app(host, AppOptions{1, data.path(), true});
  std::vector<std::string> messages;
  app.setEventSink([&messages](const std::string& line) {
    if (line.starts_with("message: ")) messages.push_back(line);
  });
  addGameWindows(app);
  startGame(app);
  Form1& game = app.form<Form1>();
  game.LV->text = "4";
  app.click(*game.Label2);
  game.LV->text = "9";
  app.click(*game.Label3);
  app.advanceTo(100);
  EXPECT_EQ(messages, (std::vector<std::string>{"message: Saved", "message: Are you ready?"}));
  EXPECT_EQ(game.LV->text, "4");
  struct stat info {};
  ASSERT_EQ(stat((folder + "/tarmac-warden").c_str(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0700u);
  EXPECT_TRUE(std::filesystem::is_regular_file(folder + "/tarmac-warden/Save.ini"));
}

}  // namespace
}  // namespace tw::test
