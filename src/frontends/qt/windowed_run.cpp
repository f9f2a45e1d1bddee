#include "frontends/qt/windowed_run.h"

#include <QApplication>
#include <cstdlib>
#include <iostream>
#include <optional>
#include <utility>
#include <vector>

#include "app/demo.h"
#include "app/session.h"
#include "model/application.h"
#include "frontends/openal/cue_output.h"
#include "frontends/qt/qt_host.h"

namespace tw {

int runScriptWithQt(const CommandLine& options, std::ostream& out, std::ostream& err) {
  QtHost host(QtHost::Mode::Script, options.programDir, options.timeOfDay);
  Application app(host, appOptionsFor(options, host));
  host.attach(app);
  return runScriptFile(app, *options.script, out, err);
}

namespace {

int play(const CommandLine& options) {
  QtHost host(QtHost::Mode::Play, options.programDir);
  Application app(host, appOptionsFor(options, host));
  host.attach(app);
  openGame(app, std::cerr);
  std::optional<WindowedDemo> demo;
  if (options.demo) demo.emplace(app, host.midend(), options.level);
  // The host ends the loop when the last window has closed.
  return QApplication::exec();
}

// Qt ends the program with a fatal message when no platform plugin can open a display: a
// missing, dead or unreachable X server, a Wayland socket that is not there. Until the
// application stands, its messages wait here, and a fatal one becomes the game's own word.
QtMessageHandler toTerminal = nullptr;
std::vector<std::pair<QtMsgType, QString>> heldMessages;

// With no runtime folder, Qt's note that it made one up is no news to the player. Everything
// else still prints.
bool isChatter(QtMsgType type, const QString& message) {
  return type == QtWarningMsg && message.startsWith(QLatin1String("QStandardPaths: XDG_RUNTIME_DIR not set"));
}

void passOn(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!isChatter(type, message)) toTerminal(type, context, message);
}

void holdStartMessages(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type != QtFatalMsg) {
    heldMessages.emplace_back(type, message);
    return;
  }
  std::cerr << "tarmac-warden: cannot open a display; try --headless" << std::endl;
  std::_Exit(2);
}

void startedWell() {
  qInstallMessageHandler(passOn);
  for (const auto& [type, message] : heldMessages) passOn(type, QMessageLogContext(), message);
  heldMessages.clear();
}

}  // namespace

int runWithQt(const CommandLine& options, int argc, char** argv) {
  prepareAudioLibrary();
  toTerminal = qInstallMessageHandler(holdStartMessages);
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
