// The match game played by the autopilot with no display at 1 ms: an hour of it should cost
// the same at its start as at its 1000th landing.
#include <benchmark/benchmark.h>

#include <chrono>

#include "autopilot/autopilot.h"
#include "game/form1.h"
#include "game/game_windows.h"
#include "model/application.h"
#include "model/field.h"
#include "frontends/headless/headless_host.h"

namespace tw {
namespace {

constexpr std::int64_t kHourMs = 3'600'000;
constexpr std::int64_t kLookMs = 60'000;

// Wall seconds per virtual hour of the match game's first hour, and of its last (the hour up
// to its 1000th landing).
struct Pace {
  double first = 0, last = 0;
  int hours = 0;
};

Pace playMatchGame() {
  HeadlessHost host(0, ".");
  Application app(host, AppOptions{1});
  addGameWindows(app);
  startGame(app);
  Autopilot pilot(app, 0);
  pilot.setStartsNewGames(false);
  app.setQuietHook([&pilot] { pilot.act(); });
  Form1& game = app.form<Form1>();
  auto playing = [&] { return game.isOpen() && game.LV->text == "0"; };
  app.advanceTo(kLookMs);  // to the match game's screen
  Pace pace;
  while (playing()) {
    const auto start = std::chrono::steady_clock::now();
    const std::int64_t from = app.scheduler().now();
    while (playing() && app.scheduler().now() < from + kHourMs) app.advanceTo(app.scheduler().now() + kLookMs);
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    const double perHour = seconds * kHourMs / static_cast<double>(app.scheduler().now() - from);
    if (pace.hours++ == 0) pace.first = perHour;
    pace.last = perHour;
  }
  return pace;
}

void MatchGameHourByHour(benchmark::State& state) {
  Pace pace;
  for (auto _ : state) pace = playMatchGame();
  state.counters["first_hour_s"] = pace.first;
  state.counters["last_hour_s"] = pace.last;
  state.counters["last_over_first"] = pace.last / pace.first;
  state.counters["hours"] = pace.hours;
}

BENCHMARK(MatchGameHourByHour)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tw
