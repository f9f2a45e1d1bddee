// What each plane ever spawned holds: its sprite and its texts, at the most a game can hold.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include "game/form1.h"
#include "game/game_windows.h"
#include "model/application.h"
#include "frontends/headless/headless_host.h"

namespace tw {
namespace {

constexpr int kMostPlanes = 32767;

// Bytes the heap holds, small blocks and mapped ones alike.
double heapBytes() {
  const struct mallinfo2 info = mallinfo2();
  return static_cast<double>(info.uordblks + info.hblkhd);
}

void MemoryPerPlane(benchmark::State& state) {
  double perPlane = 0;
  for (auto _ : state) {
    HeadlessHost host(0, TW_ASSETS_DIR);
    Application app(host, AppOptions{1});
    addGameWindows(app);
    startGame(app);
    app.advanceTo(11);  // past the mission setup
    Form1& form = app.form<Form1>();
    // Only new planes, one a millisecond, by the game's own spawn: nothing moves or lands.
    for (const auto& timer : form.timers()) timer->stop();
    form.NuovoVel->text = "1";
    form.Nuovo.start();
    const double before = heapBytes() - static_cast<double>(form.Text1->text.capacity());
    const std::string last = std::to_string(kMostPlanes);
    for (int seconds = 0; form.AA->text != last && seconds < 3600; ++seconds) {
      app.advanceTo(app.scheduler().now() + 1000);
    }
    if (form.AA->text != last) state.SkipWithError("not every plane came in");
    // The message log is counted apart: a line per plane, kept by the player's log.
    perPlane = (heapBytes() - static_cast<double>(form.Text1->text.capacity()) - before) / (kMostPlanes - 1);
  }
  state.counters["bytes_per_plane"] = perPlane;
  state.counters["MB_for_32767_planes"] = perPlane * kMostPlanes / 1e6;
}

BENCHMARK(MemoryPerPlane)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace tw
