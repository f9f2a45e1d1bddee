// The two sweep lines gliding back and forth over the board.
#include "game/form1.h"

namespace tw {

namespace {

constexpr float kStep = 10;
// Strict tests: a line standing on either bound goes one more step before it turns.
constexpr float kLowTurn = 700;
constexpr float kHighTurn = 6120;

}  // namespace

void Form1::sweepTick() {
  bringToFront(*Lin5);
  bringToFront(*Ln6);
  // VersoLin5: 0 moving left, 1 moving right. VersoLn6: 0 moving down, 1 moving up.
  if (Lin5->left < kLowTurn) VersoLin5 = 1;
  if (Lin5->left > kHighTurn) VersoLin5 = 0;
  if (Ln6->top < kLowTurn) VersoLn6 = 0;
  if (Ln6->top > kHighTurn) VersoLn6 = 1;
  if (VersoLin5 == 0) Lin5->left -= kStep;
  if (VersoLin5 == 1) Lin5->left += kStep;
  if (VersoLn6 == 1) Ln6->top -= kStep;
  if (VersoLn6 == 0) Ln6->top += kStep;
}

}  // namespace tw
