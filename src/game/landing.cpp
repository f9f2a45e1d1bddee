// "Land": on the destination the plane leaves the board; anywhere else the game is over.
#include "game/form1.h"

namespace tw {

void Form1::land() {}

}  // namespace tw
