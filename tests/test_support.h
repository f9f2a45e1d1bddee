#pragma once
// Shared by the tests: scripted runs with no display, and a game driven through the C++ API.
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "game/form1.h"
#include "platform/application.h"
#include "platform/headless_host.h"

namespace tw::test {

struct ScriptRun {
  int status = 0;
  std::string out;
  std::string err;
  std::vector<std::string> lines;  // out, line by line
};

// Runs a headless script at --timer-resolution 1 unless `args` says otherwise.
// The program folder is the project's assets unless `args` gives --program-dir.
ScriptRun runScript(const std::string& script, std::vector<std::string> args = {});
// A headless run (a script or the demo) as the command line says.
ScriptRun runCommandLine(const std::vector<std::string>& args);

// The lines without the next-level animation's engine cue, which comes every 100 ms.
std::vector<std::string> withoutEngine(std::vector<std::string> lines);

// The last `count` lines of `run` (all of them when it has fewer).
std::vector<std::string> lastLines(const ScriptRun& run, std::size_t count);

// The lines of `run` from the first one equal to `from` (exclusive) to the end.
std::vector<std::string> linesAfter(const ScriptRun& run, const std::string& from);

// A game in-process: the windows of the game on a headless host, Form1 opened at time 0.
class Game {
 public:
  explicit Game(int timerResolution = 1, std::string programDir = TW_ASSETS_DIR, int timeOfDay = 0);
  Application& app() { return app_; }
  Form1& form1();
  void advance(std::int64_t ms) { app_.advanceTo(app_.scheduler().now() + ms); }
  // Every event line since the last call.
  std::vector<std::string> takeEvents();

 private:
  HeadlessHost host_;
  Application app_;
  std::vector<std::string> events_;
};

// Sets (or with null, removes) an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value);
  ~ScopedEnv();
  ScopedEnv(const ScopedEnv&) = delete;
  ScopedEnv& operator=(const ScopedEnv&) = delete;

 private:
  void put(const char* value);
  const char* name_;
  std::optional<std::string> old_;
};

// A fresh empty folder, removed when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace tw::test
