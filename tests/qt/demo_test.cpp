// The demo in the real windows: the autopilot plays until the player touches the game.
#include <gtest/gtest.h>

#include "app/demo.h"
#include "levels/form3.h"
#include "qt_game.h"

namespace tw::test {
namespace {

using QtDemo = GameTest;

TEST_F(QtDemo, PlaysALevelAndEndsAtThePlayersClick) {
  QtGame game(QtHost::Mode::Play);
  WindowedDemo demo(game.app(), game.host().midend(), 1);
  Form3& next = game.app().form<Form3>();
  // Ahead of the wall clock, so a level takes no real minutes.
  for (std::int64_t t = 0; t < 600'000 && !next.isOpen(); t += 1000) game.app().advanceTo(t);
  ASSERT_TRUE(next.isOpen()) << "level 1 was not completed";
  game.app().settle();
  // The autopilot has pressed "Continue"; the player clicks the flying plane's window.
  EXPECT_FALSE(next.Label1->visible);
  game.pressAndRelease(*game.viewOf("Form3"), QPoint(5, 5), QPoint(5, 5));
  const std::int64_t touched = game.app().scheduler().now();
  // Message boxes wait for the player again: this one stands in for them.
  MessageBoxWatch okPresser([](QMessageBox&) {});
  game.app().advanceTo(touched + 10'000);
  ASSERT_TRUE(game.form1().isOpen());
  game.app().advanceTo(touched + 120'000);
  // Nobody steers now: a plane left alone runs off the board.
  EXPECT_FALSE(game.form1().isOpen());
  EXPECT_EQ(game.app().openWindows(), std::vector<Window*>{game.app().findWindow("Form2")});
}

}  // namespace
}  // namespace tw::test
