// The four heading buttons: north, south, east (leftward) and west (rightward).
#include "game/form1.h"
#include "game/headings.h"
#include "model/application.h"
#include "presentation/suona.h"

namespace tw {

void Form1::headingCommand(std::int16_t index) {
  Suona(app(), "7");
  PlaneRecord* p = plane(*Plane);
  if (p == nullptr || index < 0 || index >= static_cast<int>(kHeadings.size())) return;
  p->AereoDir = std::string(kHeadings[static_cast<std::size_t>(index)].code);
  // Name and picture follow the stored code.
  const Heading* h = headingOf(p->AereoDir);
  if (h == nullptr) return;
  p->Dir = std::string(h->name);
  app().loadPicture(*p->Aereo, app().planeFile(h->picture));
}

}  // namespace tw
