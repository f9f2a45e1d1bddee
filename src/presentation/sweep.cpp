// The two sweep lines gliding back and forth over the board.
#include "game/form1.h"

namespace tw {

void Form1::sweepTick() {}

}  // namespace tw
