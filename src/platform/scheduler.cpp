#include "platform/scheduler.h"

#include <algorithm>
#include <tuple>

#include "platform/timer.h"
#include "platform/window.h"

namespace tw {

Timer* Scheduler::next() const {
  if (held()) return nullptr;
  Timer* best = nullptr;
  auto key = [](const Timer* t) {
    return std::make_tuple(t->due(), t->owner().openSequence(), t->tieOrder());
  };
  for (Timer* t : timers_) {
    if (!t->enabled()) continue;
    if (best == nullptr || key(t) < key(best)) best = t;
  }
  return best;
}

std::optional<std::int64_t> Scheduler::nextDue() const {
  const Timer* t = next();
  if (t == nullptr) return std::nullopt;
  return t->due();
}

void Scheduler::remove(Timer& timer) {
  timers_.erase(std::remove(timers_.begin(), timers_.end(), &timer), timers_.end());
}

}  // namespace tw
