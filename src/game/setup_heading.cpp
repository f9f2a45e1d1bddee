// Altezza and Desti: the newest plane's heading and destination at mission setup.
#include "game/form1.h"

namespace tw {

void Form1::headingTick() {}

void Form1::destinationTick() {}

}  // namespace tw
