// Whole games played by the autopilot with no display, at the default timer resolution.
#include <benchmark/benchmark.h>

#include <chrono>
#include <sstream>
#include <string>

#include "app/command_line.h"
#include "app/demo.h"

namespace tw {
namespace {

// The virtual milliseconds of the game a demo run's summary line reports.
double virtualMs(const std::string& out) {
  const auto at = out.find(", ms ");
  return at == std::string::npos ? 0 : std::stod(out.substr(at + 5));
}

void WholeGameByTheAutopilot(benchmark::State& state) {
  double wallSeconds = 0;
  double virtualHours = 0;
  int seed = 0;
  for (auto _ : state) {
    // A new time of day each game, so each game draws other destinations.
    const auto parsed = parseCommandLine(
        {"--headless", "--demo", "--program-dir", ".", "--time-of-day", std::to_string(seed++ * 997 % 86400)});
    std::ostringstream out;
    std::ostringstream err;
    const auto start = std::chrono::steady_clock::now();
    if (runHeadlessDemo(parsed.options, out, err) != 0) state.SkipWithError("the demo stopped");
    wallSeconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    virtualHours += virtualMs(out.str()) / 3.6e6;
  }
  state.counters["virtual_h_per_game"] = virtualHours / static_cast<double>(state.iterations());
  state.counters["wall_s_per_virtual_h"] = wallSeconds / virtualHours;
}

BENCHMARK(WholeGameByTheAutopilot)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tw
