#include "platform/scheduler.h"

#include <algorithm>
#include <utility>

#include "platform/timer.h"
#include "platform/window.h"

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
  Timer* best = nullptr;
  for (Timer* t : running_) {
    if (best == nullptr || t->due() < best->due()) {
      best = t;
    } else if (t->due() == best->due()) {
      // The same moment: by window opening order, then the window's own order.
      const auto key = [](const Timer* x) { return std::make_pair(x->owner().openSequence(), x->tieOrder()); };
      if (key(t) < key(best)) best = t;
    }
  }
  return best;
}

std::optional<std::int64_t> Scheduler::nextDue() const {
  const Timer* t = next();
  if (t == nullptr) return std::nullopt;
  return t->due();
}

void Scheduler::started(Timer& timer) {
  if (std::find(running_.begin(), running_.end(), &timer) == running_.end()) running_.push_back(&timer);
  changed();
}

void Scheduler::stopped(Timer& timer) {
  running_.erase(std::remove(running_.begin(), running_.end(), &timer), running_.end());
  changed();
}

}  // namespace tw
