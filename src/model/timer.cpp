#include "model/timer.h"

#include "model/scheduler.h"
#include "model/window.h"

namespace tw {

Timer::Timer(Scheduler& scheduler, Window& owner, std::string name, std::int32_t designInterval,
             bool enabledAtOpen, int tieOrder, std::function<void()> tick)
    : scheduler_(scheduler),
      owner_(owner),
      name_(std::move(name)),
      designInterval_(designInterval),
      enabledAtOpen_(enabledAtOpen),
      tieOrder_(tieOrder),
      tick_(std::move(tick)),
      interval_(designInterval) {}

Timer::~Timer() { scheduler_.stopped(*this); }

void Timer::start() {
  // A closed window's handlers never run.
  if (!owner_.isOpen()) return;
  enabled_ = true;
  scheduler_.started(*this);
  arm();
}

void Timer::stop() {
  enabled_ = false;
  scheduler_.stopped(*this);
}

void Timer::setInterval(std::int32_t ms) {
  interval_ = ms;
  if (enabled_) arm();
}

void Timer::reset() {
  interval_ = designInterval_;
  enabled_ = false;
  scheduler_.stopped(*this);
  if (enabledAtOpen_) start();
}

void Timer::arm() {
  due_ = scheduler_.now() + scheduler_.effectiveInterval(interval_);
  scheduler_.changed();
}

void Timer::fire() {
  // Armed for the next period first, so the handler may stop, restart or re-time it.
  arm();
  tick_();
}

}  // namespace tw
