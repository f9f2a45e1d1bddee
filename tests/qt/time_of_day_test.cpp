// The time of day a host tells: the machine's when playing, the virtual clock's in a script.
#include <gtest/gtest.h>

#include <QTime>

#include "frontends/qt/qt_host.h"
#include "../test_support.h"

namespace tw::test {
namespace {

using QtTimeOfDay = GameTest;

TEST_F(QtTimeOfDay, IsTheMachinesWhenPlayingAndTheVirtualClocksInAScript) {
  QtHost played(QtHost::Mode::Play, GameTest::programDir());
  const int before = QTime::currentTime().msecsSinceStartOfDay();
  const std::int64_t told = played.timeOfDayMs(123'456);
  const int after = QTime::currentTime().msecsSinceStartOfDay();
  // Across midnight the two readings tell nothing.
  if (before <= after) {
    EXPECT_GE(told, before);
    EXPECT_LE(told, after);
  }
  QtHost scripted(QtHost::Mode::Script, GameTest::programDir(), 86'399);
  EXPECT_EQ(scripted.timeOfDayMs(0), 86'399'000);
  EXPECT_EQ(scripted.timeOfDayMs(1'500), 500);
}

}  // namespace
}  // namespace tw::test
