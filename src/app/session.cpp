#include "app/session.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/preferences.h"
#include "app/script_runner.h"
#include "game/game_windows.h"
#include "model/application.h"
#include "frontends/headless/headless_host.h"

namespace tw {

AppOptions appOptionsFor(const CommandLine& options, Host& host) {
  return {options.timerResolution, options.mute || savedMute(host)};
}

void openGame(Application& app, std::ostream& err) {
  keepMuteChoice(app, err);
  addGameWindows(app);
  startGame(app);
}

namespace {

// Reads nothing and fails as reading a folder does.
class FolderRead : public std::streambuf {
 protected:
  int_type underflow() override {
    errno = EISDIR;
    return traits_type::eof();
  }
};

}  // namespace

int runScriptFile(Application& app, const std::string& file, std::ostream& out, std::ostream& err) {
  // Some systems open a folder and fail at the first read, others refuse to open it: the
  // script fails the same way on all.
  if (file != "-" && std::filesystem::is_directory(file)) {
    FolderRead folder;
    std::istream in(&folder);
    return runScriptStream(app, in, out, err);
  }
  std::ifstream in;
  if (file != "-") {
    in.open(file);
    if (!in) {
      err << "error: cannot open script " << file << '\n';
      return 2;
    }
  }
  return runScriptStream(app, file == "-" ? std::cin : in, out, err);
}

int runScriptStream(Application& app, std::istream& script, std::ostream& out, std::ostream& err) {
  app.setEventSink([&out](const std::string& line) { out << line << '\n'; });
  openGame(app, err);
  ScriptRunner runner(app, out, err);
  const int status = runner.run(script);
  out.flush();
  app.setEventSink(nullptr);
  return status;
}

int runHeadless(const CommandLine& options, std::ostream& out, std::ostream& err) {
  HeadlessHost host(options.timeOfDay, options.programDir);
  Application app(host, appOptionsFor(options, host));
  return runScriptFile(app, *options.script, out, err);
}

}  // namespace tw
