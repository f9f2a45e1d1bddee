// Grid position tracking and the info panel of the selected plane.
#include "game/form1.h"

namespace tw {

void Form1::positionTick() {}

void Form1::AggiornaSelezionato() {}

}  // namespace tw
