// The ticks look only at planes that moved or came on the board: a plane a script moves or
// shows again must still be named, and still collide.
#include "test_support.h"

namespace tw::test {
namespace {

using PlaneBookkeeping = GameTest;

TEST_F(PlaneBookkeeping, APlaneAScriptMovesOrShowsIsNamedAndCollides) {
  // At 20100 ms plane 0 flies on A - 5 and plane 1 has just come in on A - 1.
  const Lines twoPlanes{"wait 20100"};
  EXPECT_TRUE(plays(twoPlanes + Lines{"set Form1.Aereo(1).Top 1920", "wait 2", "print Form1.Posi(1) = A - 3",
                                      "set Form1.Aereo(1).Top 3120", "wait 2"} + kCrash,
                    {}, {"sound: 1"}));
  // Landed, moved onto plane 1 while hidden, then shown.
  EXPECT_TRUE(plays(twoPlanes + Lines{"set Form1.DT A - 5", "click Form1.Label1", "> sound: 6",
                                      "set Form1.Aereo(0).Top 720", "wait 2", "print Form1.Posi(0) = A - 1",
                                      "set Form1.Aereo(0).Visible true", "wait 2"} + kCrash,
                    {}, {"sound: 1"}));
}

}  // namespace
}  // namespace tw::test
