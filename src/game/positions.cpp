// Grid position tracking and the info panel of the selected plane.
#include "game/board.h"
#include "game/form1.h"

namespace tw {

namespace {

// A sprite off every cell origin keeps its last position text.
void trackCell(PlaneRecord& p) {
  if (const auto cell = board::cellAt(p.Aereo->left, p.Aereo->top)) p.Posi = board::cellName(*cell);
}

}  // namespace

void Form1::positionTick() {
  for (PlaneRecord& p : planes) trackCell(p);
  AggiornaSelezionato();
}

void Form1::AggiornaSelezionato() {
  PlaneRecord* s = plane(*Selezionato);
  if (s == nullptr) return;
  trackCell(*s);
  AT->text = s->Alt;
  DT->text = board::positionText(s->AereoDest1, s->AereoDest2);
  PO->text = s->Posi;
  DI->text = s->Dir;
}

}  // namespace tw
