// One position tick plus one collision tick with many planes ever spawned on the screen.
#include <benchmark/benchmark.h>

#include "game/board.h"
#include "game/form1.h"
#include "game/game_windows.h"
#include "model/application.h"
#include "frontends/headless/headless_host.h"

namespace tw {
namespace {

// A level past its setup with `count` planes: one flying on each of the first cells, the rest
// landed (hidden) on the cells where they came down. Only the two ticks measured run.
void boardWith(Form1& form, int count) {
  for (const auto& timer : form.timers()) timer->stop();
  while (static_cast<int>(form.planes.size()) < count) form.createPlane();
  for (std::size_t n = 0; n < form.planes.size(); ++n) {
    Element& sprite = *form.planes[n].Aereo;
    const int cell = static_cast<int>(n % board::kCellCount);
    sprite.left = board::columnLeft(cell / board::kCells + 1);
    sprite.top = board::rowTop(cell % board::kCells + 1);
    sprite.visible = n < static_cast<std::size_t>(board::kCellCount);
    form.elementChanged(sprite);
  }
  form.Posizione.start();
  form.Conflitto.start();
}

void PositionAndCollisionTick(benchmark::State& state) {
  HeadlessHost host(0, ".");
  Application app(host, AppOptions{1});
  addGameWindows(app);
  startGame(app);
  app.advanceTo(11);
  Form1& form = app.form<Form1>();
  boardWith(form, static_cast<int>(state.range(0)));
  for (auto _ : state) app.advanceTo(app.scheduler().now() + 1);
  if (!form.isOpen()) state.SkipWithError("the game ended");
  state.SetComplexityN(state.range(0));
}

BENCHMARK(PositionAndCollisionTick)->Arg(10)->Arg(1000)->Arg(32767)->Complexity(benchmark::oN);

}  // namespace
}  // namespace tw
