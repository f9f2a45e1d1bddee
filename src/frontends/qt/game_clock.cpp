#include "frontends/qt/game_clock.h"

#include <algorithm>

#include "model/application.h"

namespace tw {

GameClock::GameClock(Application& app) : app_(app) {
  started_.start();
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &GameClock::tick);
}

void GameClock::arm() {
  const auto due = app_.scheduler().nextDue();
  if (!due) {
    timer_.stop();
    return;
  }
  timer_.start(static_cast<int>(std::clamp<std::int64_t>(*due - now(), 0, 1'000'000'000)));
}

void GameClock::tick() {
  app_.runDue(now());
  arm();
}

}  // namespace tw
