#pragma once
// Shared by the tests: scripted runs, the headless host with a look inside message boxes,
// files and folders, and a game driven through the C++ API.
#include <gtest/gtest.h>

#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/command_line.h"
#include "app/session.h"
#include "game/form1.h"
#include "platform/application.h"
#include "platform/headless_host.h"

namespace tw::test {

using Lines = std::vector<std::string>;

struct ScriptRun {
  int status = 0;
  std::string out;
  std::string err;
  Lines lines;               // out, line by line
  std::vector<Lines> steps;  // steps[0] what the start-up printed, steps[n] what script line n printed
};

// What runs a script on standard input: the headless run unless a test gives another.
using Runner = std::function<int(const CommandLine&, std::ostream&, std::ostream&)>;

// Runs a script as `tarmac-warden --headless --script -` would, at --timer-resolution 1 and with
// the project's assets as the program folder unless `args` says otherwise.
ScriptRun runScript(const std::string& script, std::vector<std::string> args = {}, const Runner& runner = {});
// A run as the command line says (the demo with no display, or a script), `input` on standard input.
ScriptRun runCommandLine(const std::vector<std::string>& args, const std::string& input = "", const Runner& runner = {});

// A script written as its transcript: each command, then each line it prints as "> LINE";
// "print NAME = VALUE" stands for "print NAME" printing "NAME = VALUE". Holds when every command
// prints exactly its lines, and names the first command that does not. What the start-up prints
// is checked only when the transcript begins with it; `ignored` lines are dropped from the output.
::testing::AssertionResult plays(const Lines& transcript, std::vector<std::string> args = {},
                                 const Lines& ignored = {}, const Runner& runner = {});

// `a`, then `b`: transcripts put together.
Lines operator+(Lines a, const Lines& b);

// The last `count` lines of `run` (all of them when it has fewer).
Lines lastLines(const ScriptRun& run, std::size_t count);
// The lines of `run` from the first one equal to `from` (exclusive) to the end.
Lines linesAfter(const ScriptRun& run, const std::string& from);

// The one host double: headless, and lets a test look at the game while a message box is open.
class TestHost : public HeadlessHost {
 public:
  using HeadlessHost::HeadlessHost;
  void showMessage(const std::string& text) override {
    if (whileOpen) whileOpen(text);
  }
  std::function<void(const std::string&)> whileOpen;
};

// The headless run on the test host: `whileOpen` sees the game while each message box is open.
Runner onTestHost(std::function<void(Application&, const std::string&)> whileOpen);
// What a script's print of `name` would show.
std::string valueOf(Application& app, const std::string& name);

// A game in-process: the windows of the game on the test host, Form1 opened at time 0.
class Game {
 public:
  explicit Game(std::string programDir = TW_ASSETS_DIR);
  TestHost& host() { return host_; }
  Application& app() { return app_; }
  Form1& form1();
  void advance(std::int64_t ms) { app_.advanceTo(app_.scheduler().now() + ms); }
  // Every event line since the last call.
  Lines takeEvents();

 private:
  TestHost host_;
  Application app_;
  Lines events_;
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);

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
