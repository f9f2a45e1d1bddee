#include "app/windowed_run.h"

#include <QApplication>
#include <QFileInfo>
#include <iostream>

#include "app/preferences.h"
#include "app/session.h"
#include "autopilot/autopilot.h"
#include "game/game_windows.h"
#include "platform/application.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/quiet_terminal.h"

namespace tw {

namespace {

int play(const CommandLine& options) {
  QtHost host(QtHost::Mode::Play);
  Application app(host, appOptionsFor(options));
  host.attach(app);
  keepMuteChoice(app, std::cerr);
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

namespace {

// Qt ends the program when it finds no display to open, so look first.
bool displayAvailable() {
  const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
  if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland")) return true;
  if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") && !platform.startsWith("xcb")) return true;
  const QString display = qEnvironmentVariable("DISPLAY");
  if (display.isEmpty()) return false;
  // A local display ":N" or ":N.S" listens on its socket; a remote one is given the benefit of the doubt.
  if (!display.startsWith(':')) return true;
  return QFileInfo::exists("/tmp/.X11-unix/X" + display.mid(1).section('.', 0, 0));
}

}  // namespace

int runWithQt(const CommandLine& options, int argc, char** argv) {
  if (!displayAvailable()) {
    std::cerr << "tarmac-warden: cannot open a display; try --headless\n";
    return 2;
  }
  quietTerminal();
  QApplication qapp(argc, argv);
  QApplication::setApplicationName("Tarmac Warden");
  QApplication::setQuitOnLastWindowClosed(false);
  if (options.script) return runScriptWithQt(options, std::cout, std::cerr);
  return play(options);
}

}  // namespace tw
