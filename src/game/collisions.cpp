// Conflitto: the level's pace held on every tick, and two flying planes on one cell.
#include "game/form1.h"

namespace tw {

void Form1::collisionTick() {}

}  // namespace tw
