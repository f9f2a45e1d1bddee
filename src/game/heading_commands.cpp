// The four heading buttons.
#include "game/form1.h"

namespace tw {

void Form1::headingCommand(std::int16_t) {}

}  // namespace tw
