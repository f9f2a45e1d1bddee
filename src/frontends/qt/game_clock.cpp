#include "frontends/qt/game_clock.h"

#include <algorithm>

#include "midend/midend.h"

namespace tw {

GameClock::GameClock(Midend& midend) : midend_(midend) {
  started_.start();
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, &GameClock::tick);
}

void GameClock::arm() {
  const auto due = midend_.nextDue();
  if (!due) {
    timer_.stop();
    return;
  }
  timer_.start(static_cast<int>(std::clamp<std::int64_t>(*due - now(), 0, 1'000'000'000)));
}

void GameClock::tick() {
  midend_.advance(now());
  arm();
}

}  // namespace tw
