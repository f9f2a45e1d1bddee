#include "test_support.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/command_line.h"
#include "app/demo.h"
#include "app/session.h"
#include "game/game_windows.h"

namespace tw::test {

ScriptRun runScript(const std::string& script, std::vector<std::string> args) {
  TempDir dir;
  const std::string file = dir.path() + "/script.txt";
  std::ofstream(file, std::ios::binary) << script;
  std::vector<std::string> full = {"--headless", "--script", file};
  bool hasResolution = false;
  bool hasDir = false;
  for (const auto& a : args) {
    hasResolution = hasResolution || a == "--timer-resolution";
    hasDir = hasDir || a == "--program-dir";
  }
  if (!hasResolution) full.insert(full.end(), {"--timer-resolution", "1"});
  if (!hasDir) full.insert(full.end(), {"--program-dir", TW_ASSETS_DIR});
  full.insert(full.end(), args.begin(), args.end());
  return runCommandLine(full);
}

ScriptRun runCommandLine(const std::vector<std::string>& args) {
  const ParsedCommandLine parsed = parseCommandLine(args);
  ScriptRun run;
  if (!parsed.error.empty()) {
    run.status = 2;
    run.err = parsed.error;
    return run;
  }
  std::ostringstream out;
  std::ostringstream err;
  run.status = parsed.options.demo ? runHeadlessDemo(parsed.options, out, err) : runHeadless(parsed.options, out, err);
  run.out = out.str();
  run.err = err.str();
  std::istringstream lines(run.out);
  for (std::string line; std::getline(lines, line);) run.lines.push_back(line);
  return run;
}

std::vector<std::string> lastLines(const ScriptRun& run, std::size_t count) {
  return {run.lines.end() - static_cast<long>(std::min(count, run.lines.size())), run.lines.end()};
}

std::vector<std::string> linesAfter(const ScriptRun& run, const std::string& from) {
  std::vector<std::string> after;
  bool found = false;
  for (const auto& line : run.lines) {
    if (found) after.push_back(line);
    found = found || line == from;
  }
  return after;
}

Game::Game(int timerResolution, std::string programDir, int timeOfDay)
    : host_(timeOfDay), app_(host_, AppOptions{timerResolution, std::move(programDir)}) {
  app_.setEventSink([this](const std::string& line) { events_.push_back(line); });
  addGameWindows(app_);
  startGame(app_);
}

Form1& Game::form1() { return app_.form<Form1>(); }

std::vector<std::string> Game::takeEvents() {
  std::vector<std::string> taken;
  taken.swap(events_);
  return taken;
}

ScopedEnv::ScopedEnv(const char* name, const char* value) : name_(name) {
  if (const char* old = std::getenv(name)) old_ = old;
  put(value);
}

ScopedEnv::~ScopedEnv() { put(old_ ? old_->c_str() : nullptr); }

void ScopedEnv::put(const char* value) { value ? setenv(name_, value, 1) : unsetenv(name_); }

TempDir::TempDir() {
  std::string pattern = (std::filesystem::temp_directory_path() / "tarmac-test-XXXXXX").string();
  if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make a temporary folder");
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::vector<std::string> withoutEngine(std::vector<std::string> lines) {
  lines.erase(std::remove(lines.begin(), lines.end(), "sound: 2"), lines.end());
  return lines;
}

}  // namespace tw::test
