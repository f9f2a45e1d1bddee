#include "frontends/qt/windowed_run.h"

#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <utility>
#include <vector>

#include "app/preferences.h"
#include "app/session.h"
#include "autopilot/autopilot.h"
#include "game/game_windows.h"
#include "model/application.h"
#include "frontends/openal/cue_output.h"
#include "frontends/qt/qt_host.h"
#include "frontends/qt/quiet_terminal.h"

namespace tw {

namespace {

int play(const CommandLine& options) {
  QtHost host(QtHost::Mode::Play, options.programDir);
  Application app(host, appOptionsFor(options, host));
  host.attach(app);
  keepMuteChoice(app, std::cerr);
  addGameWindows(app);
  startGame(app);
  Autopilot pilot(app, options.level);
  if (options.demo) {
    app.setQuietHook([&pilot] { pilot.act(); });
    host.midend().startDemo([&app] { app.setQuietHook(nullptr); });
  }
  // The host ends the loop when the last window has closed.
  return QApplication::exec();
}

}  // namespace

int runScriptWithQt(const CommandLine& options, std::ostream& out, std::ostream& err) {
  QtHost host(QtHost::Mode::Script, options.programDir, options.timeOfDay);
  Application app(host, appOptionsFor(options, host));
  host.attach(app);
  return runScriptFile(app, *options.script, out, err);
}

namespace {

// Qt ends the program with a fatal message when no platform plugin can open a display: a
// missing, dead or unreachable X server, a Wayland socket that is not there. Until the
// application stands, its messages wait here, and a fatal one becomes the game's own word.
QtMessageHandler afterStart = nullptr;
std::vector<std::pair<QtMsgType, QString>> heldMessages;

void holdStartMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) {
    heldMessages.emplace_back(type, message);
    return;
  }
  std::cerr << "tarmac-warden: cannot open a display; try --headless" << std::endl;
  std::_Exit(2);
}

void startedWell() {
  qInstallMessageHandler(afterStart);
  for (const auto& [type, message] : heldMessages) afterStart(type, QMessageLogContext(), message);
  heldMessages.clear();
}

}  // namespace

int runWithQt(const CommandLine& options, int argc, char** argv) {
  quietTerminal();
  prepareAudioLibrary();
  afterStart = qInstallMessageHandler(holdStartMessages);
  QApplication qapp(argc, argv);
  startedWell();
  // The window class and the desktop entry the desktop ties the windows to their launcher by.
  QApplication::setApplicationName(TW_WM_CLASS);
  QGuiApplication::setDesktopFileName(TW_APP_ID);
  QApplication::setQuitOnLastWindowClosed(false);
  if (options.script) return runScriptWithQt(options, std::cout, std::cerr);
  return play(options);
}

}  // namespace tw
