// The movement tick: fuel, one cell per tick, the board edge.
#include "game/form1.h"

namespace tw {

void Form1::movementTick() {}

}  // namespace tw
