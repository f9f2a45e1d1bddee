// Selecting a plane: the command panel shows it and the info panel follows it.
#include "game/board.h"
#include "game/form1.h"
#include "game/headings.h"
#include "model/field.h"
#include "presentation/suona.h"

namespace tw {

void Form1::selectPlane(std::int16_t index) {
  Suona(app(), "4");
  Picture1->visible = true;
  if (const auto ms = toInt32(NascVel->text)) Nascondi.setInterval(*ms);
  Nascondi.start();
  Plane->text = std::to_string(index);
  // From here on the plane is the one the Plane label names.
  PlaneRecord* p = plane(*Plane);
  if (p != nullptr) {
    p->Alt = p->AereoNum;
    if (const Heading* h = headingOf(p->AereoDir)) p->Dir = std::string(h->name);
    p->Dest = board::positionText(p->AereoDest1, p->AereoDest2);
  }
  Selezionato->text = Plane->text;
  if (p != nullptr) {
    AT->text = p->Alt;
    DT->text = p->Dest;
    PO->text = p->Posi;
    DI->text = p->Dir;
  }
  if (const auto clicks = toNumber(CL->text)) CL->text = numberText(*clicks + 1);
}

}  // namespace tw
