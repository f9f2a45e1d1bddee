// The game as a process among others: signals in the middle of a save, two games keeping the
// preference at once, folders it may not write, a full disk.
#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <set>
#include <thread>

#include "persistence/save_file.h"
#include "test_support.h"

namespace tw::test {
namespace {

using SignalDuringSave = GameTest;
using Preferences = GameTest;
using SavedGame = GameTest;

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Runs a shell command; its exit status, or -1 when it did not exit.
int shell(const std::string& command) {
  const int status = std::system(command.c_str());
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

// Starts the headless game on a script file, its output thrown away.
pid_t startHeadless(const std::string& script, const std::string& programDir) {
  const pid_t pid = fork();
  if (pid == 0) {
    const int null = open("/dev/null", O_WRONLY);
    dup2(null, STDOUT_FILENO);
    dup2(null, STDERR_FILENO);
    // As a player's game starts: a run in the background (nohup, a shell's `&`) would hand it
    // these signals ignored, and the game rightly keeps ignoring them.
    for (const int signal : {SIGTERM, SIGINT, SIGHUP}) ::signal(signal, SIG_DFL);
    execl(TW_EXECUTABLE, "tarmac-warden", "--headless", "--script", script.c_str(), "--program-dir", programDir.c_str(),
          static_cast<char*>(nullptr));
    _exit(127);
  }
  return pid;
}

std::string repeated(const std::string& line, int times) {
  std::string text;
  for (int i = 0; i < times; ++i) text += line + "\n";
  return text;
}

// Files a write left behind: a dot, the name, a dot and six letters.
std::vector<std::string> leftovers(const std::string& folder, const std::string& name) {
  std::vector<std::string> found;
  for (const auto& entry : fs::directory_iterator(folder)) {
    const std::string file = entry.path().filename().string();
    if (file.starts_with("." + name + ".")) found.push_back(file);
  }
  return found;
}

TEST_F(SignalDuringSave, LeavesSaveIniWholeAndNoTemporaryFile) {
  TempDir dir, scripts;
  const std::string script = scripts.path() + "/saves";
  writeFile(script, "set Form1.LV 4\nset Form1.CL 17\n" + repeated("click Form1.Label2", 20000));
  const std::string save = dir.path() + "/Save.ini";
  HeadlessHost reader(0, dir.path());
  for (const int signal : {SIGTERM, SIGINT, SIGHUP}) {
    for (int round = 0; round < 10; ++round) {
      fs::remove(save);
      const pid_t game = startHeadless(script, dir.path());
      for (int waited = 0; waited < 20000 && !fs::exists(save); ++waited) std::this_thread::sleep_for(1ms);
      // Somewhere in the saves that follow the first.
      std::this_thread::sleep_for(std::chrono::microseconds(97 * round));
      kill(game, signal);
      int status = 0;
      ASSERT_EQ(waitpid(game, &status, 0), game);
      EXPECT_EQ(readSavedGame(reader).counters, (SavedCounters{"4", "17", "0", "5"})) << signal << " " << round;
      EXPECT_EQ(leftovers(dir.path(), "Save.ini"), std::vector<std::string>()) << signal << " " << round;
    }
  }
}

TEST_F(Preferences, TwoGamesKeepingTheChoiceAtOnceLeaveItWholeForEveryReader) {
  TempDir config, program, scripts;
  ScopedEnv xdg("XDG_CONFIG_HOME", config.path().c_str());
  const std::string script = scripts.path() + "/mutes";
  writeFile(script, repeated("key Form1 M", 400));
  const pid_t games[] = {startHeadless(script, program.path()), startHeadless(script, program.path())};
  const std::string file = config.path() + "/tarmac-warden/tarmac-warden.conf";
  const std::set<std::string> whole = {"", "[General]\nmuted=true\n", "[General]\nmuted=false\n"};
  int reads = 0, torn = 0, running = 2;
  while (running > 0) {
    for (int i = 0; i < 100; ++i, ++reads) torn += whole.count(fs::exists(file) ? readFile(file) : "") == 0 ? 1 : 0;
    for (const pid_t game : games) running -= waitpid(game, nullptr, WNOHANG) == game ? 1 : 0;
  }
  EXPECT_EQ(torn, 0) << "of " << reads << " reads";
  // Which game wrote last, and what it started from (a game starting after the other wrote
  // "true" ends on "true"), is the scheduler's to say: the file is whole either way.
  EXPECT_TRUE(readFile(file) == "[General]\nmuted=true\n" || readFile(file) == "[General]\nmuted=false\n");
  EXPECT_EQ(leftovers(config.path() + "/tarmac-warden", "tarmac-warden.conf"), std::vector<std::string>());
}

// Runs `setup` and then the headless game on `script` in a mount namespace of its own, where
// a tmpfs can be made and made read-only without privileges. Empty when that is not to be had.
std::optional<std::string> playInOwnMounts(const std::string& setup, const std::string& script,
                                           const std::string& programDir, const std::string& dataDir) {
  if (shell("unshare -rm true 2>/dev/null") != 0) return std::nullopt;
  TempDir dir;
  writeFile(dir.path() + "/script", script);
  writeFile(dir.path() + "/run", "set -e\n" + setup + "\nXDG_DATA_HOME=" + dataDir +
                                     " timeout 60 " TW_EXECUTABLE " --headless --script " + dir.path() +
                                     "/script --program-dir " + programDir + " >" + dir.path() + "/out 2>&1\n");
  EXPECT_EQ(shell("unshare -rm sh " + dir.path() + "/run"), 0) << readFile(dir.path() + "/out");
  return readFile(dir.path() + "/out");
}

TEST_F(SavedGame, AReadOnlyProgramFolderSavesToTheDataFolderAndLoadsFromThere) {
  TempDir program, data;
  const std::string setup = "mount -t tmpfs -o size=1m tmpfs " + program.path() +
                            "\nprintf '\"4\",\"1\",\"1\",\"3\"\\r\\n' >" + program.path() +
                            "/Save.ini\nmount -o remount,ro " + program.path();
  const auto out = playInOwnMounts(setup,
                                   "click Form1.Label3\nwait 100\nprint Form1.LV\nset Form1.LV 7\nclick Form1.Label2\n"
                                   "set Form1.LV 2\nclick Form1.Label3\nwait 100\nprint Form1.LV\n",
                                   program.path(), data.path());
  if (!out) GTEST_SKIP() << "no mount namespaces here";
  EXPECT_NE(out->find("Form1.LV = 4\nmessage: Saved\nmessage: Are you ready?\nForm1.LV = 7\n"), std::string::npos)
      << *out;
  EXPECT_EQ(readFile(data.path() + "/tarmac-warden/Save.ini"), "\"7\",\"1\",\"1\",\"3\"\r\n");
}

TEST_F(SavedGame, AFullDiskIsSaidAndKeepsTheSaveThatWasThere) {
  TempDir program, data;
  const std::string setup = "mount -t tmpfs -o size=64k tmpfs " + program.path() + "\nprintf '1,1,1,1\\r\\n' >" +
                            program.path() + "/Save.ini\nhead -c 1048576 /dev/zero >" + program.path() +
                            "/fill 2>/dev/null || true";
  const auto out = playInOwnMounts(setup, "click Form1.Label2\nclick Form1.Label3\nwait 100\nprint Form1.LV\n",
                                   program.path(), data.path());
  if (!out) GTEST_SKIP() << "no mount namespaces here";
  EXPECT_NE(out->find("message: The game could not be saved: the disk is full.\nmessage: Are you ready?\n"
                      "Form1.LV = 1\n"),
            std::string::npos)
      << *out;
}

}  // namespace
}  // namespace tw::test
