// The clock of the game: due order, ties, resolution, re-timing, no backlog, modal hold.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/application.h"
#include "platform/headless_host.h"

namespace tw {
namespace {

class TimerWindow : public Window {
 public:
  TimerWindow(Application& app, std::string name) : Window(app, std::move(name)) {}
  Timer& timer(std::string name, std::int32_t interval, std::function<void()> tick) {
    return addTimer(std::move(name), interval, false, std::move(tick));
  }

 private:
  void build() override {}
};

// Answers message boxes at once, but first notes whether anything could tick meanwhile.
class BoxHost : public HeadlessHost {
 public:
  void showMessage(const std::string&) override {
    if (whileOpen) whileOpen();
  }
  std::function<void()> whileOpen;
};

class SchedulerTest : public ::testing::Test {
 protected:
  explicit SchedulerTest(int resolution = 1) : app(host, AppOptions{resolution, "."}) {}

  TimerWindow& window(const std::string& name) {
    auto& w = app.addWindow<TimerWindow>(name);
    app.open(w);
    return w;
  }
  std::function<void()> log(const std::string& name) {
    return [this, name] { ticks.push_back(name + "@" + std::to_string(app.scheduler().now())); };
  }

  BoxHost host;
  Application app;
  std::vector<std::string> ticks;
};

TEST_F(SchedulerTest, TimersTickAtTheirIntervalsAndTiesFollowWindowThenTimerOrder) {
  auto& first = window("A");
  auto& second = window("B");
  Timer& late = second.timer("late", 10, log("B.late"));
  Timer& slow = first.timer("slow", 10, log("A.slow"));
  Timer& fast = first.timer("fast", 4, log("A.fast"));
  late.start();
  fast.start();
  slow.start();
  app.advanceTo(10);
  EXPECT_EQ(ticks, (std::vector<std::string>{"A.fast@4", "A.fast@8", "A.slow@10", "B.late@10"}));
}

TEST_F(SchedulerTest, RestartingOrRetimingCountsDownAnewAndStoppingDropsThePendingTick) {
  auto& w = window("A");
  Timer& t = w.timer("t", 10, log("t"));
  t.start();
  app.advanceTo(7);
  t.setInterval(10);  // from 7: next at 17
  app.advanceTo(16);
  EXPECT_TRUE(ticks.empty());
  app.advanceTo(17);
  EXPECT_EQ(ticks, std::vector<std::string>{"t@17"});
  app.advanceTo(20);
  t.stop();
  app.advanceTo(40);
  EXPECT_EQ(ticks.size(), 1u);
  t.setInterval(5);  // re-timing a stopped timer does not start it
  app.advanceTo(60);
  EXPECT_EQ(ticks.size(), 1u);
}

TEST_F(SchedulerTest, ATimerStartedInAHandlerTicksOnlyAfterThatHandler) {
  auto& w = window("A");
  Timer* inner = nullptr;
  Timer* outerTimer = nullptr;
  Timer& outer = w.timer("outer", 5, [&] {
    ticks.push_back("outer@" + std::to_string(app.scheduler().now()));
    outerTimer->stop();
    inner->start();
  });
  outerTimer = &outer;
  Timer& oneShot = w.timer("inner", 1, [&] {
    ticks.push_back("inner@" + std::to_string(app.scheduler().now()));
    inner->stop();
  });
  inner = &oneShot;
  outer.start();
  app.advanceTo(100);
  EXPECT_EQ(ticks, (std::vector<std::string>{"outer@5", "inner@6"}));
}

TEST_F(SchedulerTest, NoTimerTicksWhileAMessageBoxIsOpen) {
  auto& w = window("A");
  Timer& other = w.timer("other", 1, log("other"));
  Timer* self = nullptr;
  Timer& boxer = w.timer("boxer", 3, [&] {
    ticks.push_back("box");
    app.showMessage("hello");
    self->stop();
  });
  self = &boxer;
  bool nothingDue = false;
  host.whileOpen = [&] { nothingDue = app.scheduler().next() == nullptr && !app.scheduler().nextDue(); };
  other.start();
  boxer.start();
  app.advanceTo(3);
  EXPECT_TRUE(nothingDue);
  EXPECT_EQ(ticks, (std::vector<std::string>{"other@1", "other@2", "other@3", "box"}));
}

TEST_F(SchedulerTest, ALateTimerTicksOnceAndKeepsItsPeriodFromThatTick) {
  auto& w = window("A");
  Timer& t = w.timer("t", 10, log("t"));
  t.start();
  app.runDue(95);  // a slow machine: nine periods missed
  EXPECT_EQ(ticks, std::vector<std::string>{"t@95"});
  app.runDue(104);
  EXPECT_EQ(ticks.size(), 1u);
  app.runDue(105);
  EXPECT_EQ(ticks.back(), "t@105");
}

class CoarseSchedulerTest : public SchedulerTest {
 protected:
  CoarseSchedulerTest() : SchedulerTest(16) {}
};

TEST_F(CoarseSchedulerTest, IntervalsBelowTheResolutionTickOncePerResolution) {
  auto& w = window("A");
  Timer& oneMs = w.timer("fast", 1, log("fast"));
  Timer& slow = w.timer("slow", 40, log("slow"));
  oneMs.start();
  slow.start();
  app.advanceTo(48);
  EXPECT_EQ(ticks, (std::vector<std::string>{"fast@16", "fast@32", "slow@40", "fast@48"}));
}

TEST_F(SchedulerTest, ClosingAWindowStopsItsTimersAndReopeningRestoresTheirDesign) {
  auto& w = window("A");
  Timer& t = w.timer("t", 10, log("t"));
  t.start();
  t.setInterval(3);
  app.close(w);
  app.advanceTo(50);
  EXPECT_TRUE(ticks.empty());
  app.open(w);
  EXPECT_EQ(t.interval(), 10);
  EXPECT_FALSE(t.enabled());
}

}  // namespace
}  // namespace tw
