// The decorations of the board: the two sweep lines and the star field.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "test_support.h"

namespace tw::test {
namespace {

TEST(SweepLines, TurnStrictlyPastTheBoundsRepeatEvery1088TicksAndPauseInPlace) {
  Game game;
  Form1& f = game.form1();
  std::vector<float> lin5, ln6;
  for (int tick = 1; tick <= 1088; ++tick) {
    game.advance(1);
    lin5.push_back(f.Lin5->left);
    ln6.push_back(f.Ln6->top);
  }
  EXPECT_EQ(std::vector(lin5.begin(), lin5.begin() + 2), (std::vector<float>{6110, 6100}));
  EXPECT_EQ(std::vector(ln6.begin(), ln6.begin() + 2), (std::vector<float>{730, 740}));
  // Ln6 turns on tick 542 and Lin5 on tick 544, each one step past its bound.
  EXPECT_EQ(std::vector(ln6.begin() + 540, ln6.begin() + 543), (std::vector<float>{6130, 6120, 6110}));
  EXPECT_EQ(std::vector(lin5.begin() + 542, lin5.begin() + 545), (std::vector<float>{690, 700, 710}));
  EXPECT_EQ(lin5.back() + ln6.back(), 6120 + 720);
  EXPECT_GT(f.Ln6->stackOrder, f.Lin5->stackOrder);
  EXPECT_GT(f.Lin5->stackOrder, f.planes[0].Aereo->stackOrder);

  game.advance(600);  // Ln6 on its way up, Lin5 on its way right
  game.app().click(*f.Label4);
  const float left = f.Lin5->left;
  const float top = f.Ln6->top;
  game.advance(500);
  game.app().click(*f.Label4);
  game.advance(1);
  EXPECT_EQ(f.Lin5->left - left, 10);
  EXPECT_EQ(f.Ln6->top - top, -10);
}

TEST(StarField, FiftyOneStarsInRangeAfterEveryLayout) {
  Game game;
  Form1& f = game.form1();
  for (std::int64_t wait : {10, 60000}) {
    game.advance(wait);
    ASSERT_EQ(f.Stars.size(), 51u);
    for (const Element* star : f.Stars) {
      EXPECT_TRUE(star->visible && star->text == "*" && star->width == 135 && star->height == 255);
      for (float at : {star->left, star->top}) EXPECT_TRUE(at == std::floor(at) && at >= 720 && at <= 5919) << at;
    }
    f.Act.stop();  // no traffic: the level must outlive a minute
    f.Nuovo.stop();
    f.Stars[7]->visible = false;
  }
}

}  // namespace
}  // namespace tw::test
