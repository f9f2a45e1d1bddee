// The clock of the game: due order, ties, resolution, re-timing, no backlog, modal hold.
#include "test_support.h"

namespace tw::test {
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

class SchedulerTest : public GameTest {
 protected:
  explicit SchedulerTest(int resolution = 1) : host(0, "."), app(host, AppOptions{resolution}) {}

  TimerWindow& window(const std::string& name) {
    auto& w = app.addWindow<TimerWindow>(name);
    app.open(w);
    return w;
  }
  // A timer whose ticks are noted as NAME@MS.
  Timer& logged(TimerWindow& w, const std::string& name, std::int32_t interval) {
    return w.timer(name, interval, [this, name] { ticks.push_back(name + "@" + std::to_string(app.scheduler().now())); });
  }

  TestHost host;
  Application app;
  Lines ticks;
};

TEST_F(SchedulerTest, TimersTickAtTheirIntervalsAndTiesFollowWindowThenTimerOrder) {
  auto& first = window("A");
  Timer& late = logged(window("B"), "B.late", 10);
  Timer& slow = logged(first, "A.slow", 10);
  Timer& fast = logged(first, "A.fast", 4);
  for (Timer* t : {&late, &fast, &slow}) t->start();
  app.advanceTo(10);
  EXPECT_EQ(ticks, (Lines{"A.fast@4", "A.fast@8", "A.slow@10", "B.late@10"}));
}

TEST_F(SchedulerTest, RestartingOrRetimingCountsDownAnewAndStoppingDropsThePendingTick) {
  Timer& t = logged(window("A"), "t", 10);
  t.start();
  app.advanceTo(7);
  t.setInterval(10);  // from 7: next at 17
  app.advanceTo(16);
  EXPECT_TRUE(ticks.empty());
  app.advanceTo(20);
  t.stop();
  app.advanceTo(40);
  t.setInterval(5);  // re-timing a stopped timer does not start it
  app.advanceTo(60);
  EXPECT_EQ(ticks, Lines{"t@17"});
}

TEST_F(SchedulerTest, ATimerStartedInAHandlerTicksOnlyAfterThatHandlerAndNoneWhileABoxIsOpen) {
  auto& w = window("A");
  Timer& inner = logged(w, "inner", 1);
  Timer* outer = &w.timer("outer", 5, [&] {
    ticks.push_back("outer@" + std::to_string(app.scheduler().now()));
    outer->stop();
    inner.start();
    app.showMessage("hello");
  });
  bool nothingDue = false;
  host.whileOpen = [&](const std::string&) {
    nothingDue = app.scheduler().next() == nullptr && !app.scheduler().nextDue();
  };
  outer->start();
  app.advanceTo(7);
  EXPECT_TRUE(nothingDue);
  EXPECT_EQ(ticks, (Lines{"outer@5", "inner@6", "inner@7"}));
}

TEST_F(SchedulerTest, ALateTimerTicksOnceAndKeepsItsPeriodFromThatTick) {
  Timer& t = logged(window("A"), "t", 10);
  t.start();
  app.runDue(95);  // a slow machine: nine periods missed
  app.runDue(104);
  app.runDue(105);
  EXPECT_EQ(ticks, (Lines{"t@95", "t@105"}));
}

struct CoarseSchedulerTest : SchedulerTest {
  CoarseSchedulerTest() : SchedulerTest(16) {}
};

TEST_F(CoarseSchedulerTest, IntervalsBelowTheResolutionTickOncePerResolution) {
  auto& w = window("A");
  logged(w, "fast", 1).start();
  logged(w, "slow", 40).start();
  app.advanceTo(48);
  EXPECT_EQ(ticks, (Lines{"fast@16", "fast@32", "slow@40", "fast@48"}));
}

TEST_F(SchedulerTest, ClosingAWindowStopsItsTimersAndReopeningRestoresTheirDesign) {
  auto& w = window("A");
  Timer& t = logged(w, "t", 10);
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
}  // namespace tw::test
