#include "test_support.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>

#include <unistd.h>

#include "app/demo.h"
#include "game/game_windows.h"
#include "model/properties.h"

namespace tw::test {

namespace {

// Hands the runner its script one line at a time, so what each line prints can be told apart:
// the runner asks for the next line only once the last one has run.
class LineFeeder : public std::streambuf {
 public:
  LineFeeder(const std::string& script, std::function<void()> lineDone) : lineDone_(std::move(lineDone)) {
    std::istringstream in(script);
    for (std::string line; std::getline(in, line);) lines_.push_back(line + "\n");
  }

 protected:
  int_type underflow() override {
    const int saved = errno;  // the runner tells a read error by errno
    lineDone_();
    errno = saved;
    if (next_ == lines_.size()) return traits_type::eof();
    std::string& line = lines_[next_++];
    setg(line.data(), line.data(), line.data() + line.size());
    return traits_type::to_int_type(line.front());
  }

 private:
  Lines lines_;
  std::size_t next_ = 0;
  std::function<void()> lineDone_;
};

Lines split(const std::string& text) {
  Lines lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) lines.push_back(line);
  return lines;
}

std::string indented(const Lines& lines) {
  std::string text;
  for (const auto& line : lines) text += "\n    " + line;
  return lines.empty() ? "\n    (nothing)" : text;
}

// With TW_RECORD_RUNS set, each command-line run is kept there with its folders as it found
// them and what it printed, so another build can replay it and be held to the same bytes.
// Runs through a test's own runner, and folders holding a fifo or a device, are not kept.
class RunRecord {
 public:
  RunRecord(const std::vector<std::string>& args, const std::string& input) {
    namespace fs = std::filesystem;
    static int count = 0;
    const char* records = std::getenv("TW_RECORD_RUNS");
    if (records == nullptr) return;
    // Every test folder the run may touch: the test's own, and those its arguments and its
    // home and config and data folders name.
    std::vector<fs::path> roots;
    std::vector<std::string> places(args.begin(), args.end());
    std::string env;
    for (const char* name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) {
      const char* value = std::getenv(name);
      env += std::string(name) + "=" + (value ? value : "") + '\0';
      if (value) places.emplace_back(value);
    }
    places.push_back(GameTest::programDir());
    const std::string tests = (fs::temp_directory_path() / "tarmac-test-").string();
    for (const std::string& place : places) {
      if (!place.starts_with(tests)) continue;
      const fs::path root = place.substr(0, place.find('/', tests.size()));
      if (std::ranges::find(roots, root) == roots.end()) roots.push_back(root);
    }
    for (const fs::path& root : roots) {
      if (!fs::is_directory(root)) return;
      for (const auto& entry : fs::recursive_directory_iterator(root)) {
        if (!entry.is_symlink() && !entry.is_regular_file() && !entry.is_directory()) return;
      }
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    folder_ = fs::path(records) / (std::to_string(::getpid()) + "-" + std::to_string(++count) + "-" +
                                   test->test_suite_name() + "." + test->name());
    std::string rootList, argList;
    for (std::size_t i = 0; i < roots.size(); ++i) {
      fs::create_directories(folder_ / "snapshot");
      fs::copy(roots[i], folder_ / "snapshot" / std::to_string(i), fs::copy_options::recursive | fs::copy_options::copy_symlinks);
      rootList += roots[i].string() + '\0';
    }
    for (const auto& arg : args) argList += arg + '\0';
    keep("roots", rootList);
    keep("args", argList);
    keep("env", env);
    keep("input", input);
  }
  void finish(const ScriptRun& run) {
    keep("out", run.out);
    keep("err", run.err);
    keep("status", std::to_string(run.status));
  }

 private:
  void keep(const char* name, const std::string& text) {
    if (!folder_.empty()) std::ofstream(folder_ / name, std::ios::binary) << text;
  }
  std::filesystem::path folder_;
};

}  // namespace

ScriptRun runScript(const std::string& script, std::vector<std::string> args, const Runner& runner) {
  Lines full = {"--headless", "--script", "-"};
  if (std::ranges::find(args, "--timer-resolution") == args.end()) full.insert(full.end(), {"--timer-resolution", "1"});
  if (std::ranges::find(args, "--program-dir") == args.end()) {
    full.insert(full.end(), {"--program-dir", GameTest::programDir()});
  }
  return runCommandLine(full + args, script, runner);
}

ScriptRun runCommandLine(const std::vector<std::string>& args, const std::string& input, const Runner& runner) {
  const ParsedCommandLine parsed = parseCommandLine(args);
  ScriptRun result{2, "", parsed.error, {}, {}};
  if (!parsed.error.empty()) return result;
  std::ostringstream out, err;
  std::vector<std::streamoff> ends;
  LineFeeder feeder(input, [&] { ends.push_back(out.tellp()); });
  std::streambuf* const standardInput = std::cin.rdbuf(&feeder);
  const Runner run = runner ? runner : parsed.options.demo ? runHeadlessDemo : runHeadless;
  std::optional<RunRecord> record;
  if (!runner) record.emplace(args, input);
  result.status = run(parsed.options, out, err);
  std::cin.rdbuf(standardInput);
  result.out = out.str();
  result.err = err.str();
  result.lines = split(result.out);
  ends.push_back(static_cast<std::streamoff>(result.out.size()));
  for (std::size_t i = 0, from = 0; i < ends.size(); from = static_cast<std::size_t>(ends[i++])) {
    result.steps.push_back(split(result.out.substr(from, static_cast<std::size_t>(ends[i]) - from)));
  }
  if (record) record->finish(result);
  return result;
}

::testing::AssertionResult plays(const Lines& transcript, std::vector<std::string> args, const Lines& ignored,
                                 const Runner& runner) {
  std::string script;
  std::vector<Lines> expected(1);
  for (const auto& line : transcript) {
    const auto is = line.find(" = ");
    if (line.starts_with("> ")) {
      expected.back().push_back(line.substr(2));
    } else if (line.starts_with("print ") && is != std::string::npos) {
      script += line.substr(0, is) + "\n";
      expected.push_back({line.substr(6)});
    } else {
      script += line + "\n";
      expected.emplace_back();
    }
  }
  const ScriptRun run = runScript(script, std::move(args), runner);
  const Lines commands = split(script);
  for (std::size_t step = expected.front().empty() ? 1 : 0; step < expected.size(); ++step) {
    Lines printed = step < run.steps.size() ? run.steps[step] : Lines{};
    std::erase_if(printed, [&](const std::string& l) { return std::ranges::find(ignored, l) != ignored.end(); });
    if (printed == expected[step]) continue;
    return ::testing::AssertionFailure()
           << (step == 0 ? "the start-up" : "line " + std::to_string(step) + " '" + commands[step - 1] + "'")
           << " printed" << indented(printed) << "\n  where the transcript says" << indented(expected[step])
           << (run.err.empty() ? "" : "\n  " + run.err);
  }
  if (run.status != 0) return ::testing::AssertionFailure() << "status " << run.status << ": " << run.err;
  return ::testing::AssertionSuccess();
}

Runner notingAtMessages(Lines& noted, Lines names) {
  return [&noted, names](const CommandLine& options, std::ostream& out, std::ostream& err) {
    TestHost host(options.timeOfDay, options.programDir);
    Application app(host, appOptionsFor(options, host));
    host.whileOpen = [&](const std::string&) {
      std::string values;
      for (const auto& name : names) values += (values.empty() ? "" : " ") + readName(app, *parseName(name)).value;
      noted.push_back(values);
    };
    return runScriptFile(app, *options.script, out, err);
  };
}

Lines operator+(Lines a, const Lines& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Game::Game() : host(0, GameTest::programDir()), app(host, AppOptions{1}) {
  app.setEventSink([this](const std::string& line) { events.push_back(line); });
  addGameWindows(app);
  startGame(app);
}

std::string readFile(const std::string& path) {
  std::ostringstream s;
  s << std::ifstream(path, std::ios::binary).rdbuf();
  return s.str();
}

void writeFile(const std::string& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

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

GameTest* GameTest::running_ = nullptr;

GameTest::GameTest() : programDir_(root_.path() + "/program") {
  namespace fs = std::filesystem;
  for (const char* dir : {"/program", "/home", "/config", "/data"}) fs::create_directory(root_.path() + dir);
  fs::create_directory_symlink(TW_ASSETS_DIR "/Plane", programDir_ + "/Plane");
  home_.emplace("HOME", (root_.path() + "/home").c_str());
  config_.emplace("XDG_CONFIG_HOME", (root_.path() + "/config").c_str());
  data_.emplace("XDG_DATA_HOME", (root_.path() + "/data").c_str());
  running_ = this;
}

GameTest::~GameTest() { running_ = nullptr; }

const std::string& GameTest::programDir() {
  if (running_ == nullptr) throw std::logic_error("the game runs only inside a test's own folders (GameTest)");
  return running_->programDir_;
}

}  // namespace tw::test
