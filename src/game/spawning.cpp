// New planes enter on A - 1 at the level's pace.
#include "game/form1.h"

namespace tw {

void Form1::spawnTick() {}

void Form1::hideTick() {}

}  // namespace tw
