#include "model/scheduler.h"

#include <algorithm>
#include <utility>

#include "model/timer.h"
#include "model/window.h"

namespace tw {

Timer* Scheduler::next() const {
  if (held()) return nullptr;
  if (!known_) {
    next_ = findNext();
    known_ = true;
  }
  return next_;
}

Timer* Scheduler::findNext() const {
  // The running timers stand in tie order: the first of the earliest ticks first.
  Timer* best = nullptr;
  for (Timer* t : running_) {
    if (best == nullptr || t->due() < best->due()) best = t;
  }
  return best;
}

std::optional<std::int64_t> Scheduler::nextDue() const {
  const Timer* t = next();
  if (t == nullptr) return std::nullopt;
  return t->due();
}

void Scheduler::started(Timer& timer) {
  if (std::find(running_.begin(), running_.end(), &timer) == running_.end()) {
    // At the same moment, by window opening order, then the window's own order. A window
    // opens anew only after its timers have stopped, so the place stays right while it runs.
    const auto before = [](const Timer* a, const Timer* b) {
      return std::make_pair(a->owner().openSequence(), a->tieOrder()) <
             std::make_pair(b->owner().openSequence(), b->tieOrder());
    };
    running_.insert(std::upper_bound(running_.begin(), running_.end(), &timer, before), &timer);
  }
  changed();
}

void Scheduler::stopped(Timer& timer) {
  running_.erase(std::remove(running_.begin(), running_.end(), &timer), running_.end());
  changed();
}

}  // namespace tw
