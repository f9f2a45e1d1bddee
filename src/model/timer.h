#pragma once
// A periodic timer of a window. Its tick runs its handler; a one-shot task stops itself.
#include <cstdint>
#include <functional>
#include <string>

namespace tw {

class Scheduler;
class Window;

class Timer {
 public:
  Timer(Scheduler& scheduler, Window& owner, std::string name, std::int32_t designInterval,
        bool enabledAtOpen, int tieOrder, std::function<void()> tick);
  ~Timer();
  Timer(const Timer&) = delete;
  Timer& operator=(const Timer&) = delete;

  const std::string& name() const { return name_; }
  std::int32_t interval() const { return interval_; }
  bool enabled() const { return enabled_; }

  // Starting, or changing the interval of a running timer, counts down anew from now.
  void start();
  void stop();
  void setInterval(std::int32_t ms);

  // Back to the design state, as when the window opens.
  void reset();

  // For the scheduler.
  std::int64_t due() const { return due_; }
  const Window& owner() const { return owner_; }
  int tieOrder() const { return tieOrder_; }
  void fire();

 private:
  void arm();

  Scheduler& scheduler_;
  Window& owner_;
  std::string name_;
  std::int32_t designInterval_;
  bool enabledAtOpen_;
  int tieOrder_;
  std::function<void()> tick_;
  std::int32_t interval_;
  bool enabled_ = false;
  std::int64_t due_ = 0;
};

}  // namespace tw
