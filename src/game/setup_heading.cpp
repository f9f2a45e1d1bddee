// Altezza and Desti: the newest plane's heading and destination at mission setup.
#include "game/form1.h"
#include "game/headings.h"
#include "model/application.h"

namespace tw {

void Form1::headingTick() {
  app().reseedFromTimeOfDay();
  Altezza.stop();
  PlaneRecord* p = plane(*AA);
  if (p == nullptr) return;
  const Heading* south = headingOf("s");
  p->AereoDir = std::string(south->code);
  app().loadPicture(*p->Aereo, app().planeFile(south->picture));
}

void Form1::destinationTick() {
  app().reseedFromTimeOfDay();
  Desti.stop();
  drawDestination(plane(*AA));
}

}  // namespace tw
