#pragma once
// The one clock of the program: which timer ticks next, and when.
#include <cstdint>
#include <optional>
#include <vector>

namespace tw {

class Timer;

class Scheduler {
 public:
  explicit Scheduler(int resolutionMs = 16) : resolution_(resolutionMs) {}

  std::int32_t effectiveInterval(std::int32_t interval) const {
    return interval < resolution_ ? resolution_ : interval;
  }

  std::int64_t now() const { return now_; }
  void setNow(std::int64_t now) { now_ = now; }

  // While a message box is open nothing is due.
  void hold() { ++holds_; }
  void release() { --holds_; }
  bool held() const { return holds_ > 0; }

  // The running timer that ticks next: earliest due time, then window opening order,
  // then the window's own timer order.
  Timer* next() const;
  std::optional<std::int64_t> nextDue() const;

  // Only running timers are looked at: most of a window's timers are stopped most of the time.
  void started(Timer& timer);
  void stopped(Timer& timer);
  // A timer started, stopped or re-armed: the next one must be found again.
  void changed() { known_ = false; }

 private:
  Timer* findNext() const;

  int resolution_;
  std::int64_t now_ = 0;
  int holds_ = 0;
  std::vector<Timer*> running_;
  // Asked for after every tick, and far more often than a timer changes.
  mutable Timer* next_ = nullptr;
  mutable bool known_ = false;
};

}  // namespace tw
