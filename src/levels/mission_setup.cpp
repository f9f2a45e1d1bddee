// Start: the mission setup of a freshly opened (or freshly loaded) game screen.
#include "game/form1.h"

namespace tw {

void Form1::missionSetup() { Start.stop(); }

}  // namespace tw
