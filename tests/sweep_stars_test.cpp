// The decorations of the board: the two sweep lines and the star field.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "test_support.h"

namespace tw::test {
namespace {

struct Sweep {
  float lin5;
  float ln6;
};

Sweep sweepOf(Form1& f) { return {f.Lin5->left, f.Ln6->top}; }

TEST(SweepLines, GlideTurnStrictlyPastTheBoundsAndRepeatEvery1088Ticks) {
  Game game;
  Form1& f = game.form1();
  std::vector<float> lin5, ln6;
  for (int tick = 1; tick <= 1088; ++tick) {
    game.advance(1);
    lin5.push_back(f.Lin5->left);
    ln6.push_back(f.Ln6->top);
    EXPECT_GT(f.Ln6->stackOrder, f.Lin5->stackOrder);
    EXPECT_GT(f.Lin5->stackOrder, f.planes[0].Aereo->stackOrder);
  }
  EXPECT_EQ(std::vector(lin5.begin(), lin5.begin() + 3), (std::vector<float>{6110, 6100, 6090}));
  EXPECT_EQ(std::vector(ln6.begin(), ln6.begin() + 3), (std::vector<float>{730, 740, 750}));
  // Ticks are counted from 1: Ln6 reaches 6130 and turns on tick 542, Lin5 reaches 690 and turns on 544.
  EXPECT_EQ(std::vector(ln6.begin() + 540, ln6.begin() + 543), (std::vector<float>{6130, 6120, 6110}));
  EXPECT_EQ(std::vector(lin5.begin() + 542, lin5.begin() + 545), (std::vector<float>{690, 700, 710}));
  EXPECT_EQ(sweepOf(f).lin5, 6120);
  EXPECT_EQ(sweepOf(f).ln6, 720);
  EXPECT_EQ(f.VersoLin5, 0);
  EXPECT_EQ(f.VersoLn6, 0);
}

TEST(SweepLines, PauseFreezesThemAndANewScreenKeepsTheirDirections) {
  Game game;
  Form1& f = game.form1();
  game.advance(600);  // Ln6 on its way up, Lin5 on its way right
  game.app().click(*f.Label4);
  const Sweep paused = sweepOf(f);
  game.advance(500);
  EXPECT_EQ(sweepOf(f).lin5, paused.lin5);
  EXPECT_EQ(sweepOf(f).ln6, paused.ln6);
  game.app().click(*f.Label4);
  game.advance(1);
  EXPECT_EQ(sweepOf(f).lin5, paused.lin5 + 10);
  EXPECT_EQ(sweepOf(f).ln6, paused.ln6 - 10);

  game.app().close(f);
  game.app().open(f);
  game.advance(1);
  // Back at the design places, still heading right and up.
  EXPECT_EQ(sweepOf(f).lin5, 6130);
  EXPECT_EQ(sweepOf(f).ln6, 710);
}

void expectFiftyOneStars(Form1& f) {
  ASSERT_EQ(f.Stars.size(), 51u);
  for (const Element* star : f.Stars) {
    EXPECT_EQ(star, f.find("Stars", star->index));
    EXPECT_TRUE(star->visible);
    EXPECT_EQ(star->text, "*");
    EXPECT_EQ(star->width, 135);
    EXPECT_EQ(star->height, 255);
    for (float at : {star->left, star->top}) {
      EXPECT_EQ(at, std::floor(at));
      EXPECT_GE(at, 720);
      EXPECT_LE(at, 5919);
    }
  }
}

TEST(StarField, FiftyOneStarsLaidOutAtTheSetupAndAfreshEveryMinute) {
  Game game;
  Form1& f = game.form1();
  EXPECT_EQ(f.Stars.size(), 1u);
  game.advance(10);
  expectFiftyOneStars(f);
  f.Act.stop();  // no traffic: the level must outlive a minute
  f.Nuovo.stop();
  Element& star = *f.Stars[7];
  star.visible = false;
  star.text = "x";
  star.width = 1;
  const float left = star.left;
  const float top = star.top;
  game.advance(59999);
  EXPECT_FALSE(star.visible);
  game.advance(1);
  expectFiftyOneStars(f);
  EXPECT_FALSE(star.left == left && star.top == top);
}

}  // namespace
}  // namespace tw::test
