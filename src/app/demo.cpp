#include "app/demo.h"

#include <ostream>

#include "app/session.h"
#include "model/application.h"
#include "frontends/headless/headless_host.h"
#include "midend/midend.h"

namespace tw {

int runHeadlessDemo(const CommandLine& options, std::ostream& out, std::ostream& err) {
  HeadlessHost host(options.timeOfDay, options.programDir);
  Application app(host, appOptionsFor(options, host));
  constexpr std::string_view kMessage = "message: ";
  std::string lastMessage;
  app.setEventSink([&](const std::string& line) {
    out << line << '\n';
    if (line.starts_with(kMessage)) lastMessage = line.substr(kMessage.size());
  });
  openGame(app, err);

  Autopilot pilot(app, options.level);
  int played = 0;
  std::int64_t started = 0;
  pilot.onGameEnd([&](const GameTally& game) {
    const std::int64_t now = app.scheduler().now();
    out << "game " << ++played << ": level " << game.level << ", landed " << game.landed << ", clicks "
        << game.clicks << ", ms " << now - started << ", result " << lastMessage << '\n';
    started = now;
    if (played >= options.games) pilot.setStartsNewGames(false);
  });
  app.setQuietHook([&pilot] { pilot.act(); });
  while (played < options.games) {
    pilot.act();
    const auto due = app.scheduler().nextDue();
    if (!due) {
      out.flush();
      err << "error: the demo came to a stop with nothing left to do\n";
      return 1;
    }
    app.advanceTo(*due);
  }
  out << "exit\n";
  out.flush();
  return 0;
}

WindowedDemo::WindowedDemo(Application& app, Midend& midend, int firstLevel) : pilot_(app, firstLevel) {
  app.setQuietHook([this] { pilot_.act(); });
  midend.startDemo([&app] { app.setQuietHook(nullptr); });
}

}  // namespace tw
