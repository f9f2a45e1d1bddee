#include "platform/qt/qt_run.h"

#include <QApplication>
#include <iostream>

#include "app/preferences.h"
#include "app/session.h"
#include "autopilot/autopilot.h"
#include "game/game_windows.h"
#include "platform/application.h"
#include "platform/qt/qt_host.h"

namespace tw {

namespace {

int play(const CommandLine& options) {
  QtHost host(QtHost::Mode::Play);
  Application app(host, appOptionsFor(options));
  host.attach(app);
  keepMuteChoice(app);
  addGameWindows(app);
  startGame(app);
  Autopilot pilot(app, options.level);
  if (options.demo) {
    app.setQuietHook([&pilot] { pilot.act(); });
    host.startDemo([&app] { app.setQuietHook(nullptr); });
  }
  // The host ends the loop when the last window has closed.
  return QApplication::exec();
}

}  // namespace

int runScriptWithQt(const CommandLine& options, std::ostream& out, std::ostream& err) {
  QtHost host(QtHost::Mode::Script, options.timeOfDay);
  Application app(host, appOptionsFor(options));
  host.attach(app);
  return runScriptFile(app, *options.script, out, err);
}

int runWithQt(const CommandLine& options, int argc, char** argv) {
  QApplication qapp(argc, argv);
  QApplication::setApplicationName("Tarmac Warden");
  QApplication::setQuitOnLastWindowClosed(false);
  if (options.script) return runScriptWithQt(options, std::cout, std::cerr);
  return play(options);
}

}  // namespace tw
