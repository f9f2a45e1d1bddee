// The game screen's frames at level 11 with the autopilot playing, painted on the offscreen
// platform: what each frame costs the view, from taking over the changes to the painted pixels.
#include <QApplication>
#include <benchmark/benchmark.h>
#include <cstdlib>

#include "autopilot/autopilot.h"
#include "game/game_windows.h"
#include "model/application.h"
#include "frontends/qt/qt_host.h"
#include "frontends/qt/window_view.h"

namespace tw {
namespace {

constexpr int kFrameMs = 16;

void FramesOfLevel11(benchmark::State& state) {
  // The pictures of the source tree; silent.
  QtHost host(QtHost::Mode::Script, TW_ASSETS_DIR);
  Application app(host, AppOptions{kFrameMs, true});
  host.attach(app);
  addGameWindows(app);
  startGame(app);
  Autopilot pilot(app, 11);
  app.setQuietHook([&pilot] { pilot.act(); });
  std::int64_t now = 0;
  // Into the level, with planes on the board.
  for (; now < 20'000; now += kFrameMs) app.advanceTo(now);
  for (auto _ : state) {
    app.advanceTo(now += kFrameMs);
    for (Window* window : app.openWindows()) {
      if (WindowView* view = host.viewOf(*window)) view->follow();
    }
  }
}

BENCHMARK(FramesOfLevel11)->Unit(benchmark::kMicrosecond)->Iterations(3000)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace tw

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  QApplication qt(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
