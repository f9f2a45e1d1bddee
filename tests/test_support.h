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
#include "model/application.h"
#include "frontends/headless/headless_host.h"

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
// the running test's program folder unless `args` says otherwise.
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

// The main menu taking the game screen's place, and a crash that ends there.
inline const Lines kToMenu = {"> open: Form2", "> sound: 8", "> close: Form1"};
inline const Lines kCrash = Lines{"> sound: 3", "> message: Ops...Crash!!! Game Over!"} + kToMenu;
// The game screen closed at once, for the menus.
inline const Lines kMenu = Lines{"close Form1"} + kToMenu;

// The one host double: headless, and lets a test look at the game while a message box is open.
class TestHost : public HeadlessHost {
 public:
  using HeadlessHost::HeadlessHost;
  void showMessage(const std::string& text) override {
    if (whileOpen) whileOpen(text);
  }
  std::function<void(const std::string&)> whileOpen;
};

// The headless run on the test host: while each message box is open, what a script's print of
// each of `names` would show goes to `noted`, the values of one box joined by spaces.
Runner notingAtMessages(Lines& noted, Lines names);

// A game in-process, in the running test's program folder: the windows of the game on the
// headless host, Form1 opened at time 0.
struct Game {
  Game();
  HeadlessHost host;
  Application app;
  Lines events;  // every event line
};

std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);

// Sets (or with null, removes) an environment variable for one scope.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value);
  ~ScopedEnv();

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

// Every test's own program, config and data folders, made fresh for it: the program folder
// holds the game's pictures and cues, and whatever a run saves or keeps stays in the three.
// Each suite is another name for it (`using Keys = GameTest;`).
class GameTest : public ::testing::Test {
 public:
  // The running test's program folder; scripts and games start there. Asked outside a test,
  // it throws, so no run falls back on the source tree.
  static const std::string& programDir();

 protected:
  GameTest();
  ~GameTest() override;

 private:
  TempDir root_;
  std::string programDir_;
  std::optional<ScopedEnv> home_, config_, data_;
  static GameTest* running_;
};

}  // namespace tw::test
